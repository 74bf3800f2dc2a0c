#include <ctime>

#include "test_game.h"

namespace {

TEST(Board, CellIdentifiersRunRowByRowWhileStorageRunsColumnByColumn) {
    for (auto [id, col, row] :
         {std::array{10000, 0, 0}, {10008, 8, 0}, {10009, 0, 1}, {10080, 8, 8}}) {
        CTestGame game;
        game.Play();
        game.At(col, row).SetBall(3, Normal);
        EXPECT_EQ(game.m_field.OnCommand(id), 1);
        EXPECT_EQ(game.m_field.m_selCol, col) << id;
        EXPECT_EQ(game.m_field.m_selRow, row) << id;
        EXPECT_EQ(game.m_cells[9 * col + row].m_state, Selected) << id;
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
    game.Wire(field, &game.m_scoreBar, &game.m_frame);
    field.m_active = 1;
    for (long long param : {9999LL, 10081LL, -1LL, 0x10000LL + 10000, 4294967296LL + 10000}) {
        EXPECT_EQ(field.OnCommand(param), 7);
        EXPECT_EQ(field.m_last, param);
    }
    EXPECT_TRUE(game.m_cues.m_ids.empty());
    EXPECT_EQ(game.Balls(), 0);
}

TEST(Board, SaveUndoRecordsSelectedAsNormalAndKeepsSadAndPreview) {
    CTestGame game;
    game.Play("1A/b");
    game.At(0, 0).SetBall(1, Selected);
    game.m_scoreBar.m_score = 12;
    game.m_field.m_seed = 4321;
    game.m_field.SaveUndo();
    const std::pair<int, int> expected[] = {{0, 1}, {9, 1}, {1, 2}};
    const int states[] = {Normal, Sad, Preview};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(game.m_field.m_undoColour[expected[i].first], expected[i].second);
        EXPECT_EQ(game.m_field.m_undoState[expected[i].first], states[i]);
    }
    EXPECT_EQ(game.m_field.m_undoSeed, 4321);
    EXPECT_EQ(game.m_scoreBar.m_savedScore, 12u);

    game.Load("/////////"); // a second snapshot replaces the first entirely
    game.m_field.SaveUndo();
    EXPECT_EQ(game.m_field.m_undoColour[0], 0);
    EXPECT_EQ(game.m_field.m_undoState[9], Normal);
}

TEST(Board, ConstructionTakesTheSeedFromTheClockAndNewGamesContinueTheChain) {
    const auto before = static_cast<unsigned>(std::time(nullptr));
    CFieldGame field;
    EXPECT_GE(static_cast<unsigned>(field.m_seed), before);
    EXPECT_LE(static_cast<unsigned>(field.m_seed), static_cast<unsigned>(std::time(nullptr)));
    EXPECT_EQ(field.m_active, 0);

    CTestGame first(777);
    first.m_frame.OnStart();
    first.m_frame.OnStop();
    CTestGame fresh(first.m_field.m_seed);
    first.m_frame.OnStart();
    fresh.m_frame.OnStart();
    EXPECT_EQ(first.Position(), fresh.Position());
    EXPECT_EQ(first.m_field.m_seed, fresh.m_field.m_seed);
}

} // namespace
