#include <ctime>

#include "test_game.h"

namespace {

TEST(Board, CellIdentifiersRunRowByRowWhileStorageRunsColumnByColumn) {
    struct {
        int id, col, row;
    } cases[] = {{10000, 0, 0}, {10008, 8, 0}, {10009, 0, 1}, {10001, 1, 0}, {10080, 8, 8}};
    for (const auto& c : cases) {
        CTestGame game;
        game.Play(kEmptyBoard);
        game.At(c.col, c.row).SetBall(3, Normal);
        EXPECT_EQ(game.m_field.OnCommand(c.id), 1);
        EXPECT_EQ(game.m_field.m_selCol, c.col) << c.id;
        EXPECT_EQ(game.m_field.m_selRow, c.row) << c.id;
        EXPECT_EQ(game.m_cells[9 * c.col + c.row].m_state, Selected) << c.id;
        EXPECT_EQ(game.Count(Selected), 1);
    }
}

TEST(Board, CommandsOutsideTheCellsGoToTheFrameworkAndChangeNothing) {
    struct CCountingField : CFieldGame {
        using CFieldGame::CFieldGame;
        int DefaultCommand(long long param) override {
            m_last = param;
            return 7;
        }
        long long m_last = 0;
    } field(1);
    CTestGame game;
    for (int i = 0; i < 81; ++i) field.m_cells[i] = &game.m_cells[i];
    field.m_scoreBar = &game.m_scoreBar;
    field.m_frame = &game.m_frame;
    field.m_active = 1;
    game.Load(kEmptyBoard);
    for (long long param : {9999LL, 10081LL, -1LL, 0x10000LL + 10000, 4294967296LL + 10000}) {
        EXPECT_EQ(field.OnCommand(param), 7);
        EXPECT_EQ(field.m_last, param);
    }
    EXPECT_TRUE(game.m_cues.m_ids.empty());
    EXPECT_EQ(game.Balls(), 0);
}

TEST(Board, SaveUndoRecordsSelectedAsNormalAndKeepsSadAndPreview) {
    CTestGame game;
    game.Play({"1A.......", "b........", ".........", ".........", ".........", ".........",
               ".........", ".........", "........."});
    game.At(0, 0).SetBall(1, Selected);
    game.m_scoreBar.m_score = 12;
    game.m_field.m_seed = 4321;
    game.m_field.SaveUndo();
    EXPECT_EQ(game.m_field.m_undoColour[0], 1);
    EXPECT_EQ(game.m_field.m_undoState[0], Normal);
    EXPECT_EQ(game.m_field.m_undoColour[9], 1);
    EXPECT_EQ(game.m_field.m_undoState[9], Sad);
    EXPECT_EQ(game.m_field.m_undoColour[1], 2);
    EXPECT_EQ(game.m_field.m_undoState[1], Preview);
    EXPECT_EQ(game.m_field.m_undoSeed, 4321);
    EXPECT_EQ(game.m_scoreBar.m_savedScore, 12u);

    // A second snapshot replaces the first entirely.
    game.Load(kEmptyBoard);
    game.At(4, 4).SetBall(5, Sad);
    game.m_scoreBar.m_score = 40;
    game.m_field.m_seed = 99;
    game.m_field.SaveUndo();
    EXPECT_EQ(game.m_field.m_undoColour[0], 0);
    EXPECT_EQ(game.m_field.m_undoState[0], Normal);
    EXPECT_EQ(game.m_field.m_undoColour[40], 5);
    EXPECT_EQ(game.m_field.m_undoState[40], Sad);
    EXPECT_EQ(game.m_field.m_undoSeed, 99);
    EXPECT_EQ(game.m_scoreBar.m_savedScore, 40u);
}

TEST(Board, ConstructionTakesTheSeedFromTheClockAndNewGamesContinueTheChain) {
    const auto before = static_cast<unsigned>(std::time(nullptr));
    CFieldGame field;
    const auto after = static_cast<unsigned>(std::time(nullptr));
    const auto seed = static_cast<unsigned>(field.m_seed);
    EXPECT_GE(seed, before);
    EXPECT_LE(seed, after);
    EXPECT_EQ(field.m_active, 0);

    CTestGame first(777);
    first.m_frame.OnStart();
    first.m_frame.OnStop();
    const int chained = first.m_field.m_seed;
    first.m_frame.OnStart();

    CTestGame fresh(chained);
    fresh.m_frame.OnStart();
    EXPECT_EQ(first.Position(), fresh.Position());
    EXPECT_EQ(first.m_field.m_seed, fresh.m_field.m_seed);
}

} // namespace
