// The end of a game reached through the real cells, writing the result to
// the profile.
#include "view_fixture.h"

using GameTest = ViewTest;

TEST_F(GameTest, AFullBoardEndsTheGameAndTheNamedResultIsWritten) {
    Profile().Edit([](CProfileFile& file) {
        file.WriteString("HISCORES", "PLAYER0", "Ace");
        file.WriteInt("HISCORES", "SCORE0", 50);
    });
    auto frame = MakeFrame();
    Start(*frame);
    frame->Game().Score().AddScore(64); // as if earlier moves had scored
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
    EXPECT_EQ(frame->Game().Frame().Running(), 0);
    EXPECT_EQ(m_cues.m_ids.back(), 153u); // a new best result
    const CProfileFile stored = Profile().Read();
    EXPECT_EQ(
        std::pair(stored.GetString("HISCORES", "PLAYER0"), stored.GetString("HISCORES", "PLAYER1")),
        std::pair(std::string("Dee"), std::string("Ace")));
    EXPECT_EQ(
        std::pair(stored.GetInt("HISCORES", "SCORE0", 0), stored.GetInt("HISCORES", "SCORE1", 0)),
        std::pair(64u, 50u));
    EXPECT_EQ(
        std::pair(frame->m_wndScoreBar.m_list->count(), frame->m_wndScoreBar.m_list->currentRow()),
        std::pair(2, 0));
}
