// Epigraphs, settings and window placement, without a display.
#include "app/app_settings.h"
#include "app/epigraph.h"
#include "app/placement.h"
#include "app/zoom.h"
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
    std::vector<std::string> shown(20);
    for (std::string& text : shown) text = TakeNextEpigraph();
    EXPECT_EQ(std::tuple(shown[17], shown[18], shown[19], g_nextEpigraph),
              std::tuple(std::string("Enjoying yourself ?"), shown[0], shown[1], 2002));
    EXPECT_EQ(std::set<std::string>(shown.begin(), shown.end()).size(), 18u);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), std::string()), 0);
}

// Without a file: the defaults, the same as a reset gives, and on saving
// every key in the table's order but the zoom, which the player never changed.
TEST_F(ProfileTest, AFirstStartReadsTheDefaultsAndWritesEveryKeyInOrder) {
    const auto flags = [] {
        return std::vector{g_classical, g_soundOn, g_saveOnExit, g_roundBalls, g_zoom};
    };
    g_classical = g_soundOn = g_saveOnExit = g_roundBalls = g_zoom = 5;
    LoadSettings(m_profile);
    EXPECT_EQ(flags(), (std::vector{0, 1, 1, 1, 10}));
    g_classical = g_soundOn = g_saveOnExit = g_roundBalls = g_zoom = 5;
    ResetSettings();
    EXPECT_EQ(flags(), (std::vector{0, 1, 1, 1, 10}));
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

// The steps go by halves; one that would not fit is passed over, in and out.
TEST(Zoom, StepsThatDoNotFitAreSkipped) {
    const auto all = [](int) { return true; };
    const auto notTwo = [](int zoom) { return zoom != 20; };
    const auto upToOneAndAHalf = [](int zoom) { return zoom <= 15; };
    std::vector<int> in = {kZoomOne};
    while (ZoomedIn(in.back(), all) != in.back()) in.push_back(ZoomedIn(in.back(), all));
    EXPECT_EQ(in, (std::vector<int>{10, 15, 20, 25, 30}));
    EXPECT_EQ(std::vector<int>(ZoomSteps().begin(), ZoomSteps().end()), in);
    EXPECT_EQ(std::tuple(ZoomedIn(15, notTwo), ZoomedOut(25, notTwo), ZoomedOut(30, all)),
              std::tuple(25, 15, 25));
    EXPECT_EQ(std::tuple(ZoomedIn(15, upToOneAndAHalf), ZoomedOut(10, all), ZoomedOut(15, all)),
              std::tuple(15, 10, 10));
    // A stored zoom larger than the screen holds comes back as the largest that fits.
    EXPECT_EQ(std::tuple(FittingZoom(30, upToOneAndAHalf), FittingZoom(25, notTwo),
                         FittingZoom(20, [](int) { return false; })),
              std::tuple(15, 25, 10));
}

// ZOOM goes back and forth once the player zoomed, and then stays, also at
// 1×; a stored value that is no step shows the board as drawn.
TEST_F(ProfileTest, TheZoomIsKeptOnceThePlayerZoomed) {
    const std::string old = "[SETTINGS]\nCLASSICAL=0\nSOUND_ON=1\nSAVE_ON_EXIT=1\nROUND_BALLS=1\n";
    Put(old);
    LoadSettings(m_profile);
    EXPECT_EQ(std::pair(g_zoom, ReadZoom(m_profile)), std::pair(kZoomOne, kZoomOne));
    g_zoom = 25;
    EXPECT_TRUE(SaveSettings(m_profile));
    EXPECT_EQ(Contents(), old + "ZOOM=25\n");
    EXPECT_EQ(ReadZoom(m_profile), 25);
    g_zoom = kZoomOne;
    EXPECT_TRUE(SaveSettings(m_profile));
    EXPECT_EQ(Contents(), old + "ZOOM=10\n");
    for (const char* stored : {"0", "12", "-15", "35", "300", "x"}) {
        Put(std::string("[SETTINGS]\nZOOM=") + stored + "\n");
        EXPECT_EQ(ReadZoom(m_profile), kZoomOne) << stored;
    }
    Put("[SETTINGS]\nZOOM=15\n");
    EXPECT_EQ(ReadZoom(m_profile), 15);
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
