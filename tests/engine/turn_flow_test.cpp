#include <string>

#include "test_game.h"

namespace {

using Cues = std::vector<unsigned>;

constexpr unsigned ColourCue(int colour, int kind) {
    return 600 + 4 * colour + kind;
}

// A board without any run, whose neighbours differ in every direction.
int Pattern(int col, int row) {
    return (3 * row + col) % 7 + 1;
}

void FillWithPattern(CTestGame& game) {
    for (int col = 0; col < 9; ++col)
        for (int row = 0; row < 9; ++row) game.At(col, row).SetBall(Pattern(col, row), Normal);
}

TEST(TurnFlow, ClicksWhileNoGameRunsAreSwallowedSilently) {
    CTestGame game;
    game.Load({"1........", ".........", ".........", ".........", ".........", ".........",
               ".........", ".........", "........."});
    const auto position = game.Position();
    EXPECT_EQ(game.m_field.OnCommand(CellId(0, 0)), 1);
    EXPECT_EQ(game.m_field.OnCommand(CellId(5, 5)), 1);
    EXPECT_EQ(game.Position(), position);
    EXPECT_EQ(game.m_field.m_selCol, -1);
    EXPECT_TRUE(game.m_cues.m_ids.empty());
}

TEST(TurnFlow, AFreeCellWithNothingSelectedOnlySoundsCue140) {
    CTestGame game;
    game.Play({"1........", ".a.......", ".........", ".........", ".........", ".........",
               ".........", ".........", "........."});
    const auto position = game.Position();
    game.m_field.OnCommand(CellId(4, 4));
    game.m_field.OnCommand(CellId(1, 1)); // a Preview is free, not a ball
    EXPECT_EQ(game.Position(), position);
    EXPECT_EQ(game.m_cues.m_ids, (Cues{140, 140}));
    EXPECT_EQ(game.m_frame.m_canUndo, 0);
}

TEST(TurnFlow, APassedOverBallStaysSadUntilSelectedAgain) {
    CTestGame game(99);
    game.Play({"1.......2", ".........", ".........", ".........", ".........", ".........",
               ".........", ".........", "........."});
    game.m_field.OnCommand(CellId(0, 0));
    game.m_field.OnCommand(CellId(8, 0));
    EXPECT_EQ(game.At(0, 0).m_state, Sad);
    EXPECT_EQ(game.At(8, 0).m_state, Selected);
    EXPECT_EQ(game.m_cues.m_ids, (Cues{ColourCue(1, 1), ColourCue(2, 1)}));

    game.m_field.OnCommand(CellId(8, 0)); // again: stays selected, cue again
    EXPECT_EQ(game.At(8, 0).m_state, Selected);
    EXPECT_EQ(game.m_cues.m_ids.back(), ColourCue(2, 1));

    game.m_field.OnCommand(CellId(8, 5)); // B moves, new balls come in
    EXPECT_EQ(game.At(8, 5).m_state, Normal);
    EXPECT_EQ(game.At(0, 0).m_state, Sad);
    EXPECT_EQ(game.Count(Selected), 0);
    EXPECT_EQ(game.Count(Preview), 3);

    game.m_field.OnCommand(CellId(0, 0));
    EXPECT_EQ(game.At(0, 0).m_state, Selected);
}

TEST(TurnFlow, ARefusedMoveKeepsSelectionAndUndoFlagButRetakesTheSnapshot) {
    CTestGame game(5);
    game.Play({"12.......", "2........", ".........", ".........", ".........", ".........",
               ".........", ".........", "........."});
    game.m_frame.m_canUndo = 1;
    game.m_field.OnCommand(CellId(0, 0));
    game.m_cues.m_ids.clear();
    const auto position = game.Position();
    game.m_field.OnCommand(CellId(6, 6));
    EXPECT_EQ(game.m_cues.m_ids, Cues{141});
    EXPECT_EQ(game.Position(), position);
    EXPECT_EQ(game.m_field.m_selCol, 0);
    EXPECT_EQ(game.m_field.m_selRow, 0);
    EXPECT_EQ(game.m_frame.m_canUndo, 1);
    EXPECT_EQ(game.m_field.m_undoState[0], Normal); // the Selected ball, recorded Normal
    EXPECT_EQ(game.m_field.m_undoColour[9], 2);

    game.m_frame.OnUndo(); // brings back the refused attempt's position
    EXPECT_EQ(game.At(0, 0).m_state, Normal);
    EXPECT_EQ(game.Balls(), 3);
    EXPECT_EQ(game.m_field.m_selCol, -1);
}

TEST(TurnFlow, AMoveThatCompletesARowKeepsTheAnnouncedBallsAndRestartsTheClock) {
    CTestGame game(7);
    game.Play({"1111c....", ".........", ".........", ".........", ".........", ".........",
               ".........", "........b", "....1...a"});
    game.m_scoreBar.StartMoveClock(30);
    game.Tick(5);
    EXPECT_EQ(game.m_scoreBar.m_secondsLeft, 25u);
    game.m_field.OnCommand(CellId(4, 8));
    game.m_field.OnCommand(CellId(4, 0)); // onto the announced ball there
    EXPECT_EQ(game.m_cues.m_ids, (Cues{ColourCue(1, 1), ColourCue(1, 2), ColourCue(1, 3)}));
    EXPECT_EQ(game.m_scoreBar.m_score, 10u);
    EXPECT_EQ(game.Balls(), 0);
    EXPECT_EQ(game.Count(Preview), 3); // two stood, one topped up
    EXPECT_EQ(game.At(8, 8).m_state, Preview);
    EXPECT_EQ(game.At(8, 7).m_state, Preview);
    EXPECT_EQ(game.m_scoreBar.m_secondsLeft, 30u);
    EXPECT_TRUE(game.ClockRunning());
    EXPECT_EQ(game.m_frame.m_canUndo, 1);
    EXPECT_EQ(game.m_field.m_selCol, -1);
}

TEST(TurnFlow, AMoveThatCompletesNothingBringsTheAnnouncedBallsIn) {
    CTestGame game(11);
    game.Play({"1........", ".........", "....a....", ".........", "......b..", ".........",
               ".........", "..c......", "........."});
    game.m_field.OnCommand(CellId(0, 0));
    game.m_field.OnCommand(CellId(0, 8));
    EXPECT_EQ(game.m_cues.m_ids, (Cues{ColourCue(1, 1), ColourCue(1, 2)}));
    EXPECT_EQ(game.At(4, 2).m_colour, 1);
    EXPECT_EQ(game.At(4, 2).m_state, Normal);
    EXPECT_EQ(game.At(6, 4).m_state, Normal);
    EXPECT_EQ(game.At(2, 7).m_colour, 3);
    EXPECT_EQ(game.At(2, 7).m_state, Normal);
    EXPECT_EQ(game.Balls(), 4);
    EXPECT_EQ(game.Count(Preview), 3);
    EXPECT_EQ(game.m_scoreBar.m_secondsLeft, 30u);
    EXPECT_TRUE(game.ClockRunning());
}

TEST(TurnFlow, PromotedBallsThatCompleteARowAreRemovedAndScored) {
    CTestGame game(13);
    game.Play({"4444d....", ".........", ".........", ".........", ".........", ".........",
               ".........", ".........", "2........"});
    game.m_field.OnCommand(CellId(0, 8));
    game.m_field.OnCommand(CellId(1, 8));
    EXPECT_EQ(game.m_scoreBar.m_score, 10u);
    EXPECT_EQ(game.m_cues.m_ids, (Cues{ColourCue(2, 1), ColourCue(2, 2), ColourCue(4, 3)}));
    EXPECT_EQ(game.Balls(), 3); // the moved ball and the two topped-up ones
    EXPECT_EQ(game.Count(Preview), 3);
}

// Every cell filled, three of them announced; the ball at (0,0) moves onto
// the announced ball at (1,0).
void FillForTheLastMove(CTestGame& game) {
    FillWithPattern(game);
    for (auto [col, row] : {std::pair{1, 0}, {5, 4}, {8, 8}})
        game.At(col, row).SetBall(Pattern(col, row), Preview);
}

TEST(TurnFlow, AMoveThatLeavesNoRoomEndsTheGame) {
    CTestGame game(17);
    game.Play(kEmptyBoard);
    FillForTheLastMove(game);
    game.m_scoreBar.StartMoveClock(30);
    game.m_field.OnCommand(CellId(0, 0));
    game.m_field.OnCommand(CellId(1, 0));
    EXPECT_EQ(game.m_cues.m_ids, (Cues{ColourCue(1, 1), ColourCue(1, 2), 137}));
    EXPECT_EQ(game.m_field.m_active, 0);
    EXPECT_EQ(game.m_frame.m_running, 0);
    EXPECT_EQ(game.m_frame.m_canStart, 1);
    EXPECT_EQ(game.m_frame.m_canUndo, 0);
    EXPECT_FALSE(game.m_frame.IsEnabled(ID_GAME_UNDO));
    EXPECT_FALSE(game.ClockRunning());
    EXPECT_EQ(game.Balls(), 81);
}

TEST(TurnFlow, OneEmptyCellLeftKeepsTheGameGoingWithOneAnnouncedBall) {
    CTestGame game(19);
    game.Play(kEmptyBoard);
    FillForTheLastMove(game);
    game.At(7, 2).SetBall(0, Normal);
    game.m_field.OnCommand(CellId(0, 0));
    game.m_field.OnCommand(CellId(1, 0));
    EXPECT_EQ(game.m_field.m_active, 1);
    EXPECT_EQ(game.Count(Preview), 1);
    EXPECT_EQ(game.Balls(), 80);
    EXPECT_EQ(game.m_scoreBar.m_secondsLeft, 30u);
    EXPECT_TRUE(game.ClockRunning());
}

TEST(TurnFlow, SkipThenUndoRestoresBoardScoreAndSeedAndSkipDealsTheSameAgain) {
    CTestGame game(2024);
    game.m_frame.OnStart();
    game.m_field.OnCommand(CellId(0, 0)); // whatever is there
    game.m_scoreBar.m_score = 14;
    auto before = game.Position();
    for (auto& cell : before)
        if (cell.second == Selected) cell.second = Normal;
    const int seed = game.m_field.m_seed;
    game.m_cues.m_ids.clear();

    ASSERT_TRUE(game.m_frame.OnCommand(ID_GAME_SKIP));
    EXPECT_EQ(game.m_cues.m_ids.front(), 175u);
    EXPECT_EQ(game.m_frame.m_canUndo, 1);
    EXPECT_EQ(game.m_field.m_selCol, -1);
    const auto skipped = game.Position();
    const int skippedSeed = game.m_field.m_seed;
    const unsigned skippedScore = game.m_scoreBar.m_score;

    ASSERT_TRUE(game.m_frame.OnCommand(ID_GAME_UNDO));
    EXPECT_EQ(game.m_cues.m_ids.back(), 151u);
    EXPECT_EQ(game.Position(), before);
    EXPECT_EQ(game.m_scoreBar.m_score, 14u);
    EXPECT_EQ(game.m_field.m_seed, seed);
    EXPECT_EQ(game.m_frame.m_canUndo, 0);
    EXPECT_FALSE(game.m_frame.OnCommand(ID_GAME_UNDO));

    ASSERT_TRUE(game.m_frame.OnCommand(ID_GAME_SKIP));
    EXPECT_EQ(game.Position(), skipped);
    EXPECT_EQ(game.m_field.m_seed, skippedSeed);
    EXPECT_EQ(game.m_scoreBar.m_score, skippedScore);
}

TEST(TurnFlow, ExpiryPromotesTheAnnouncedBallsAndDisablesUndo) {
    CTestGame game(3);
    game.m_frame.OnStart();
    game.m_frame.OnSkip();
    EXPECT_TRUE(game.m_frame.IsEnabled(ID_GAME_UNDO));
    const int balls = game.Balls();
    game.m_cues.m_ids.clear();
    game.Tick(30);
    EXPECT_EQ(game.m_scoreBar.m_secondsLeft, 0u);
    EXPECT_TRUE(game.m_cues.m_ids.empty());
    game.Tick();
    ASSERT_FALSE(game.m_cues.m_ids.empty());
    EXPECT_EQ(game.m_cues.m_ids.front(), 147u);
    EXPECT_EQ(game.m_frame.m_canUndo, 0);
    EXPECT_FALSE(game.m_frame.IsEnabled(ID_GAME_UNDO));
    EXPECT_EQ(game.Balls(), balls + 3);
    EXPECT_EQ(game.m_scoreBar.m_secondsLeft, 30u);
    EXPECT_TRUE(game.ClockRunning());
}

TEST(TurnFlow, UndoClearsTheSelectionAndShowsTheBallAsItWas) {
    CTestGame game(8);
    game.Play({"1.......2", "3........", ".........", ".........", ".........", ".........",
               ".........", ".........", "........."});
    game.m_field.OnCommand(CellId(0, 0));
    game.m_field.OnCommand(CellId(8, 0)); // (0,0) Sad, (8,0) Selected
    game.m_field.OnCommand(CellId(8, 4)); // moves
    game.m_field.OnCommand(CellId(0, 1)); // select another
    game.m_frame.OnUndo();
    EXPECT_EQ(game.m_field.m_selCol, -1);
    EXPECT_EQ(game.m_field.m_selRow, -1);
    EXPECT_EQ(game.Count(Selected), 0);
    EXPECT_EQ(game.At(0, 0).m_state, Sad);
    EXPECT_EQ(game.At(8, 0).m_colour, 2);
    EXPECT_EQ(game.At(8, 0).m_state, Normal);
    EXPECT_EQ(game.At(8, 4).m_colour, 0);
    EXPECT_EQ(game.At(0, 1).m_state, Normal);
}

TEST(TurnFlow, ClassicalStyleIgnoresSkipAndLetsTheClockStandAtZero) {
    CTestGame game(21);
    g_classical = 1;
    game.m_frame.OnStart();
    const auto position = game.Position();
    EXPECT_FALSE(game.m_frame.OnCommand(ID_GAME_SKIP));
    game.m_field.SkipMove(0);
    game.m_cues.m_ids.clear();
    game.Tick(31);
    EXPECT_EQ(game.Position(), position);
    EXPECT_TRUE(game.m_cues.m_ids.empty());
    EXPECT_FALSE(game.ClockRunning());
    EXPECT_EQ(game.m_scoreBar.m_secondsLeft, 0u);
}

// Records the display hooks and what the score panel sees at the end.
struct CLookRecorder : CFieldGame {
    using CFieldGame::CFieldGame;
    void BeginPlayingLook() override { m_log += "begin;"; }
    void RevealCell(int index) override {
        const CCell& cell = *m_cells[index];
        m_log += (cell.m_colour == 0 && cell.m_state == Normal) ? "" : "dirty;";
        ++m_revealed;
        m_lastRevealed = index;
    }
    void EndPlayingLook() override { m_log += "end;"; }
    void ShowStoppedLook() override { m_log += "stopped;"; }
    std::string m_log;
    int m_revealed = 0;
    int m_lastRevealed = -1;
};

struct CEndRecorder : CScoreKeeper {
    void EndGame() override {
        m_log += "endgame(active=" + std::to_string(m_field->m_active) +
                 ",clock=" + (m_timersHost->IsRunning(1) ? "on" : "off") + ");";
        if (m_look) m_look->m_log += "endgame;";
    }
    CFieldGame* m_field = nullptr;
    CManualTimers* m_timersHost = nullptr;
    CLookRecorder* m_look = nullptr;
    std::string m_log;
};

TEST(TurnFlow, StartAndStopRunTheirStepsInOrder) {
    CTestGame parts;
    CLookRecorder field(1);
    CEndRecorder panel;
    CGameFlags flags;
    for (int i = 0; i < 81; ++i) field.m_cells[i] = &parts.m_cells[i];
    field.m_scoreBar = &panel;
    field.m_frame = &flags;
    panel.Attach(&field, &parts.m_panelTimers);
    panel.m_field = &field;
    panel.m_timersHost = &parts.m_panelTimers;
    panel.m_look = &field;
    parts.Load({"1........", ".........", ".........", ".........", ".........", ".........",
                ".........", ".........", "......b.."});

    field.StartGame();
    EXPECT_EQ(field.m_log, "begin;end;");
    EXPECT_EQ(field.m_revealed, 81);
    EXPECT_EQ(field.m_lastRevealed, 80);
    EXPECT_EQ(parts.m_cues.m_ids, Cues{136});
    EXPECT_EQ(parts.Count(Normal), 3);
    EXPECT_EQ(parts.Count(Preview), 3);
    EXPECT_EQ(field.m_seed, 22609);
    EXPECT_EQ(flags.m_running, 1);
    EXPECT_EQ(flags.m_canStart, 0);
    EXPECT_EQ(field.m_active, 1);
    EXPECT_EQ(panel.m_secondsLeft, 30u);
    EXPECT_TRUE(parts.ClockRunning());

    field.OnCommand(CellId(5, 8));
    const auto position = parts.Position();
    field.m_log.clear();
    field.StopGame();
    EXPECT_EQ(field.m_log, "endgame;stopped;");
    EXPECT_EQ(panel.m_log, "endgame(active=0,clock=off);");
    EXPECT_EQ(parts.m_cues.m_ids.back(), 137u);
    EXPECT_EQ(parts.Position(), position); // Stop changes no cell
    EXPECT_EQ(field.m_selCol, 5);
    EXPECT_EQ(field.m_selRow, 8);
    EXPECT_EQ(flags.m_canStart, 1);
    EXPECT_EQ(flags.m_running, 0);
}

} // namespace
