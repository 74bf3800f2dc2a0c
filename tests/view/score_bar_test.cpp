// The score panel: its fields, the move clock on its timer, the hall of fame
// lines as a game scores, and its layout in the fixed-pitch face.
#include "view_fixture.h"

#include "platform/dialog_units.h"

#include <QDockWidget>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>

namespace {

QString TimeText(CMainFrame& frame) {
    return frame.m_wndScoreBar.m_timeEdit->text();
}

QStringList Lines(const QListWidget& list) {
    QStringList lines;
    for (int i = 0; i < list.count(); ++i) lines << list.item(i)->text();
    return lines;
}

int Balls(CFieldWnd& field) {
    int n = 0;
    for (const CCellButton& cell : field.m_cellButtons) n += HoldsBall(cell) ? 1 : 0;
    return n;
}

void WriteHall(const CProfile& profile, const std::vector<std::pair<std::string, int>>& entries) {
    profile.Edit([&entries](CProfileFile& file) {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            file.WriteString("HISCORES", "PLAYER" + std::to_string(i), entries[i].first);
            file.WriteInt("HISCORES", "SCORE" + std::to_string(i), entries[i].second);
        }
    });
}

} // namespace

using ScoreBarTest = ViewTest;

TEST_F(ScoreBarTest, MoveClockShowsThirtyAndExpiresOnTheThirtyFirstTick) {
    auto frame = MakeFrame();
    CScoreBar& bar = frame->m_wndScoreBar;
    EXPECT_EQ(bar.m_scoreEdit->text() + TimeText(*frame), "00");
    Start(*frame);
    EXPECT_EQ(TimeText(*frame), "30");
    EXPECT_TRUE(frame->m_clockTimer.IsRunning(CScoreKeeper::kClockTimer));
    const int balls = Balls(frame->m_wndField);
    for (int tick = 1; tick <= 30; ++tick) frame->Game().Score().OnTimer(CScoreKeeper::kClockTimer);
    EXPECT_EQ(TimeText(*frame), "0");
    EXPECT_EQ(Balls(frame->m_wndField), balls);
    frame->Game().Score().OnTimer(CScoreKeeper::kClockTimer);
    // The move was skipped: the announced balls came in and the clock restarted.
    EXPECT_EQ(Balls(frame->m_wndField), balls + 3);
    EXPECT_EQ(TimeText(*frame), "30");
}

TEST_F(ScoreBarTest, ClockFieldsAreOffInClassicalStyle) {
    auto frame = MakeFrame();
    for (int classical : {1, 0}) {
        g_classical = classical;
        Start(*frame);
        EXPECT_EQ(frame->m_wndScoreBar.m_timeEdit->isEnabled() +
                      frame->m_wndScoreBar.m_timeLabel->isEnabled(),
                  2 * !classical);
        ASSERT_TRUE(frame->Dispatch(ID_GAME_STOP));
    }
}

TEST_F(ScoreBarTest, LiveEntryClimbsTheListAsTheGameScores) {
    WriteHall(Profile(), {{"Ace", 40}, {"Bolt", 12}, {"Cid", 8}, {"Dot", 2}});
    auto frame = MakeFrame();
    const QListWidget& list = *frame->m_wndScoreBar.m_list;
    EXPECT_EQ(Lines(list), QStringList({" 1  Ace               40", " 2  Bolt              12",
                                        " 3  Cid               8", " 4  Dot               2"}));
    EXPECT_EQ(list.selectedItems().size(), 0);
    Start(*frame);
    EXPECT_EQ(Lines(list).last(), " 5  <<<--- you --->>> 0");
    EXPECT_EQ(list.selectedItems(), QList{list.item(4)});
    EXPECT_EQ(list.currentRow(), 4);

    // Four reds in column 0, the fifth brought in from the right: 10 points.
    Lay(*frame, {"3........", "3........", "3........", "3........", ".3.......", ".........",
                 ".........", "......a.b", "........c"});
    Click(*frame, 1, 4);
    Click(*frame, 0, 4);
    EXPECT_EQ(frame->m_wndScoreBar.m_scoreEdit->text(), "10");
    EXPECT_EQ(Lines(list).mid(2, 2),
              QStringList({" 3  <<<--- you --->>> 10", " 4  Cid               8"}));
    EXPECT_EQ(list.selectedItems(), QList{list.item(2)});
    EXPECT_EQ(list.currentRow(), 2);
}

TEST_F(ScoreBarTest, SelectedLineIsScrolledIntoViewAndTheBarAlwaysThere) {
    std::vector<std::pair<std::string, int>> full;
    for (int i = 0; i < 20; ++i) full.push_back({"P" + std::to_string(i + 1), 200 - 10 * i});
    WriteHall(Profile(), full);
    auto frame = MakeFrame();
    QListWidget& list = *frame->m_wndScoreBar.m_list;
    EXPECT_TRUE(list.verticalScrollBar()->isVisible());
    Start(*frame);
    ASSERT_EQ(list.count(), 21);
    EXPECT_EQ(list.currentRow(), 20);
    const QRect line = list.visualItemRect(list.item(20));
    EXPECT_TRUE(list.viewport()->rect().contains(line)) << "line 21 out of view";
}

TEST_F(ScoreBarTest, PanelIsLaidOutInDialogUnitsOfTheFixedPitchFace) {
    WriteHall(Profile(), {{"Ace", 12345}}); // a line with a five-digit score, checked below
    auto frame = MakeFrame();
    CScoreBar& bar = frame->m_wndScoreBar;
    const QFontInfo face(bar.font());
    EXPECT_EQ(face.family(), "Liberation Mono");
    EXPECT_TRUE(face.fixedPitch());
    const QFontMetrics metrics(bar.m_list->font());
    EXPECT_EQ(metrics.horizontalAdvance(" 1  Ace               40"),
              metrics.horizontalAdvance(" 2  <<<--- you --->>> 12"));
    const CDialogUnits du(bar.font());
    EXPECT_EQ(bar.size(), QSize(du.X(142), du.Y(167)));
    EXPECT_EQ(bar.m_list->geometry(), du.Rect(10, 46, 120, 59));
    EXPECT_EQ(bar.m_timeEdit->geometry(), du.Rect(105, 15, 25, 12));
    // A line with a five-digit score fits whole.
    EXPECT_LE(bar.m_list->sizeHintForColumn(0), bar.m_list->viewport()->width());
    // Docked at the right edge of the window, for good.
    EXPECT_EQ(frame->findChild<QDockWidget*>("scoreDock")->features(),
              QDockWidget::NoDockWidgetFeatures);
    EXPECT_EQ(bar.mapTo(frame.get(), QPoint(bar.width(), 0)).x(), frame->width());
}
