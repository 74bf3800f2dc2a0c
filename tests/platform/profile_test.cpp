#include "platform/profile.h"

#include <cstdint>
#include <map>
#include <random>
#include <vector>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "scratch.h"
#include "test_seed.h"

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

class ProfileTest : public TempProfileTest {
protected:
    using S = const std::string&;
    unsigned Int(S section, S key, int def) const {
        return m_profile.Read().GetInt(section, key, def);
    }
    std::string String(S section, S key, S def = "") const {
        return m_profile.Read().GetString(section, key, def);
    }
    bool Write(S section, S key, S value) {
        return m_profile.Edit([&](CProfileFile& file) { file.WriteString(section, key, value); });
    }
};

TEST_F(ProfileTest, LineBreaksAndNulsInAValueBecomeBlanks) {
    for (const auto& [written, read] :
         {std::pair("Eve\n[SETTINGS]\r\nSOUND_ON=0"s, "Eve [SETTINGS]  SOUND_ON=0"s),
          std::pair("nul\0byte"s, "nul byte"s)}) {
        ASSERT_TRUE(Write("S", "K", written));
        EXPECT_EQ(String("S", "K"), read);
    }
    EXPECT_EQ(Int("SETTINGS", "SOUND_ON", 1), 1u); // no section was smuggled in
}

TEST_F(ProfileTest, AHandWrittenFileFollowsTheReadingRulesAndWhatIsMissingYieldsTheDefault) {
    EXPECT_EQ(Int("S", "K", -40), static_cast<unsigned>(-40)); // no file
    std::string failure;
    EXPECT_EQ(CProfile().Read().GetInt("S", "K", 4), 4u); // no path
    EXPECT_FALSE(CProfile().Edit([](CProfileFile&) {}, &failure));
    EXPECT_EQ(failure, "no profile file");
    testing::internal::CaptureStderr(); // said once where the file was looked for
    EXPECT_FALSE(CProfile().EditOrTell("settings", [](CProfileFile&) {}));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    Put("; my settings\nTOP=1\n[ settings ]\n  sound_on  =  0  \nClassical\t=\t7\nCLASSICAL=3\n"
        "junk without equals\n=9\nname = \"  inner blanks  \"\nhalf=\"open\nempty=\n"
        "[Other]\nROUND_BALLS=0\n[T]\nB=2\n[SETTINGS]\nLATE=5\n");
    // The first of duplicates wins; sections of one name act as one.
    const std::pair<const char*, unsigned> ints[] = {
        {"SOUND_ON", 0}, {"CLASSICAL", 7}, {"EMPTY", 0}, {"ROUND_BALLS", 9},
        {"TOP", 9},      {"B", 9},         {"LATE", 5}};
    for (const auto& [key, value] : ints) EXPECT_EQ(Int("SETTINGS", key, 9), value) << key;
    EXPECT_EQ((std::vector{String("SETTINGS", "NAME"), String("SETTINGS", "half"),
                           String("SETTINGS", "EMPTY", "x"), String("SETTINGS", "", "d")}),
              (std::vector<std::string>{"  inner blanks  ", "\"open", "", "d"}));
}

