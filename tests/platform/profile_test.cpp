#include "platform/profile.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/marbix-profile-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
        m_file = m_dir / "marbix.INI";
        SetProfilePath(m_file.string());
    }
    void TearDown() override {
        SetProfilePath("");
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }

    void Put(const std::string& text) { std::ofstream(m_file, std::ios::binary) << text; }
    std::string Contents() const {
        std::ifstream in(m_file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::vector<std::string> DirEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_dir))
            names.push_back(entry.path().filename().string());
        return names;
    }
    static ino_t Inode(const fs::path& path) {
        struct stat st {};
        return stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
    }

    fs::path m_dir;
    fs::path m_file;
};

TEST_F(ProfileTest, MissingFileSectionKeyOrPathYieldsTheDefault) {
    EXPECT_EQ(static_cast<int>(GetProfileInt("WINDOW", "LEFT", -40)), -40);
    EXPECT_EQ(GetProfileString("HISCORES", "PLAYER0", "none"), "none");
    Put("[SETTINGS]\nCLASSICAL=1\n");
    EXPECT_EQ(GetProfileInt("SETTINGS", "SOUND_ON", 1), 1u);
    EXPECT_EQ(GetProfileInt("WINDOW", "CLASSICAL", 5), 5u);
    EXPECT_EQ(GetProfileInt("SETTINGS", "CLASSICAL", 0), 1u);
    SetProfilePath("");
    EXPECT_EQ(GetProfileInt("SETTINGS", "CLASSICAL", 4), 4u);
    EXPECT_FALSE(WriteProfileInt("SETTINGS", "SOUND_ON", 0));
}

