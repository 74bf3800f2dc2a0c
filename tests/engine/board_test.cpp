#include <ctime>

#include "test_game.h"

TEST(Board, TheSeedComesFromTheClockCellClicksAreTheBoardsAndNothingIsDealtWithNoGame) {
    const auto before = static_cast<unsigned>(std::time(nullptr));
    const auto seed = static_cast<unsigned>(CFieldGame::ClockSeed());
    EXPECT_TRUE(seed >= before && seed <= static_cast<unsigned>(std::time(nullptr)));
    CTestGame game;
    EXPECT_EQ(game.m_field.OnCommand(CellCommandId(8, 8)), 1); // no game: swallowed
    EXPECT_EQ(game.m_field.DealBalls(0, 3), 0);                // and nothing dealt
    EXPECT_EQ(game.Count(Preview), 0);
    game.Play("1");
    for (long long param : {9999LL, 10081LL, -1LL, 0x10000LL + 10000, 4294967296LL + 10000})
        EXPECT_EQ(game.m_field.OnCommand(param), 0);
    EXPECT_EQ(std::tuple(game.m_cues.m_ids, game.Balls()), std::tuple(Cues{}, 1));
}

TEST(Cue, TheModuleRangeTheLowSixteenBitsAndTheColourKindsDecideWhatPlays) {
    ResetSettings();
    CCueRecorder cues;
    PlayCue(cues, 623); // no module loaded: from the platform
    static const int module = 0;
    g_soundModule = &module;
    for (unsigned id : {151u, 623u, 599u, 600u, 0x10000u + 136}) PlayCue(cues, id);
    g_soundModule = nullptr;
    CTestCell cell;
    cell.SetBall(5, Normal);
    for (int kind = -1; kind <= 5; ++kind) cell.PlayColourCue(cues, kind);
    g_soundOn = 0;
    PlayCue(cues, 136);
    g_soundOn = 1;
    EXPECT_EQ(cues.m_ids,
              (Cues{623, 151, kModule + 623, 599, kModule + 600, kModule + 136, 621, 622, 623}));
}

// A sink that comes late, as the program's sound service does: what is played
// before it is pointed at a player, or after it is pointed away, is dropped.
TEST(Cue, AForwarderPassesCuesOnOnlyWhilePointedAtAPlayer) {
    ResetSettings();
    CCueRecorder late;
    CCueForwarder sink;
    PlayCue(sink, Cue::GameStart);
    sink.ForwardTo(&late);
    PlayCue(sink, Cue::Undo);
    PlayCue(sink, 623);
    sink.ForwardTo(nullptr);
    PlayCue(sink, Cue::GameStop);
    EXPECT_EQ(late.m_ids, (Cues{unsigned(Cue::Undo), 623}));
}
