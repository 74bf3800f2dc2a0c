// Epigraphs, settings and window placement, without a display.
#include "app/app_settings.h"
#include "app/epigraph.h"
#include "app/placement.h"
#include "engine/settings.h"
#include "platform/string_table.h"

#include "scratch.h"

#include <algorithm>
#include <set>
#include <vector>

using ProfileTest = TempProfileTest;

// Eighteen different texts, then the cycle turns at the first missing one.
TEST(Epigraph, TheCycleTurnsAtTheFirstMissingString) {
    g_nextEpigraph = kFirstEpigraph;
    std::vector<std::string> shown;
    for (int opening = 0; opening < 20; ++opening) shown.push_back(TakeNextEpigraph());
    EXPECT_EQ(std::tuple(shown[17], shown[18], shown[19], g_nextEpigraph),
              std::tuple(std::string("Enjoying yourself ?"), shown[0], shown[1], 2002));
    EXPECT_EQ(std::set<std::string>(shown.begin(), shown.end()).size(), 18u);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), std::string()), 0);
}

// Without a file: the defaults, the same as a reset gives, and on saving
// every key in the table's order.
TEST_F(ProfileTest, AFirstStartReadsTheDefaultsAndWritesEveryKeyInOrder) {
    const auto flags = [] {
        return std::vector{g_classical, g_soundOn, g_saveOnExit, g_roundBalls};
    };
    g_classical = g_soundOn = g_saveOnExit = g_roundBalls = 5;
    LoadSettings(m_profile);
    EXPECT_EQ(flags(), (std::vector{0, 1, 1, 1}));
    g_classical = g_soundOn = g_saveOnExit = g_roundBalls = 5;
    ResetSettings();
    EXPECT_EQ(flags(), (std::vector{0, 1, 1, 1}));
    EXPECT_TRUE(SaveSettings(m_profile));
    EXPECT_EQ(Contents(), "[SETTINGS]\nCLASSICAL=0\nSOUND_ON=1\nSAVE_ON_EXIT=1\nROUND_BALLS=1\n");
}

TEST_F(ProfileTest, SettingsWrittenOnlyWhileSavingIsOn) {
    Put("[SETTINGS]\nCLASSICAL=7\nSOUND_ON=0\nROUND_BALLS=0\n");
    LoadSettings(m_profile);
    EXPECT_EQ((std::vector{g_classical, g_soundOn, g_saveOnExit, g_roundBalls}),
              (std::vector{7, 0, 1, 0}));

    // A stored 7 goes back as 7.
    g_soundOn = 1;
    EXPECT_TRUE(SaveSettings(m_profile));
    EXPECT_EQ(Contents(), "[SETTINGS]\nCLASSICAL=7\nSOUND_ON=1\nROUND_BALLS=0\nSAVE_ON_EXIT=1\n");

    // Switched off: the file keeps what it had, SAVE_ON_EXIT=1 included.
    const std::string before = Contents();
    g_saveOnExit = 0;
    g_classical = 0;
    EXPECT_FALSE(SaveSettings(m_profile));
    const CPlacement moved{{1, 2, 300, 400}, 0};
    EXPECT_FALSE(SavePlacement(m_profile, moved));
    EXPECT_EQ(Contents(), before);

    // A file that cannot be written is told on standard error, once per save.
    std::filesystem::permissions(m_file, std::filesystem::perms::owner_read);
    g_saveOnExit = 1;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(SaveSettings(m_profile) || SavePlacement(m_profile, moved));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "app_core_test: the settings could not be saved: " + m_file +
                  ": Permission denied\napp_core_test: the window placement could not be saved: " +
                  m_file + ": Permission denied\n");
}

TEST_F(ProfileTest, HostileSizesFallBackToTheDefaultAndAFrameOffEveryScreenIsMovedOntoOne) {
    Put("[WINDOW]\nX=-20\nY=30\nWIDTH=0\nHEIGHT=99999999\nSTATE=0\n");
    EXPECT_EQ(ReadPlacement(m_profile), (CPlacement{{-20, 30, 500, 500}, 0}));
    Put("[WINDOW]\nWIDTH=-640\nHEIGHT=480\n");
    EXPECT_EQ(ReadPlacement(m_profile), (CPlacement{{0, 0, 500, 480}, 1}));

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
