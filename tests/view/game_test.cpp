// Whole turns through the real cells: the cues in order, and the end of a
// game writing the result to the profile.
#include "view_fixture.h"

using GameTest = ViewTest;

TEST_F(GameTest, CuesOfAScriptedGameComeInOrder) {
    auto frame = MakeFrame();
    Start(*frame);
    EXPECT_EQ(m_cues.m_ids, std::vector<unsigned>({136}));
    Lay(*frame, {"5........", ".........", ".........", "2........", ".........", ".........",
                 ".........", "......a.b", "........c"});
    m_cues.m_ids.clear();
    Click(*frame, 0, 0); // select the green ball
    Click(*frame, 0, 3); // select the magenta one: the green is passed over
    Click(*frame, 5, 5); // move the magenta ball
    Click(*frame, 4, 4); // a free cell without a selection
    EXPECT_EQ(m_cues.m_ids, std::vector<unsigned>({621, 609, 610, 140}));
    EXPECT_EQ(Grabbed(frame->m_wndField.m_cellButtons[0]), Resource(400 + 4 * 5 + Sad));
    EXPECT_EQ(frame->m_wndField.m_cellButtons[CellIndex(5, 5)].m_colour, 2);

    // A walled-in target refuses the move.
    Lay(*frame, {"5........", ".........", ".........", ".........", "a.b.c....", ".........",
                 ".........", "........3", ".......3."});
    m_cues.m_ids.clear();
    Click(*frame, 0, 0);
    Click(*frame, 8, 8);
    EXPECT_EQ(m_cues.m_ids, std::vector<unsigned>({621, 141}));
    ASSERT_TRUE(frame->Dispatch(ID_GAME_STOP));
    EXPECT_EQ(m_cues.m_ids.back(), 137u);
}

TEST_F(GameTest, AFullBoardEndsTheGameAndTheNamedResultIsWritten) {
    WriteProfileString("HISCORES", "PLAYER0", "Ace");
    WriteProfileInt("HISCORES", "SCORE0", 50);
    auto frame = MakeFrame();
    Start(*frame);
    frame->m_wndScoreBar.AddScore(64); // as if earlier moves had scored
    // Two announced balls and one free cell: after the move the empty source
    // takes the third announced ball, and nothing is left for the next three.
    // The rest is full with no two neighbours of one colour in any direction.
    std::vector<std::string> rows(9, std::string(9, '.'));
    for (int i = 2; i < 80; ++i) rows[i / 9][i % 9] = char('1' + (i % 9 + 2 * (i / 9)) % 7);
    rows[0][0] = 'a';
    rows[0][1] = 'b';
    Lay(*frame, rows);
    QString prefill;
    WhenModal([&](QWidget& dialog) {
        QLineEdit* edit = NameBox(dialog).lineEdit();
        prefill = edit->text();
        QTest::keyClicks(edit, "Dee");
        QTest::keyClick(edit, Qt::Key_Enter);
    });
    m_cues.m_ids.clear();
    Click(*frame, 7, 8);
    Click(*frame, 8, 8);
    EXPECT_TRUE(prefill.isEmpty());
    EXPECT_EQ(frame->m_running, 0);
    EXPECT_EQ(m_cues.m_ids.back(), 153u); // a new best result
    EXPECT_EQ(
        std::pair(GetProfileString("HISCORES", "PLAYER0"), GetProfileString("HISCORES", "PLAYER1")),
        std::pair(std::string("Dee"), std::string("Ace")));
    EXPECT_EQ(
        std::pair(GetProfileInt("HISCORES", "SCORE0", 0), GetProfileInt("HISCORES", "SCORE1", 0)),
        std::pair(64u, 50u));
    EXPECT_EQ(
        std::pair(frame->m_wndScoreBar.m_list->count(), frame->m_wndScoreBar.m_list->currentRow()),
        std::pair(2, 0));
}
