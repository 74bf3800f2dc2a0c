// The score keeper moving the live entry through the hall of fame, and the
// end of a game with the name dialog, against a profile in a temporary folder.

#include "hall_fixture.h"
#include "score/score_keeper.h"

namespace {

class ScoreKeeperHallTest : public CuedHallTest {
protected:
    // A game from its start to its end, scoring points in one go.
    void PlayGame(unsigned points, const std::string& answer) {
        m_panel.ResetScore();
        if (points) m_panel.AddScore(points);
        ASSERT_TRUE(answer.empty() || m_answers.PushLine(answer));
        m_cues.m_ids.clear();
        m_panel.EndGame();
    }

    bool Written() const { return std::filesystem::exists(m_dir / "marbix.INI"); }

    CHiscoreList m_list;
    CPanel m_parts{m_list, &m_answers};
    CScoreKeeper& m_panel = m_parts.m_keeper;
};

TEST_F(ScoreKeeperHallTest, FromBelowAFullTableToTheTwentiethPlace) {
    FillFull(m_list);
    m_panel.ResetScore();
    EXPECT_EQ(m_list.Name(20), g_youMarker);
    EXPECT_EQ(std::pair(m_list.Lines().size(), m_list.Selected()), std::pair(size_t{21}, 20));
    m_panel.AddScore(10); // level with P20
    EXPECT_EQ(m_cues.m_ids, std::vector<unsigned>{150});
    EXPECT_EQ((Lines{m_list.Name(19), m_list.Name(20)}), (Lines{g_youMarker, "P20"}));
}

TEST_F(ScoreKeeperHallTest, NoPointsAnEmptyNameOrTheMarkerStoreNothing) {
    PlayGame(0, "name ");
    EXPECT_TRUE(m_shown.empty()); // no points: no dialog, the answer waits
    EXPECT_EQ(m_answers.Pending(), 1u);
    PlayGame(40, "");
    EXPECT_EQ(m_shown.size(), 1u);
    EXPECT_TRUE(m_cues.m_ids.empty());
    EXPECT_FALSE(Written() || !m_list.Lines().empty());
}

TEST_F(ScoreKeeperHallTest, EscapeStoresUnderTheLastNameOfTheRunIfThereIsOne) {
    PlayGame(40, "escape");
    EXPECT_FALSE(Written() || !m_list.Lines().empty());

    PlayGame(30, "name Ace");
    PlayGame(50, "escape");
    EXPECT_EQ(m_shown.back(), "dialog \"Ace\"");
    EXPECT_EQ(m_cues.m_ids, std::vector<unsigned>{153});
    EXPECT_TRUE(Holds("PLAYER0=Ace\nSCORE0=50\nPLAYER1=Ace\nSCORE1=30\n"));
}

TEST_F(ScoreKeeperHallTest, BelowAFullTableTheDialogShowsButTheTwentyStay) {
    FillFull(m_list);
    PlayGame(9, "name Low");
    EXPECT_EQ(m_shown, Lines{"dialog \"\""});
    EXPECT_TRUE(m_cues.m_ids.empty());
    EXPECT_EQ(m_list.Name(20), "Low");
    EXPECT_EQ(std::pair(m_list.Lines().size(), m_list.Selected()), std::pair(size_t{20}, -1));
    // Rewritten with the same twenty.
    EXPECT_TRUE(Holds("PLAYER0=P1\nSCORE0=200\n") && Holds("PLAYER19=P20\nSCORE19=10\n"));
    EXPECT_FALSE(Holds("Low"));
}

TEST_F(ScoreKeeperHallTest, TiesWithTheTwentiethAndTheBestGoAbove) {
    FillFull(m_list);
    PlayGame(10, "name Tie");
    EXPECT_EQ(m_cues.m_ids, std::vector<unsigned>{154});
    EXPECT_EQ(std::pair(m_list.Selected(), m_list.Name(20)), std::pair(19, std::string("P20")));
    EXPECT_TRUE(Holds("PLAYER19=Tie\nSCORE19=10\n"));
    EXPECT_FALSE(Holds("P20"));

    PlayGame(200, "name Top");
    EXPECT_EQ(m_cues.m_ids, std::vector<unsigned>{153});
    EXPECT_EQ(m_list.Selected(), 0);
    EXPECT_TRUE(Holds("PLAYER0=Top\nSCORE0=200\nPLAYER1=P1\n"));
    for (const std::string& line : m_list.Lines()) EXPECT_EQ(line.find(g_youMarker), line.npos);
}

} // namespace