TEST_F(ProfileTest, NamesComeBackExactlyButLineBreaksDoNot) {
    const std::vector<std::string> names = {
        "Ace",           "Mary Ann",   "a=b=c",     "semi;colon", "[HISCORES]",
        "say \"hi\" x",  "Zo\xC3\xAB", "=",         ";",          "[",
        "x\"",           "\"y",        "-unknown-", "  padded  ", "\"quoted\"",
        "\"\"twice\"\"", " ",          "\""};
    for (std::size_t i = 0; i < names.size(); ++i)
        ASSERT_TRUE(WriteProfileString("HISCORES", "PLAYER" + std::to_string(i), names[i]));
    for (std::size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(GetProfileString("HISCORES", "PLAYER" + std::to_string(i), "?"), names[i]);

    const std::pair<std::string, std::string> changed[] = {
        {"Eve\n[SETTINGS]\r\nSOUND_ON=0", "Eve [SETTINGS]  SOUND_ON=0"},
        {"nul\0byte"s, "nul byte"}};
    for (const auto& [written, read] : changed) {
        ASSERT_TRUE(WriteProfileString("S", "K", written));
        EXPECT_EQ(GetProfileString("S", "K"), read);
    }
    EXPECT_EQ(GetProfileInt("SETTINGS", "SOUND_ON", 1), 1u); // no section was smuggled in
}

TEST_F(ProfileTest, HandWrittenFileFollowsTheReadingRules) {
    Put("; my settings\nTOP=1\n[ settings ]\n  sound_on  =  0  \nClassical\t=\t7\nCLASSICAL=3\n"
        "junk without equals\n=9\nname = \"  inner blanks  \"\nhalf=\"open\nempty=\n"
        "[Other]\nROUND_BALLS=0\n[T]\nB=2\n[SETTINGS]\nLATE=5\n");
    EXPECT_EQ(GetProfileInt("SETTINGS", "SOUND_ON", 1), 0u);
    EXPECT_EQ(GetProfileInt("SETTINGS", "CLASSICAL", 0), 7u); // the first of duplicates
    EXPECT_EQ(GetProfileString("SETTINGS", "NAME"), "  inner blanks  ");
    EXPECT_EQ(GetProfileString("SETTINGS", "half"), "\"open");
    EXPECT_EQ(GetProfileString("SETTINGS", "EMPTY", "x"), "");
    EXPECT_EQ(GetProfileInt("SETTINGS", "EMPTY", 4), 0u);
    EXPECT_EQ(GetProfileInt("SETTINGS", "ROUND_BALLS", 1), 1u);
    EXPECT_EQ(GetProfileInt("SETTINGS", "TOP", 2), 2u);
    EXPECT_EQ(GetProfileInt("SETTINGS", "B", 2), 2u);
    EXPECT_EQ(GetProfileInt("SETTINGS", "LATE", 0), 5u); // sections of one name act as one
    EXPECT_EQ(GetProfileString("SETTINGS", "", "d"), "d");
}

TEST_F(ProfileTest, IntegersAreAMinusAndTheDigitsThatFollowModulo2To32) {
    const std::pair<const char*, unsigned> cases[] = {{"-12", static_cast<unsigned>(-12)},
                                                      {"42abc", 42},
                                                      {"abc", 0},
                                                      {"+5", 0},
                                                      {"- 5", 0},
                                                      {"4294967295", 4294967295u},
                                                      {"4294967296", 0},
                                                      {"99999999999999999999999", 4135583743u},
                                                      {"\"17\"", 17},
                                                      {"-", 0},
                                                      {"007", 7}};
    for (const auto& [text, value] : cases) {
        Put("[N]\nK="s + text + "\n");
        EXPECT_EQ(GetProfileInt("N", "K", 1), value) << text;
    }
    ASSERT_TRUE(WriteProfileInt("HISCORES", "SCORE0", static_cast<int>(3000000000u)));
    EXPECT_EQ(GetProfileInt("HISCORES", "SCORE0", 0), 3000000000u);
    EXPECT_NE(Contents().find("SCORE0=-1294967296\n"), std::string::npos);
}

TEST_F(ProfileTest, WriteChangesOneLineAndKeepsEverythingElse) {
    Put("; kept comment\n[SETTINGS]\nSOUND_ON=1\nSOUND_ON=2\nMYSTERY=yes\n\n[WINDOW]\nLEFT=10\n"
        "[settings]\nCLASSICAL=0\n[Z]\nX=1");
    ASSERT_TRUE(EditProfile([](CProfileFile& file) {
        file.WriteInt("settings", "sound_on", 0);
        file.WriteInt("SETTINGS", "CLASSICAL", 5);
        file.WriteString("HISCORES", "PLAYER0", "Ace");
        file.WriteInt("SETTINGS", "ROUND", 1);
        file.WriteInt("SETTINGS", "CLASSICAL", 1); // the last value of a key counts
        file.WriteInt("Z", "Y", 2);
        EXPECT_EQ(file.GetInt("Settings", "Classical", 0), 1u);
    }));
    EXPECT_EQ(Contents(), "; kept comment\n[SETTINGS]\nsound_on=0\nSOUND_ON=2\nMYSTERY=yes\n"
                          "ROUND=1\n\n[WINDOW]\nLEFT=10\n[settings]\nCLASSICAL=1\n[Z]\nX=1\nY=2\n"
                          "[HISCORES]\nPLAYER0=Ace\n");
}

TEST_F(ProfileTest, CrlfAndByteOrderMarkAreReadAndKept) {
    Put("\xEF\xBB\xBF[S]\r\nA=1\r\nB = x \r\n");
    EXPECT_EQ(GetProfileInt("S", "A", 0), 1u);
    EXPECT_EQ(GetProfileString("S", "B"), "x");
    ASSERT_TRUE(WriteProfileInt("S", "A", 2));
    ASSERT_TRUE(WriteProfileInt("S", "C", 3));
    ASSERT_TRUE(WriteProfileInt("T", "D", 4));
    EXPECT_EQ(Contents(), "\xEF\xBB\xBF[S]\r\nA=2\r\nB = x \r\nC=3\r\n[T]\r\nD=4\r\n");
}

// A file that no writer of ours made is set aside whole, never truncated or
// kept as a trap; a fresh profile holds what could be read of it.
TEST_F(ProfileTest, DamagedFilesAreSetAsideAndTheWriterKeepsUnderTheCap) {
    std::string garbage;
    std::uint32_t x = 12345;
    for (int i = 0; i < 200000; ++i)
        garbage += static_cast<char>((x = x * 1103515245u + 12345u) >> 24);
    garbage += "\n[S]\nA=1\0\nB=2\nB=3\n[T]\nC=3\n"s;
    std::string huge = "[T]\nC=3\n[S]\nB=2\n";
    while (huge.size() < (3u << 20)) huge += "filler=line of text to make it big\n";
    huge += "[S]\nA=1\n";
    int aside = 1;
    for (const auto& [text, what] :
         {std::pair(garbage, "binary data"), std::pair(huge, "over 1 MiB")}) {
        Put(text);
        testing::internal::CaptureStderr();
        const CProfileFile file = ReadProfile();
        const std::string kept = m_file.string() + (aside++ == 1 ? ".damaged" : ".damaged-2");
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "profile_tests: " + m_file.string() + " could not be read whole (" + what +
                      "); it is kept as " + kept + " and a fresh profile is started\n");
        EXPECT_EQ(std::vector<unsigned>({file.GetInt("S", "A", 7), file.GetInt("S", "B", 7),
                                         file.GetInt("T", "C", 7), GetProfileInt("S", "B", 7)}),
                  std::vector<unsigned>({7, 2, 3, 2}));
        std::ifstream in(kept, std::ios::binary);
        EXPECT_TRUE(std::string(std::istreambuf_iterator<char>(in), {}) == text);
        EXPECT_EQ(Contents().find('\0'), std::string::npos);
    }
    EXPECT_EQ(Contents(), "[T]\nC=3\n[S]\nB=2\nfiller=line of text to make it big\n");
    std::string failure;
    EXPECT_FALSE(EditProfile(
        [](CProfileFile& file) { file.WriteString("S", "K", std::string(1u << 20, 'x')); },
        &failure));
    EXPECT_EQ(failure, m_file.string() + ": File too large");
}

