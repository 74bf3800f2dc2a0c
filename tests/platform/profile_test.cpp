#include "platform/profile.h"

#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/resource.h>
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

    fs::path m_dir;
    fs::path m_file;
};

TEST_F(ProfileTest, MissingFileSectionOrKeyYieldsTheDefault) {
    EXPECT_EQ(GetProfileInt("SETTINGS", "SOUND_ON", 1), 1u);
    EXPECT_EQ(static_cast<int>(GetProfileInt("WINDOW", "LEFT", -40)), -40);
    EXPECT_EQ(GetProfileString("HISCORES", "PLAYER0", "none"), "none");
    Put("[SETTINGS]\nCLASSICAL=1\n");
    EXPECT_EQ(GetProfileInt("SETTINGS", "SOUND_ON", 1), 1u);
    EXPECT_EQ(GetProfileInt("WINDOW", "CLASSICAL", 5), 5u);
    EXPECT_EQ(GetProfileInt("SETTINGS", "CLASSICAL", 0), 1u);
}

TEST_F(ProfileTest, NoPathReadsDefaultsAndRefusesWrites) {
    SetProfilePath("");
    EXPECT_FALSE(WriteProfileInt("SETTINGS", "SOUND_ON", 0));
    EXPECT_EQ(GetProfileInt("SETTINGS", "SOUND_ON", 1), 1u);
    EXPECT_TRUE(DirEntries().empty());
}

