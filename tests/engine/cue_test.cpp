#include "test_game.h"

namespace {

TEST(Cue, SoundSwitchModuleRangeAndLowSixteenBitsDecideWhatPlays) {
    CCueRecorder cues;
    SetCuePlayer(&cues);
    g_soundModule = nullptr;
    g_soundOn = 0;
    PlayCue(136);
    EXPECT_TRUE(cues.m_ids.empty());
    g_soundOn = 1;
    PlayCue(623); // no module loaded: from the platform
    static const int module = 0;
    g_soundModule = &module;
    for (unsigned id : {151u, 623u, 599u, 600u, 0x10000u + 136}) PlayCue(id);
    EXPECT_EQ(cues.m_ids, (Cues{623, 151, 623, 599, 600, 136}));
    EXPECT_EQ(cues.m_fromModule, (std::vector<bool>{false, false, true, false, true, true}));
    SetCuePlayer(nullptr);
    g_soundModule = nullptr;
}

TEST(Cue, ColourCuesExistForKindsOneToThreeOnly) {
    CTestGame game;
    CPlainCell cell;
    cell.SetBall(5, Normal);
    for (int kind = -1; kind <= 5; ++kind) cell.PlayColourCue(kind);
    EXPECT_EQ(game.m_cues.m_ids, (Cues{621, 622, 623}));
    cell.SetBall(1, Preview);
    cell.PlayColourCue(1);
    EXPECT_EQ(game.m_cues.m_ids.back(), 605u);
}

} // namespace