TEST_F(ProfileTest, IntegersAreAMinusAndTheDigitsThatFollowModulo2To32) {
    Put("[N]\nA=-12\nB=42abc\nC=abc\nD=+5\nE=- 5\nF=4294967295\nG=4294967296\n"
        "H=99999999999999999999999\nI=\"17\"\nJ=-\nK=007\n");
    const CProfileFile file = m_profile.Read();
    std::vector<unsigned> read;
    for (const char* key : {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K"})
        read.push_back(file.GetInt("N", key, 1));
    EXPECT_EQ(read, (std::vector<unsigned>{0xFFFFFFF4u, 42, 0, 0, 0, 0xFFFFFFFFu, 0, 4135583743u,
                                           17, 0, 7}));
}

TEST_F(ProfileTest, AnEditChangesItsLinesAndKeepsEveryOtherByte) {
    Put("; kept comment\n[SETTINGS]\nSOUND_ON=1\nSOUND_ON=2\nMYSTERY=yes\n\n[WINDOW]\nLEFT=10\n"
        "[settings]\nCLASSICAL=0\n[Z]\nX=1");
    ASSERT_TRUE(m_profile.Edit([](CProfileFile& file) {
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
    Put("\xEF\xBB\xBF[S]\r\nA=1\r\nB = x \r\n"); // line ends and byte order mark are kept
    EXPECT_EQ(String("S", "B"), "x");
    ASSERT_TRUE(Write("S", "A", "2") && Write("S", "C", "3") && Write("T", "D", "4"));
    EXPECT_EQ(Contents(), "\xEF\xBB\xBF[S]\r\nA=2\r\nB = x \r\nC=3\r\n[T]\r\nD=4\r\n");
}

// Files of lines ending in LF, CRLF, a lone CR or nothing take a few writes of
// values full of blanks, quotes and the file's own syntax.
TEST(ProfileText, WhateverTheLinesEndWithWhatIsWrittenReadsBackAndTheRestAsItWas) {
    const unsigned seed = TestSeed();
    SCOPED_TRACE("MARBIX_SEED=" + std::to_string(seed));
    std::mt19937 random(seed);
    auto any = [&random](const auto& list) {
        return list[std::uniform_int_distribution<std::size_t>(0, list.size() - 1)(random)];
    };
    const std::vector<std::string> lines = {"[HISCORES]",  "[settings]", "[Other]", "PLAYER0=Ace",
                                            "Score0 = 50", "K=\"q\"",    "; K=1",   "",
                                            " ",           "junk"};
    const std::vector<std::string> ends = {"\n", "\r\n", "\r", "\r", ""};
    const std::vector<std::string> sections = {"HISCORES", "SETTINGS", "OTHER", "NEW"};
    const std::vector<std::string> keys = {"PLAYER0", "SCORE0", "K", "X"};
    const std::vector<std::string> values = {
        "1",          "Bob",           "",           "a=b=c",     "semi;colon",
        "[HISCORES]", "say \"hi\" x",  "Zo\xC3\xAB", "=",         ";",
        "[",          "x\"",           "\"y",        "-unknown-", "  padded  ",
        "\"q\"",      "\"\"twice\"\"", " ",          "\""};
    for (int run = 0; run < 3000; ++run) {
        std::string text = run == 0 ? "[HISCORES]\nPLAYER0=Ace\nSCORE0=50\r" : "";
        for (int n = run == 0 ? 0 : int(random() % 8); n > 0; --n) text += any(lines) + any(ends);
        CProfileFile file(text);
        std::map<std::pair<std::string, std::string>, std::string> expected;
        for (const std::string& section : sections)
            for (const std::string& key : keys)
                expected[{section, key}] = file.GetString(section, key, "none");
        for (int n = 1 + int(random() % 3); n > 0; --n) {
            const std::string section = any(sections), key = any(keys), value = any(values);
            file.WriteString(section, key, value);
            expected[{section, key}] = value;
        }
        const CProfileFile again(file.Text());
        for (const auto& [at, value] : expected)
            ASSERT_EQ(again.GetString(at.first, at.second, "none"), value)
                << at.first << '/' << at.second << " in " << testing::PrintToString(file.Text());
    }
}

// A file that no writer of ours made is set aside whole, never truncated or
// kept as a trap; a fresh profile holds what could be read of it.
TEST_F(ProfileTest, DamagedFilesAreSetAsideAndTheWriterKeepsUnderTheCap) {
    std::string garbage(200000, 0);
    std::generate(garbage.begin(), garbage.end(), std::minstd_rand(12345));
    garbage += "\n[S]\nA=1\0\nB=2\nB=3\n[T]\nC=3\n"s;
    std::string huge = "[T]\nC=3\n[S]\nB=2\n";
    while (huge.size() < (3u << 20)) huge += "filler=line of text to make it big\n";
    huge += "[S]\nA=1\n";
    for (const auto& [text, what, aside] : {std::tuple(garbage, "binary data", ".damaged"),
                                            std::tuple(huge, "over 1 MiB", ".damaged-2")}) {
        Put(text);
        testing::internal::CaptureStderr();
        const CProfileFile file = m_profile.Read();
        const std::string kept = m_file + aside;
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "profile_tests: " + m_file + " could not be read whole (" + what +
                      "); it is kept as " + kept + " and a fresh profile is started\n");
        EXPECT_EQ((std::vector{file.GetInt("S", "A", 7), file.GetInt("S", "B", 7),
                               file.GetInt("T", "C", 7), Int("S", "B", 7)}),
                  (std::vector{7u, 2u, 3u, 2u}));
        EXPECT_TRUE(Contents(kept) == text);
        EXPECT_EQ(Contents().find('\0'), std::string::npos);
    }
    EXPECT_EQ(Contents(), "[T]\nC=3\n[S]\nB=2\nfiller=line of text to make it big\n");
    std::string failure;
    EXPECT_FALSE(m_profile.Edit(
        [](CProfileFile& file) { file.WriteString("S", "K", std::string(1u << 20, 'x')); },
        &failure));
    EXPECT_EQ(failure, m_file + ": File too large");
}

// Foreign sections fill the file to just under the cap: the save that would
// take it over starts a fresh file of the program's own sections.
TEST_F(ProfileTest, AFileAnEditWouldTakeOverTheCapIsKeptAsideAndOurSectionsGoOn) {
    const std::string ours = "[HISCORES]\nPLAYER0=Ace\nSCORE0=50\n[settings]\nSOUND_ON=0\n";
    std::string text = ours + "[FOREIGN]\n";
    while (text.size() < CProfileFile::kMaxSize - 200) text += "filler=line of text\n";
    text += "[WINDOW]\nX=5\n";
    Put(text);
    const std::string name(400, 'B');
    testing::internal::CaptureStderr();
    std::string failure;
    EXPECT_TRUE(m_profile.Edit(
        [&name](CProfileFile& file) {
            file.WriteString("HISCORES", "PLAYER1", name);
            file.WriteInt("HISCORES", "SCORE1", 40);
        },
        &failure))
        << failure;
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "profile_tests: " + m_file + " would grow over 1 MiB; it is kept as " + m_file +
                  ".damaged and a fresh profile of this program's sections is started\n");
    EXPECT_TRUE(Contents(m_file + ".damaged") == text);
    EXPECT_EQ(Contents(), "[HISCORES]\nPLAYER0=Ace\nSCORE0=50\nPLAYER1=" + name +
                              "\nSCORE1=40\n[settings]\nSOUND_ON=0\n[WINDOW]\nX=5\n");
    ASSERT_TRUE(Write("HISCORES", "PLAYER2", "Cy")); // an ordinary edit again
    EXPECT_EQ(String("HISCORES", "PLAYER2"), "Cy");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), {}), 2);
}

