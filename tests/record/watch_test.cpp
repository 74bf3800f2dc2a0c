// Watching recorded games in the main window, offscreen: a hall-of-fame line
// plays its game to the board and score it ended on, the keys step, pause and
// end it, nothing is stored meanwhile; a game the window closes on is recorded.
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "app/main_frame.h"
#include "engine/settings.h"
#include "played_game.h"
#include "record/record_file.h"
#include "record/record_store.h"
#include "scratch.h"
#include "test_seed.h"

namespace {

namespace fs = std::filesystem;

class WatchTest : public TempProfileTest {
protected:
    void SetUp() override {
        TempProfileTest::SetUp();
        g_classical = g_soundOn = 0;
        g_lastName.clear();
        CPlayedGame played(TestSeed());
        do played.PlayOne("Ann");
        while (played.m_game.Score().Score() == 0 || !played.BoardFull());
        m_record = played.m_game.Recorder().LastRecord();
        std::string error;
        const CHallLines hall = {{"Ann", m_record.score}, {"Bob", 1}};
        ASSERT_TRUE(CRecordStore(m_games).Store(m_record, hall, error)) << error;
        StoreHall(hall);
        m_frame = std::make_unique<CMainFrame>(m_profile, m_games);
        ASSERT_TRUE(m_frame->LoadFrame());
        m_frame->resize(900, 650);
        m_frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_frame.get()));
        m_pane = m_frame->findChild<QLabel*>(QStringLiteral("messagePane"));
        ASSERT_NE(m_pane, nullptr);
        m_idle = m_pane->text();
    }

    CWatcher& Watcher() { return m_frame->Watching().Watcher(); }
    QListWidget* List() { return m_frame->m_wndScoreBar.m_list; }
    bool PaneStarts(const std::string& text) const { return Pane().starts_with(text); }
    std::string Pane() const { return m_pane->text().toStdString(); }
    void Key(int key) { QTest::keyClick(m_frame.get(), static_cast<Qt::Key>(key)); }
    void ActivateLine(int line) {
        QListWidget* list = List();
        list->setFocus();
        list->setCurrentRow(line);
        QTest::keyClick(list, Qt::Key_Return);
    }
    // The board on screen as a record writes it.
    std::string ShownBoard() {
        std::string board;
        for (int i = 0; i < kSide * kSide; ++i) { // row by row
            const CCell& cell = *m_frame->m_wndField.Cells()[CellIndex(i % kSide, i / kSide)];
            board += BoardChar(cell.m_colour, cell.m_state == Preview);
        }
        return board;
    }
    auto StoredFiles() const { return std::distance(fs::directory_iterator(m_games), {}); }

    std::string m_games = m_dir + "/games";
    CGameRecord m_record;
    std::unique_ptr<CMainFrame> m_frame;
    QLabel* m_pane = nullptr;
    QString m_idle;
};

TEST_F(WatchTest, AHallLinePlaysItsGameToTheBoardItEndedOn) {
    const std::string profile = Contents();
    const std::string points = std::to_string(m_record.score) + " points";
    QListWidget* list = List();
    const QPoint bob = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, bob);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, bob);
    EXPECT_EQ(Pane(), "There is no recorded game for this line of the hall of fame.");
    EXPECT_FALSE(Watcher().Watching());

    ActivateLine(0);
    ASSERT_TRUE(Watcher().Watching());
    EXPECT_TRUE(PaneStarts("Watching the game of Ann, " + points + ", at 100 %. Space pauses"))
        << Pane();
    Key(Qt::Key_Space);
    EXPECT_TRUE(PaneStarts("Paused: the game of Ann, " + points)) << Pane();
    Key(Qt::Key_Plus);
    EXPECT_EQ(Watcher().Pace().SpeedPercent(), 200);
    for (int key : {Qt::Key_Minus, Qt::Key_Minus}) Key(key);
    EXPECT_EQ(Watcher().Pace().SpeedPercent(), 50);
    while (!Watcher().Replay()->AtEnd()) Key(Qt::Key_Right);
    EXPECT_EQ(std::tuple(ShownBoard(), m_frame->m_wndScoreBar.m_scoreEdit->text().toStdString(),
                         m_frame->m_wndField.m_cellButtons[0].isVisibleTo(&m_frame->m_wndField),
                         PaneStarts("End of the game of Ann, " + points)),
              std::tuple(m_record.board, std::to_string(m_record.score), true, true))
        << Pane();
    // A step back plays the game again to the action before.
    Key(Qt::Key_Left);
    EXPECT_EQ(Watcher().Replay()->Position(), m_record.actions.size() - 1);
    Key(Qt::Key_Right);
    EXPECT_EQ(ShownBoard(), m_record.board);
    Key(Qt::Key_Escape);
    EXPECT_FALSE(Watcher().Watching());
    EXPECT_EQ(m_pane->text(), m_idle);
    // Watching is not a game: nothing stored, the hall as it was.
    EXPECT_EQ(std::tuple(StoredFiles(), Contents(), list->count()), std::tuple(1, profile, 2));
}

// Playing a record back at its pace is the real-window test's; here what
// cannot be watched is told, and Start ends the watching.
TEST_F(WatchTest, WhatCannotBeWatchedIsToldAndStartEndsTheWatching) {
    CGameRecord raised = m_record;
    raised.score += 2;
    std::string error;
    const std::string path = m_dir + "/raised.marbix-game";
    ASSERT_TRUE(WriteRecordFile(path, raised, error)) << error;
    ASSERT_TRUE(Watcher().WatchFile(QString::fromStdString(path)));
    while (!Watcher().Replay()->AtEnd()) Key(Qt::Key_Right);
    EXPECT_EQ(Pane(), "This game does not reproduce its recorded score of " +
                          std::to_string(raised.score) +
                          " points. Escape or Start ends the watching.");
    EXPECT_TRUE(m_frame->Dispatch(ID_GAME_START));
    EXPECT_EQ(std::pair(Watcher().Watching(), bool(m_frame->Game().Frame().Running())),
              std::pair(false, true));
    ActivateLine(0);
    EXPECT_EQ(Pane(), "Stop the game to watch a recorded one.");
    EXPECT_FALSE(Watcher().WatchFile(QString::fromStdString(m_dir)));
    EXPECT_EQ(Pane(), "This file cannot be watched: " + m_dir + ": Is a directory");
    EXPECT_FALSE(Watcher().Watching());
}

// A line's game is saved where the player names it, the suffix added; the
// name offered is the player's and the score.
TEST_F(WatchTest, ALineIsSavedWhereThePlayerNamesIt) {
    QString offered;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        answer.stop();
        offered = dialog->selectedFiles().value(0);
        dialog->selectFile(QString::fromStdString(m_dir + "/shared"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    answer.start(10);
    m_frame->Watching().SaveLine(0);
    EXPECT_TRUE(offered.endsWith(QStringLiteral("/Ann-%1.marbix-game").arg(m_record.score)))
        << offered.toStdString();
    CGameRecord saved;
    std::string error;
    ASSERT_TRUE(ReadRecordFile(m_dir + "/shared.marbix-game", saved, error)) << error;
    EXPECT_EQ(saved, m_record);
}

TEST_F(WatchTest, AGameTheWindowClosesOnIsRecorded) {
    m_frame->Dispatch(ID_GAME_START);
    m_frame->Game().Field().OnCommand(CellCommandId(4, 4));
    m_frame->close();
    ASSERT_EQ(StoredFiles(), 2);
    EXPECT_EQ(CRecordStore(m_games).Games().back().name, "");
}

} // namespace
