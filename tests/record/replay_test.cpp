// Games recorded as they are played and played again: every random game's
// record reproduces its score and board, an edited one does not, and a game
// that ends is stored where its hall-of-fame line finds it.
#include <random>

#include <gtest/gtest.h>

#include "app/replay.h"
#include "engine/settings.h"
#include "played_game.h"
#include "record/record_file.h"
#include "record/record_store.h"
#include "scratch.h"
#include "test_seed.h"

namespace {

class ReplayTest : public testing::Test {
protected:
    ReplayTest() {
        g_classical = 0;
        g_soundOn = 0;
        g_lastName.clear();
    }
    CVerifyResult Verify(const CGameRecord& record) { return VerifyRecord(m_host, record); }

    // Sends the last ball that moved to another free cell, as an edit by
    // hand would; false when no ball moved.
    bool MoveElsewhere(CGameRecord& record) {
        CReplay replay(m_host, record);
        const CFieldGame& field = m_host.Field();
        std::size_t last = record.actions.size();
        replay.Restart();
        for (std::size_t i = 0; i < record.actions.size(); ++i) {
            const bool selected = field.SelCol() != -1;
            replay.StepForward();
            if (selected && field.SelCol() == -1 &&
                record.actions[i].kind == CRecordedAction::Kind::Click &&
                HoldsBall(*field.Cell(record.actions[i].col, record.actions[i].row)))
                last = i;
        }
        if (last == record.actions.size()) return false;
        replay.Restart();
        while (replay.Position() < last) replay.StepForward();
        CRecordedAction& click = record.actions[last];
        for (int index = 0; index < kBoardCells; ++index) {
            const int col = IndexCol(index), row = IndexRow(index);
            if (IsFreeForMove(*field.Cell(col, row)) && (col != click.col || row != click.row)) {
                click.col = col;
                click.row = row;
                return true;
            }
        }
        return false;
    }
    CReplayGame m_host;
};

TEST_F(ReplayTest, EveryRandomGameReproducesAndAnEditedOneDoesNot) {
    const unsigned seed = TestSeed();
    CPlayedGame played(seed);
    int edits = 0, moves = 0;
    for (int n = 0; n < 150; ++n) {
        g_classical = n % 5 == 4;
        played.PlayOne("Player " + std::to_string(n % 3));
        ASSERT_TRUE(played.m_game.Recorder().HasRecord());
        CGameRecord record;
        std::string error;
        ASSERT_TRUE(ParseRecord(RecordText(played.m_game.Recorder().LastRecord()), record, error))
            << error;
        EXPECT_EQ(record.score, played.m_game.Score().Score());
        EXPECT_EQ(record.classical, g_classical != 0);
        g_classical = 0; // the replay takes the record's style, whatever the setting
        const CVerifyResult result = Verify(record);
        ASSERT_TRUE(result.reproduces) << "game " << n << ": " << result.failure;
        EXPECT_EQ(result.reachedScore, record.score);

        CGameRecord raised = record;
        ++raised.score;
        EXPECT_EQ(Verify(raised).failure,
                  "the game comes to " + std::to_string(record.score) + " points");
        if (MoveElsewhere(record)) {
            ++moves;
            edits += !Verify(record).reproduces;
        }
    }
    // A moved ball that ends on the same board and score is rare, not the rule.
    EXPECT_GE(edits * 100, moves * 85) << edits << " of " << moves << " moved balls found";
    EXPECT_GT(moves, 100);
}

TEST_F(ReplayTest, AnActionTheGameCannotTakeEndsTheReplay) {
    CPlayedGame played(TestSeed());
    do played.PlayOne("Ann");
    while (!played.BoardFull()); // a game over, not a Stop
    CGameRecord record = played.m_game.Recorder().LastRecord();
    record.actions.push_back({CRecordedAction::Kind::Skip, record.actions.back().ms, 0, 0});
    const std::string last = std::to_string(record.actions.size());
    EXPECT_EQ(Verify(record).failure, "action " + last + " cannot be taken");
    record.actions = {{CRecordedAction::Kind::Undo, 0, 0, 0}};
    EXPECT_EQ(Verify(record).failure, "action 1 cannot be taken");
    record.actions = {{CRecordedAction::Kind::Skip, 0, 0, 0}};
    record.classical = true;
    EXPECT_EQ(Verify(record).failure, "action 1 cannot be taken");
}

TEST_F(ReplayTest, RecordsTimesNamesAndTheEndOfTheGame) {
    CPlayedGame played(1);
    played.m_game.Field().SetSeed(7);
    played.m_ms = 1000;
    played.m_game.Frame().OnCommand(ID_GAME_START);
    played.m_ms = 1250;
    played.Click();
    played.m_ms = 1900;
    played.m_game.Frame().OnCommand(ID_GAME_SKIP);
    played.m_game.Frame().OnCommand(ID_GAME_UNDO);
    for (int i = 0; i < 31; ++i) played.m_game.Score().OnTimer(CScoreKeeper::kClockTimer);
    played.m_game.Frame().OnCommand(ID_GAME_UNDO);      // not possible after the clock ran out
    EXPECT_FALSE(played.m_game.Recorder().HasRecord()); // nothing before the end
    played.m_game.Recorder().EndUnfinishedGame();
    ASSERT_TRUE(played.m_game.Recorder().HasRecord());
    const CGameRecord& record = played.m_game.Recorder().LastRecord();
    using Kind = CRecordedAction::Kind;
    ASSERT_EQ(record.actions.size(), 4u);
    EXPECT_EQ(record.actions[0].kind, Kind::Click);
    EXPECT_EQ(record.actions[0].ms, 250);
    EXPECT_EQ(record.actions[1], (CRecordedAction{Kind::Skip, 900, 0, 0}));
    EXPECT_EQ(record.actions[2], (CRecordedAction{Kind::Undo, 900, 0, 0}));
    EXPECT_EQ(record.actions[3], (CRecordedAction{Kind::Expire, 900, 0, 0}));
    EXPECT_EQ(record.seed, 7);
    EXPECT_EQ(record.name, "");
    EXPECT_EQ(RecordedBoard(played.m_game.Field()), record.board);
    EXPECT_TRUE(Verify(record).reproduces);
}

// Without a folder a game is recorded all the same, and stored nowhere.
TEST_F(ReplayTest, AGameThatEndsIsStoredWhereItsHallLineFindsItAndNowhereWithoutAFolder) {
    CScratchFolder scratch;
    const std::string folder = scratch.m_dir + "/games";
    const CProfile profile(scratch.m_dir + "/marbix.INI");
    CPlayedGame unstored(TestSeed(), profile);
    unstored.PlayOne("Ann");
    EXPECT_TRUE(unstored.m_game.Recorder().HasRecord());
    for (const auto& entry : std::filesystem::recursive_directory_iterator(scratch.m_dir))
        EXPECT_EQ(entry.path().filename(), "marbix.INI");

    CPlayedGame played(TestSeed(), profile, folder);
    do played.PlayOne("Ann");
    while (played.m_game.Score().Score() == 0);
    const CGameRecord& record = played.m_game.Recorder().LastRecord();
    EXPECT_EQ(record.name, "Ann");
    const CHallLines hall = CGameRecorder::HallLines(played.m_game.Hall());
    ASSERT_FALSE(hall.empty());
    int line = 0;
    while (hall[line] != std::pair(std::string("Ann"), record.score)) ++line;
    const std::string path = CRecordStore(folder).RecordOf(hall, line);
    CGameRecord stored;
    std::string error;
    ASSERT_TRUE(ReadRecordFile(path, stored, error)) << error;
    EXPECT_EQ(stored, record);
}

} // namespace