TEST_F(ProfileTest, AnEditReplacesTheFileWholeKeepingItsModeAndFollowingLinks) {
    auto inode = [this] {
        struct stat st {};
        return stat(m_file.c_str(), &st) == 0 ? st.st_ino : 0;
    };
    Put("[S]\nA=1\n");
    fs::permissions(m_file, fs::perms(0640));
    const ino_t before = inode();
    ASSERT_TRUE(Write("S", "A", "1")); // nothing changes: the file is not touched
    EXPECT_EQ(inode(), before);
    ASSERT_TRUE(Write("S", "A", "2"));
    EXPECT_NE(inode(), before); // a new file renamed into place
    EXPECT_EQ(fs::status(m_file).permissions() & fs::perms::mask, fs::perms(0640));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), {}), 1);

    const std::string deep = m_dir + "/config/sub/marbix.INI", link = m_dir + "/link.INI";
    fs::create_symlink(deep, link);
    m_profile = CProfile(deep);
    ASSERT_TRUE(Write("SETTINGS", "CLASSICAL", "1")); // folders made on the way
    m_profile = CProfile(link);
    ASSERT_TRUE(Write("SETTINGS", "CLASSICAL", "0"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Contents(deep), "[SETTINGS]\nCLASSICAL=0\n");
}