TEST_F(ProfileTest, WriteReplacesTheFileAtomicallyAndKeepsItsMode) {
    Put("[S]\nA=1\n");
    fs::permissions(m_file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const ino_t before = Inode(m_file);
    ASSERT_TRUE(WriteProfileInt("S", "A", 1)); // nothing changes: the file is not touched
    EXPECT_EQ(Inode(m_file), before);
    ASSERT_TRUE(WriteProfileInt("S", "A", 2));
    EXPECT_NE(Inode(m_file), before); // a new file renamed into place
    EXPECT_EQ(fs::status(m_file).permissions() & fs::perms::mask, fs::perms(0640));
    EXPECT_EQ(DirEntries(), std::vector<std::string>{"marbix.INI"});
}

TEST_F(ProfileTest, WriteCreatesMissingDirectoriesAndFollowsSymbolicLinks) {
    fs::path deep = m_dir / "config" / "sub" / "marbix.INI";
    SetProfilePath(deep.string());
    ASSERT_TRUE(WriteProfileInt("SETTINGS", "CLASSICAL", 1));
    fs::create_symlink(deep, m_dir / "link.INI");
    SetProfilePath((m_dir / "link.INI").string());
    ASSERT_TRUE(WriteProfileInt("SETTINGS", "CLASSICAL", 0));
    EXPECT_TRUE(fs::is_symlink(m_dir / "link.INI"));
    SetProfilePath(deep.string());
    EXPECT_EQ(GetProfileInt("SETTINGS", "CLASSICAL", 5), 0u);
}

TEST(DefaultPath, NamedAfterTheExecutableInTheConfigDirectory) {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const std::string savedXdg = xdg ? xdg : "", savedHome = home ? home : "";
    setenv("XDG_CONFIG_HOME", "/srv/cfg", 1);
    EXPECT_EQ(DefaultProfilePath("/usr/games/marbix"), "/srv/cfg/marbix.INI");
    EXPECT_EQ(DefaultProfilePath("./build/tool.bin"), "/srv/cfg/tool.INI");
    setenv("HOME", "/home/pat", 1);
    for (const char* ignored : {"relative/dir", "", static_cast<const char*>(nullptr)}) {
        if (ignored)
            setenv("XDG_CONFIG_HOME", ignored, 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        EXPECT_EQ(DefaultProfilePath("marbix"), "/home/pat/.config/marbix.INI");
    }
    xdg ? setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
    home ? setenv("HOME", savedHome.c_str(), 1) : unsetenv("HOME");
}

} // namespace
