// Whole turns through the real cells: the cues in order, and the end of a
// game writing the result to the profile.
#include "view_fixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

namespace {

// A full board with no two neighbours of one colour in any direction.
std::vector<std::string> Checkered() {
    std::vector<std::string> rows(9, std::string(9, '.'));
    for (int row = 0; row < 9; ++row)
        for (int col = 0; col < 9; ++col) rows[row][col] = char('1' + (col + 2 * row) % 7);
    return rows;
}

} // namespace

using GameTest = ViewTest;

TEST_F(GameTest, CuesOfAScriptedGameComeInOrder) {
    auto host = MakeHost();
    Start(*host);
    EXPECT_EQ(m_cues.m_ids, std::vector<unsigned>({136}));
    Lay(*host, {"5........", ".........", ".........", "2........", ".........", ".........",
                ".........", "......a.b", "........c"});
    m_cues.m_ids.clear();
    Click(*host, 0, 0); // select the green ball
    Click(*host, 0, 3); // select the magenta one: the green is passed over
    Click(*host, 5, 5); // move the magenta ball
    Click(*host, 4, 4); // a free cell without a selection
    EXPECT_EQ(m_cues.m_ids, std::vector<unsigned>({621, 609, 610, 140}));
    EXPECT_EQ(host->m_wndField.m_cellButtons[0].m_state, Sad);
    EXPECT_EQ(Grabbed(host->m_wndField.m_cellButtons[0]), Resource(400 + 4 * 5 + Sad));
    EXPECT_EQ(host->m_wndField.m_cellButtons[9 * 5 + 5].m_colour, 2);

    // A walled-in target refuses the move.
    Lay(*host, {"5........", ".........", ".........", ".........", "a.b.c....", ".........",
                ".........", "........3", ".......3."});
    m_cues.m_ids.clear();
    Click(*host, 0, 0);
    Click(*host, 8, 8);
    EXPECT_EQ(m_cues.m_ids, std::vector<unsigned>({621, 141}));
    ASSERT_TRUE(host->OnCommand(ID_GAME_STOP));
    EXPECT_EQ(m_cues.m_ids.back(), 137u);
}

TEST_F(GameTest, AFullBoardEndsTheGameAndTheNamedResultIsWritten) {
    WriteProfileString("HISCORES", "PLAYER0", "Ace");
    WriteProfileInt("HISCORES", "SCORE0", 50);
    auto host = MakeHost();
    Start(*host);
    host->m_wndScoreBar.AddScore(64); // as if earlier moves had scored
    // Two announced balls and one free cell: after the move the empty source
    // takes the third announced ball, and nothing is left for the next three.
    std::vector<std::string> rows = Checkered();
    rows[8][8] = '.';
    rows[0][0] = 'a';
    rows[0][1] = 'b';
    Lay(*host, rows);
    QString prefill;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QLineEdit* edit = dialog->findChild<QComboBox*>("name")->lineEdit();
        prefill = edit->text();
        QTest::keyClicks(edit, "Dee");
        QTest::keyClick(edit, Qt::Key_Enter);
    });
    m_cues.m_ids.clear();
    Click(*host, 7, 8);
    Click(*host, 8, 8);
    EXPECT_TRUE(prefill.isEmpty());
    EXPECT_EQ(host->m_running, 0);
    EXPECT_EQ(m_cues.m_ids.back(), 153u); // a new best result
    EXPECT_EQ(GetProfileString("HISCORES", "PLAYER0"), "Dee");
    EXPECT_EQ(GetProfileInt("HISCORES", "SCORE0", 0), 64u);
    EXPECT_EQ(GetProfileString("HISCORES", "PLAYER1"), "Ace");
    EXPECT_EQ(GetProfileInt("HISCORES", "SCORE1", 0), 50u);
    // The final position stays on the stopped board's picture until the next start.
    EXPECT_EQ(Grabbed(host->m_wndField, host->m_wndField.m_background.geometry()),
              Resource(CFieldWnd::kStoppedPicture));
    EXPECT_EQ(host->m_wndScoreBar.m_list->count(), 2);
    EXPECT_EQ(host->m_wndScoreBar.m_list->currentRow(), 0);
}