// A link in a folder that others can write may have been put there by one of
// them: an edit follows it only where no one but the player (or the folder's
// owner, in a sticky folder) could have made it, and opens nothing outside.
TEST_F(ProfileTest, ALinkIsFollowedOnlyWhereNoOtherUserCouldHavePlantedIt) {
    if (geteuid() != 0) GTEST_SKIP() << "giving a link to another user needs root";
    constexpr uid_t kOther = 65534;
    const std::string victim = m_dir + "/victim.txt", shared = m_dir + "/shared";
    const std::string link = shared + "/marbix.INI";
    fs::create_directory(shared);
    fs::create_symlink(victim, link);
    const std::string refused = link + ": Permission denied (a symbolic link of another user)";
    using Case = std::tuple<mode_t, uid_t, uid_t, bool>; // folder's mode and owner, link's owner
    for (const auto& [mode, folderOwner, linkOwner, followed] :
         {Case{01777, 0, kOther, false}, Case{01777, kOther, kOther, true},
          Case{01777, kOther, 0, true}, Case{0777, 0, kOther, false}, Case{0775, 0, kOther, false},
          Case{0755, 0, kOther, true}, Case{0755, kOther, kOther, false}}) {
        const std::string text = "[S]\nK=secret\n";
        CScratchFolder::Write("victim.txt", text);
        ASSERT_EQ(chown(shared.c_str(), folderOwner, 0) | chmod(shared.c_str(), mode) |
                      lchown(link.c_str(), linkOwner, 0),
                  0);
        const CProfile profile(link);
        std::string failure, why;
        const bool saved =
            profile.Edit([](CProfileFile& file) { file.WriteInt("S", "K", 1); }, &failure);
        SCOPED_TRACE(testing::Message() << std::oct << mode << std::dec << " " << folderOwner << " "
                                        << linkOwner << " " << failure);
        EXPECT_EQ(std::tuple(saved, profile.Writable(&why), profile.Read().GetString("S", "K")),
                  std::tuple(followed, followed, followed ? "1"s : ""s));
        if (followed) continue;
        EXPECT_EQ(std::pair(failure, why), std::pair(refused, refused));
        EXPECT_TRUE(Contents(victim) == text && fs::is_symlink(link));
        EXPECT_EQ(std::distance(fs::directory_iterator(shared), {}), 1);
    }
    // A binary file behind the link is not taken for a damaged profile and
    // moved aside; a planted lock is not followed either.
    ASSERT_EQ(chown(shared.c_str(), 0, 0) | chmod(shared.c_str(), 01777), 0);
    const std::string binary = "\x7F" + "ELF\0\1\2"s;
    CScratchFolder::Write("victim.txt", binary);
    testing::internal::CaptureStderr();
    EXPECT_EQ(CProfile(link).Read().GetString("S", "K", "none"), "none");
    EXPECT_EQ(std::pair(testing::internal::GetCapturedStderr(), Contents(victim)),
              std::pair(""s, binary));
    fs::remove(link);
    CScratchFolder::Write("shared/marbix.INI", "[S]\nK=2\n"s);
    fs::create_symlink(victim, link + ".lock");
    ASSERT_EQ(lchown((link + ".lock").c_str(), kOther, 0), 0);
    EXPECT_FALSE(CProfile(link).Edit([](CProfileFile& file) { file.WriteInt("S", "K", 3); }));
    EXPECT_EQ(Contents(victim), binary);
}

// Last: it changes the environment of the process.
TEST(DefaultPath, NamedAfterTheExecutableInTheConfigDirectory) {
    setenv("XDG_CONFIG_HOME", "/srv/cfg", 1);
    EXPECT_EQ(DefaultProfilePath("/usr/games/marbix"), "/srv/cfg/marbix.INI");
    EXPECT_EQ(DefaultProfilePath("./build/tool.bin"), "/srv/cfg/tool.INI");
    setenv("HOME", "/home/pat", 1);
    for (const char* ignored : {"relative/dir", "", static_cast<const char*>(nullptr)}) {
        ignored ? setenv("XDG_CONFIG_HOME", ignored, 1) : unsetenv("XDG_CONFIG_HOME");
        EXPECT_EQ(DefaultProfilePath("marbix"), "/home/pat/.config/marbix.INI");
    }
    unsetenv("HOME"); // the home folder of the password database
    const passwd* me = getpwuid(getuid());
    ASSERT_NE(me, nullptr);
    EXPECT_EQ(DefaultProfilePath("marbix"), std::string(me->pw_dir) + "/.config/marbix.INI");
}

// Never the current folder: without a home folder there is no profile, and
// standard error says so.
TEST(DefaultPath, WithoutAHomeFolderThereIsNone) {
    constexpr uid_t kNobodyKnown = 54321;
    if (geteuid() != 0 || getpwuid(kNobodyKnown))
        GTEST_SKIP() << "needs root and a user id without a password entry";
    EXPECT_EXIT(
        {
            unsetenv("HOME");
            unsetenv("XDG_CONFIG_HOME");
            _exit(setuid(kNobodyKnown) == 0 && DefaultProfilePath("marbix").empty() ? 0 : 1);
        },
        testing::ExitedWithCode(0),
        "^profile_tests: no home folder \\(HOME is not set and user 54321 has no entry in the "
        "password database\\): settings and results are kept for this run only\n$");
}

} // namespace
