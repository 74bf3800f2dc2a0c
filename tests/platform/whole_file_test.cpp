#include "platform/whole_file.h"

#include <filesystem>

#include <sys/stat.h>

#include "scratch.h"

namespace {

std::size_t Entries(const std::string& dir) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir)) ++n;
    return n;
}

// The new file's mode is the one asked for whatever the umask, the file it
// replaced keeps its second name, and a file that cannot take its place
// leaves no temporary behind.
TEST(WholeFile, WritesItsModeKeepsTheOldFileAsideAndLeavesNothingWhenItFails) {
    const CScratchFolder folder;
    ASSERT_FALSE(folder.m_dir.empty());
    const std::string target = folder.Write("file", std::string("old\n"));
    const mode_t umask = ::umask(077);
    std::string failure;
    const bool written = WriteWholeFile(
        target, "new\n", CFileWrite{.tempMark = ".t-", .aside = target + ".old"}, failure);
    ::umask(umask);
    ASSERT_TRUE(written) << failure;
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u);
    EXPECT_EQ(CScratchFolder::Contents(target), "new\n");
    EXPECT_EQ(CScratchFolder::Contents(target + ".old"), "old\n");

    const std::string busy = folder.m_dir + "/busy";
    std::filesystem::create_directories(busy + "/inside");
    EXPECT_FALSE(WriteWholeFile(busy, "new\n", CFileWrite{.tempMark = ".t-"}, failure));
    EXPECT_EQ(failure, busy + ": Is a directory");
    EXPECT_EQ(Entries(folder.m_dir), 3u);
}

} // namespace
