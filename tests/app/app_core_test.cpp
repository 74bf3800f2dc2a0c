// Epigraphs, settings and window placement, without a display.
#include "app/app_settings.h"
#include "app/epigraph.h"
#include "app/placement.h"
#include "engine/settings.h"
#include "platform/profile.h"
#include "platform/string_table.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

class ProfileTest : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/marbix-app-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
        m_file = m_dir + "/marbix.INI";
        SetProfilePath(m_file);
        g_classical = g_soundOn = g_saveOnExit = g_roundBalls = 0;
    }
    void TearDown() override {
        SetProfilePath("");
        std::filesystem::remove_all(m_dir);
    }
    void Write(const std::string& text) { std::ofstream(m_file) << text; }
    std::string Read() const {
        std::stringstream all;
        all << std::ifstream(m_file).rdbuf();
        return all.str();
    }

    std::string m_dir, m_file;
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

} // namespace

TEST(Epigraph, CycleTurnsAtTheFirstMissingString) {
    g_nextEpigraph = kFirstEpigraph;
    std::vector<std::string> shown;
    for (int opening = 1; opening <= 20; ++opening) shown.push_back(TakeNextEpigraph());
    EXPECT_EQ((std::vector{shown[0], shown[1], shown[17], shown[18], shown[19]}),
              (std::vector{LoadString(2000), LoadString(2001), std::string("Enjoying yourself ?"),
                           LoadString(2000), LoadString(2001)}));
    EXPECT_EQ(g_nextEpigraph, 2002);
    // Eighteen different texts, no empty one.
    for (int i = 0; i < 18; ++i) {
        EXPECT_FALSE(shown[i].empty()) << i;
        for (int j = 0; j < i; ++j) EXPECT_NE(shown[i], shown[j]) << i << " " << j;
    }
}

TEST(Epigraph, EveryTextKeepsTheForm) {
    int endingInBreak = 0;
    for (unsigned id = 2000; id <= 2017; ++id) {
        const std::string text = LoadString(id);
        const std::vector<std::string> lines = Lines(text);
        EXPECT_TRUE(lines.size() == 1 || lines.size() == 2) << id;
        for (const std::string& line : lines) EXPECT_LE(line.size(), 47u) << id << ": " << line;
        if (!text.empty() && text.back() == '\n') ++endingInBreak;
    }
    EXPECT_EQ(endingInBreak, 3);
    EXPECT_EQ(LoadString(2018), "");
}

TEST_F(ProfileTest, SettingsWrittenOnlyWhileSavingIsOn) {
    Write("[SETTINGS]\nCLASSICAL=7\nSOUND_ON=0\nROUND_BALLS=0\n");
    LoadSettings();
    EXPECT_EQ((std::vector{g_classical, g_soundOn, g_saveOnExit, g_roundBalls}),
              (std::vector{7, 0, 1, 0}));

    // A stored 7 goes back as 7.
    g_soundOn = 1;
    EXPECT_TRUE(SaveSettings());
    EXPECT_EQ(Read(), "[SETTINGS]\nCLASSICAL=7\nSOUND_ON=1\nROUND_BALLS=0\nSAVE_ON_EXIT=1\n");

    // Switched off: the file keeps what it had, SAVE_ON_EXIT=1 included.
    const std::string before = Read();
    g_saveOnExit = 0;
    g_classical = 0;
    EXPECT_FALSE(SaveSettings());
    CPlacement moved{{1, 2, 300, 400}, 0};
    EXPECT_FALSE(SavePlacement(moved));
    EXPECT_EQ(Read(), before);
    LoadSettings();
    EXPECT_EQ(std::pair(g_saveOnExit, g_classical), std::pair(1, 7));

    // A file that cannot be written is told on standard error, once per save.
    std::filesystem::permissions(m_file, std::filesystem::perms::owner_read);
    g_saveOnExit = 1;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(SaveSettings() || SavePlacement(moved));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "app_core_test: the settings could not be saved: " + m_file +
                  ": Permission denied\napp_core_test: the window placement could not be saved: " +
                  m_file + ": Permission denied\n");
}

TEST_F(ProfileTest, HostileSizesFallBackToTheDefault) {
    Write("[WINDOW]\nX=-20\nY=30\nWIDTH=0\nHEIGHT=99999999\nSTATE=0\n");
    EXPECT_EQ(ReadPlacement(), (CPlacement{{-20, 30, 500, 500}, 0}));
    Write("[WINDOW]\nWIDTH=-640\nHEIGHT=480\n");
    EXPECT_EQ(ReadPlacement(), (CPlacement{{0, 0, 500, 480}, 1}));
}

TEST(Placement, AFrameWhoseTitleBarIsOffEveryScreenIsMovedOntoOne) {
    const std::vector<CWindowRect> screens{{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
    // The top edge on a screen, if only in part: kept as it is.
    for (CWindowRect kept : {CWindowRect{100, 50, 640, 480}, CWindowRect{2500, 900, 640, 480},
                             CWindowRect{-630, 1079, 640, 480}})
        EXPECT_EQ(KeepOnScreens(kept, screens), kept);
    // Above the screen it meets, or wholly outside: moved in, size kept.
    EXPECT_EQ(KeepOnScreens({-1, -20, 607, 506}, screens), (CWindowRect{0, 0, 607, 506}));
    EXPECT_EQ(KeepOnScreens({2000, -5, 640, 480}, screens), (CWindowRect{2000, 0, 640, 480}));
    EXPECT_EQ(KeepOnScreens({-640, 0, 640, 480}, screens), (CWindowRect{0, 0, 640, 480}));
    EXPECT_EQ(KeepOnScreens({5000, 5000, 640, 480}, std::vector<CWindowRect>{{1920, 0, 800, 600}}),
              (CWindowRect{2080, 120, 640, 480}));
}
