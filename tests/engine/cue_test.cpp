#include "test_game.h"

namespace {

struct CCueTest : ::testing::Test {
    void SetUp() override {
        SetCuePlayer(&m_cues);
        g_soundOn = 1;
        g_soundModule = nullptr;
    }
    void TearDown() override {
        SetCuePlayer(nullptr);
        g_soundModule = nullptr;
    }
    CCueRecorder m_cues;
};

TEST_F(CCueTest, SoundOffKeepsEveryCueFromThePlatform) {
    g_soundOn = 0;
    PlayCue(136);
    PlayCue(623);
    EXPECT_TRUE(m_cues.m_ids.empty());
    g_soundOn = 1;
    PlayCue(136);
    EXPECT_EQ(m_cues.m_ids, std::vector<unsigned>{136});
}

TEST_F(CCueTest, OnlyCuesFrom600ComeFromTheModuleAndOnlyWhenItIsLoaded) {
    PlayCue(623);
    static const int module = 0;
    g_soundModule = &module;
    PlayCue(151);
    PlayCue(623);
    PlayCue(599);
    PlayCue(600);
    EXPECT_EQ(m_cues.m_ids, (std::vector<unsigned>{623, 151, 623, 599, 600}));
    EXPECT_EQ(m_cues.m_fromModule, (std::vector<bool>{false, false, true, false, true}));
}

TEST_F(CCueTest, OnlyTheLowSixteenBitsNameTheSound) {
    static const int module = 0;
    g_soundModule = &module;
    PlayCue(0x10000u + 136);
    EXPECT_EQ(m_cues.m_ids, std::vector<unsigned>{136});
    EXPECT_EQ(m_cues.m_fromModule, std::vector<bool>{true}); // the whole id chose the module
}

TEST_F(CCueTest, ColourCuesExistForKindsOneToThreeOnly) {
    CPlainCell cell;
    cell.SetBall(5, Normal);
    for (int kind = -1; kind <= 5; ++kind) cell.PlayColourCue(kind);
    EXPECT_EQ(m_cues.m_ids, (std::vector<unsigned>{621, 622, 623}));
    cell.SetBall(1, Preview);
    cell.PlayColourCue(1);
    EXPECT_EQ(m_cues.m_ids.back(), 605u);
}

} // namespace