TEST_F(ProfileTest, EveryNameTheDialogAllowsComesBackExactly) {
    const std::vector<std::string> names = {
        "Ace",        "Mary Ann",      "a=b=c",    "semi;colon", "[HISCORES]", "say \"hi\" x",
        "Zo\xC3\xAB", "\xC5\x81ukasz", "=",        ";",          "[",          "15 characters!!",
        "x\"",        "\"y",           "-unknown-"};
    for (std::size_t i = 0; i < names.size(); ++i)
        ASSERT_TRUE(WriteProfileString("HISCORES", "PLAYER" + std::to_string(i), names[i]));
    for (std::size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(GetProfileString("HISCORES", "PLAYER" + std::to_string(i), "?"), names[i]);
}

TEST_F(ProfileTest, BlanksAndOnePairOfQuotesAroundValuesAreDropped) {
    ASSERT_TRUE(WriteProfileString("HISCORES", "PLAYER0", "  padded  "));
    ASSERT_TRUE(WriteProfileString("HISCORES", "PLAYER1", "\"quoted\""));
    ASSERT_TRUE(WriteProfileString("HISCORES", "PLAYER2", "\"\"twice\"\""));
    EXPECT_EQ(GetProfileString("HISCORES", "PLAYER0"), "padded");
    EXPECT_EQ(GetProfileString("HISCORES", "PLAYER1"), "quoted");
    EXPECT_EQ(GetProfileString("HISCORES", "PLAYER2"), "\"twice\"");
}

TEST_F(ProfileTest, HandWrittenFileFollowsTheReadingRules) {
    Put("; my settings\n"
        "TOP=1\n"
        "[ settings ]\n"
        "  sound_on  =  0  \n"
        "Classical\t=\t7\n"
        "CLASSICAL=3\n"
        "junk without equals\n"
        "=9\n"
        "name = \"  inner blanks  \"\n"
        "half=\"open\n"
        "empty=\n"
        "[Other]\n"
        "ROUND_BALLS=0\n");
    EXPECT_EQ(GetProfileInt("SETTINGS", "SOUND_ON", 1), 0u);
    EXPECT_EQ(GetProfileInt("SETTINGS", "CLASSICAL", 0), 7u);
    EXPECT_EQ(GetProfileString("SETTINGS", "NAME"), "  inner blanks  ");
    EXPECT_EQ(GetProfileString("SETTINGS", "half"), "\"open");
    EXPECT_EQ(GetProfileString("SETTINGS", "EMPTY", "x"), "");
    EXPECT_EQ(GetProfileInt("SETTINGS", "EMPTY", 4), 0u);
    EXPECT_EQ(GetProfileInt("SETTINGS", "ROUND_BALLS", 1), 1u);
    EXPECT_EQ(GetProfileInt("SETTINGS", "TOP", 2), 2u);
    EXPECT_EQ(GetProfileString("SETTINGS", "", "d"), "d");
}

TEST_F(ProfileTest, IntegersAreAMinusAndTheDigitsThatFollow) {
    Put("[N]\na=-12\nb=42abc\nc=abc\nd=+5\ne=- 5\nf=4294967295\ng=4294967296\n"
        "h=99999999999999999999999\ni=\"17\"\nj=-\nk=007\n");
    EXPECT_EQ(static_cast<int>(GetProfileInt("N", "a", 0)), -12);
    EXPECT_EQ(GetProfileInt("N", "b", 1), 42u);
    EXPECT_EQ(GetProfileInt("N", "c", 1), 0u);
    EXPECT_EQ(GetProfileInt("N", "d", 1), 0u);
    EXPECT_EQ(GetProfileInt("N", "e", 1), 0u);
    EXPECT_EQ(GetProfileInt("N", "f", 1), 4294967295u);
    EXPECT_EQ(GetProfileInt("N", "g", 1), 0u); // modulo 2^32
    EXPECT_EQ(GetProfileInt("N", "h", 1), 4135583743u);
    EXPECT_EQ(GetProfileInt("N", "i", 1), 17u);
    EXPECT_EQ(GetProfileInt("N", "j", 1), 0u);
    EXPECT_EQ(GetProfileInt("N", "k", 1), 7u);
}

TEST_F(ProfileTest, IntegersRoundTripAsSignedDecimal) {
    ASSERT_TRUE(WriteProfileInt("WINDOW", "LEFT", -250));
    ASSERT_TRUE(WriteProfileInt("HISCORES", "SCORE0", static_cast<int>(3000000000u)));
    ASSERT_TRUE(WriteProfileInt("HISCORES", "SCORE1", static_cast<int>(4294967295u)));
    EXPECT_EQ(static_cast<int>(GetProfileInt("WINDOW", "LEFT", 0)), -250);
    EXPECT_EQ(GetProfileInt("HISCORES", "SCORE0", 0), 3000000000u);
    EXPECT_EQ(GetProfileInt("HISCORES", "SCORE1", 0), 4294967295u);
    EXPECT_NE(Contents().find("SCORE0=-1294967296\n"), std::string::npos);
}

TEST_F(ProfileTest, WriteChangesOneLineAndKeepsEverythingElse) {
    Put("; kept comment\n"
        "[SETTINGS]\n"
        "SOUND_ON=1\n"
        "MYSTERY=yes\n"
        "\n"
        "[WINDOW]\n"
        "LEFT=10\n");
    ASSERT_TRUE(WriteProfileInt("settings", "sound_on", 0));
    ASSERT_TRUE(WriteProfileInt("SETTINGS", "CLASSICAL", 1));
    ASSERT_TRUE(WriteProfileString("HISCORES", "PLAYER0", "Ace"));
    EXPECT_EQ(Contents(), "; kept comment\n"
                          "[SETTINGS]\n"
                          "sound_on=0\n"
                          "MYSTERY=yes\n"
                          "CLASSICAL=1\n"
                          "\n"
                          "[WINDOW]\n"
                          "LEFT=10\n"
                          "[HISCORES]\n"
                          "PLAYER0=Ace\n");
}

TEST_F(ProfileTest, FirstOfDuplicateKeysIsReadAndWritten) {
    Put("[S]\nK=1\nK=2\n");
    EXPECT_EQ(GetProfileInt("S", "K", 0), 1u);
    ASSERT_TRUE(WriteProfileInt("S", "K", 9));
    EXPECT_EQ(Contents(), "[S]\nK=9\nK=2\n");
    EXPECT_EQ(GetProfileInt("S", "K", 0), 9u);
}

TEST_F(ProfileTest, SectionsOfOneNameActAsOne) {
    Put("[S]\nA=1\n[T]\nB=2\n[s]\nC=3\n");
    EXPECT_EQ(GetProfileInt("S", "C", 0), 3u);
    EXPECT_EQ(GetProfileInt("S", "B", 0), 0u);
    ASSERT_TRUE(WriteProfileInt("S", "C", 4));
    ASSERT_TRUE(WriteProfileInt("S", "D", 5));
    EXPECT_EQ(Contents(), "[S]\nA=1\nD=5\n[T]\nB=2\n[s]\nC=4\n");
}

TEST_F(ProfileTest, FileWithoutFinalLineBreakIsExtendedCleanly) {
    Put("[A]\nX=1");
    ASSERT_TRUE(WriteProfileInt("A", "Y", 2));
    EXPECT_EQ(Contents(), "[A]\nX=1\nY=2\n");
    Put("[A]\nX=1");
    ASSERT_TRUE(WriteProfileInt("B", "Z", 3));
    EXPECT_EQ(Contents(), "[A]\nX=1\n[B]\nZ=3\n");
}

TEST_F(ProfileTest, LineBreaksInAValueCannotCorruptTheFile) {
    ASSERT_TRUE(WriteProfileString("HISCORES", "PLAYER0", "Eve\n[SETTINGS]\r\nSOUND_ON=0"));
    ASSERT_TRUE(WriteProfileString("HISCORES", "PLAYER1", "nul\0byte"s));
    EXPECT_EQ(GetProfileString("HISCORES", "PLAYER0"), "Eve [SETTINGS]  SOUND_ON=0");
    EXPECT_EQ(GetProfileString("HISCORES", "PLAYER1"), "nul byte");
    EXPECT_EQ(GetProfileInt("SETTINGS", "SOUND_ON", 1), 1u);
    EXPECT_EQ(Contents(), "[HISCORES]\nPLAYER0=Eve [SETTINGS]  SOUND_ON=0\nPLAYER1=nul byte\n");
}

TEST_F(ProfileTest, CrlfFileIsReadAndKeepsItsLineEnds) {
    Put("[S]\r\nA=1\r\nB = x \r\n");
    EXPECT_EQ(GetProfileInt("S", "A", 0), 1u);
    EXPECT_EQ(GetProfileString("S", "B"), "x");
    ASSERT_TRUE(WriteProfileInt("S", "A", 2));
    ASSERT_TRUE(WriteProfileInt("S", "C", 3));
    ASSERT_TRUE(WriteProfileInt("T", "D", 4));
    EXPECT_EQ(Contents(), "[S]\r\nA=2\r\nB = x \r\nC=3\r\n[T]\r\nD=4\r\n");
}

TEST_F(ProfileTest, ByteOrderMarkIsSkippedAndKept) {
    Put("\xEF\xBB\xBF[S]\nA=5\n");
    EXPECT_EQ(GetProfileInt("S", "A", 0), 5u);
    ASSERT_TRUE(WriteProfileInt("S", "A", 6));
    EXPECT_EQ(Contents(), "\xEF\xBB\xBF[S]\nA=6\n");
}

TEST_F(ProfileTest, LinesHoldingNulBytesAreNotText) {
    Put("[S]\nA=1\0\nB=2\n\0[T]\nC=3\n"s);
    EXPECT_EQ(GetProfileInt("S", "A", 7), 7u);
    EXPECT_EQ(GetProfileInt("S", "B", 7), 2u);
    EXPECT_EQ(GetProfileInt("S", "C", 7), 3u); // [T] was not a section line
}

TEST_F(ProfileTest, BinaryFileYieldsDefaultsAndSurvivesAWrite) {
    std::string garbage;
    std::uint32_t x = 12345;
    for (int i = 0; i < 200000; ++i) {
        x = x * 1103515245u + 12345u;
        garbage += static_cast<char>(x >> 24);
    }
    Put(garbage);
    EXPECT_EQ(GetProfileInt("SETTINGS", "SOUND_ON", 1), 1u);
    EXPECT_EQ(GetProfileString("HISCORES", "PLAYER0", "d"), "d");
    ASSERT_TRUE(WriteProfileString("HISCORES", "PLAYER0", "Ace"));
    EXPECT_EQ(GetProfileString("HISCORES", "PLAYER0"), "Ace");
    EXPECT_EQ(Contents().substr(0, garbage.size()), garbage);
}

TEST_F(ProfileTest, HugeFileIsReadOnlyInItsFirstMebibyteAndNotRewritten) {
    std::string text = "[S]\nA=1\n";
    while (text.size() < (3u << 20)) text += "filler=line of text to make it big\n";
    text += "[T]\nB=2\n";
    Put(text);
    EXPECT_EQ(GetProfileInt("S", "A", 0), 1u);
    EXPECT_EQ(GetProfileInt("T", "B", 9), 9u);
    EXPECT_FALSE(WriteProfileInt("S", "A", 5));
    EXPECT_EQ(Contents(), text);

    Put(std::string(3u << 20, 'a'));
    EXPECT_EQ(GetProfileString("S", "A", "d"), "d");
}

TEST_F(ProfileTest, UnwritableLocationReportsFailure) {
    Put("[S]\nA=1\n");
    SetProfilePath((m_file / "inside.INI").string()); // parent is a regular file
    EXPECT_FALSE(WriteProfileInt("S", "A", 2));
    EXPECT_EQ(GetProfileInt("S", "A", 4), 4u);

    fs::create_directory(m_dir / "dir.INI");
    SetProfilePath((m_dir / "dir.INI").string());
    EXPECT_FALSE(WriteProfileInt("S", "A", 2));
    EXPECT_TRUE(fs::is_directory(m_dir / "dir.INI"));
    EXPECT_EQ(Contents(), "[S]\nA=1\n");
}

TEST_F(ProfileTest, WriteThatFailsMidwayLeavesTheOldFileWhole) {
    const std::string old = "[HISCORES]\nPLAYER0=Ace\nSCORE0=120\n";
    Put(old);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool written = WriteProfileString("HISCORES", "PLAYER1", std::string(500, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(Contents(), old);
    EXPECT_EQ(DirEntries(), std::vector<std::string>{"marbix.INI"});
}

TEST_F(ProfileTest, WriteReplacesTheFileAtomicallyAndKeepsItsMode) {
    Put("[S]\nA=1\n");
    fs::permissions(m_file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    struct stat before {};
    ASSERT_EQ(stat(m_file.c_str(), &before), 0);
    ASSERT_TRUE(WriteProfileInt("S", "A", 1)); // nothing changes: the file is not touched
    struct stat same {};
    ASSERT_EQ(stat(m_file.c_str(), &same), 0);
    EXPECT_EQ(same.st_ino, before.st_ino);

    ASSERT_TRUE(WriteProfileInt("S", "A", 2));
    struct stat after {};
    ASSERT_EQ(stat(m_file.c_str(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino); // a new file renamed into place
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(DirEntries(), std::vector<std::string>{"marbix.INI"});
}

TEST_F(ProfileTest, WriteCreatesMissingDirectoriesAndFollowsSymbolicLinks) {
    fs::path deep = m_dir / "config" / "sub" / "marbix.INI";
    SetProfilePath(deep.string());
    ASSERT_TRUE(WriteProfileInt("SETTINGS", "CLASSICAL", 1));
    EXPECT_EQ(GetProfileInt("SETTINGS", "CLASSICAL", 0), 1u);

    fs::create_symlink(deep, m_dir / "link.INI");
    SetProfilePath((m_dir / "link.INI").string());
    ASSERT_TRUE(WriteProfileInt("SETTINGS", "CLASSICAL", 0));
    EXPECT_TRUE(fs::is_symlink(m_dir / "link.INI"));
    SetProfilePath(deep.string());
    EXPECT_EQ(GetProfileInt("SETTINGS", "CLASSICAL", 5), 0u);
}

class DefaultPathTest : public ::testing::Test {
protected:
    void SetUp() override {
        Save("XDG_CONFIG_HOME", m_xdg, m_hadXdg);
        Save("HOME", m_home, m_hadHome);
    }
    void TearDown() override {
        Restore("XDG_CONFIG_HOME", m_xdg, m_hadXdg);
        Restore("HOME", m_home, m_hadHome);
    }
    static void Save(const char* name, std::string& value, bool& had) {
        const char* v = std::getenv(name);
        had = v != nullptr;
        value = v ? v : "";
    }
    static void Restore(const char* name, const std::string& value, bool had) {
        if (had)
            setenv(name, value.c_str(), 1);
        else
            unsetenv(name);
    }
    std::string m_xdg, m_home;
    bool m_hadXdg = false, m_hadHome = false;
};

TEST_F(DefaultPathTest, NamedAfterTheExecutableInTheConfigDirectory) {
    setenv("XDG_CONFIG_HOME", "/srv/cfg", 1);
    EXPECT_EQ(DefaultProfilePath("/usr/games/marbix"), "/srv/cfg/marbix.INI");
    EXPECT_EQ(DefaultProfilePath("./build/tool.bin"), "/srv/cfg/tool.INI");
    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", "/home/pat", 1);
    EXPECT_EQ(DefaultProfilePath("marbix"), "/home/pat/.config/marbix.INI");
    setenv("XDG_CONFIG_HOME", "relative/dir", 1); // not absolute: ignored
    EXPECT_EQ(DefaultProfilePath("marbix"), "/home/pat/.config/marbix.INI");
    setenv("XDG_CONFIG_HOME", "", 1);
    EXPECT_EQ(DefaultProfilePath("marbix"), "/home/pat/.config/marbix.INI");
}

} // namespace
