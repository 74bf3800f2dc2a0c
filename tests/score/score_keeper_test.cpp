// The score keeper moving the live entry through the hall of fame, and the
// end of a game with the name dialog, against a profile in a temporary folder.

#include "app/settings.h"
#include "hall_fixture.h"
#include "score/score_keeper.h"
#include "sound/cue.h"

namespace {

class ScoreKeeperHallTest : public HallTest {
protected:
    struct CCueLog : CCuePlayer {
        void PlaySound(unsigned id, bool) override { m_ids.push_back(id); }
        std::vector<unsigned> m_ids;
    };

    void SetUp() override {
        HallTest::SetUp();
        SetCuePlayer(&m_cues);
        g_soundOn = 1;
        m_panel.AttachHall(&m_list, &m_answers);
    }
    void TearDown() override {
        SetCuePlayer(nullptr);
        g_soundOn = 0;
        HallTest::TearDown();
    }

    // A game from its start to its end, scoring points in one go.
    void PlayGame(unsigned points, const std::string& answer) {
        m_panel.ResetScore();
        if (points) m_panel.AddScore(points);
        if (!answer.empty()) ASSERT_TRUE(m_answers.PushLine(answer));
        m_cues.m_ids.clear();
        m_panel.EndGame();
    }

    bool Written() const { return std::filesystem::exists(m_dir / "marbix.INI"); }

    CCueLog m_cues;
    CHiscoreList m_list;
    CScoreKeeper m_panel;
};

TEST_F(ScoreKeeperHallTest, ClimbingToTheFirstPlaceSoundsAndRestoringNever) {
    Fill(m_list, {{"A", 300}, {"B", 200}, {"C", 100}});
    m_panel.ResetScore();
    EXPECT_EQ(m_list.m_selected, 3);
    m_panel.AddScore(99); // still below C
    EXPECT_TRUE(m_cues.m_ids.empty());
    m_panel.AddScore(201); // from slot 3, level with the best
    EXPECT_EQ(m_list.m_names[0], g_youMarker);
    EXPECT_EQ(m_list.m_selected, 0);
    m_panel.AddScore(2); // already first
    EXPECT_EQ(m_cues.m_ids, std::vector<unsigned>{149});

    m_panel.m_savedScore = 0;
    m_panel.RestoreScore(); // down to the bottom
    EXPECT_EQ(m_list.m_names[3], g_youMarker);
    m_panel.m_savedScore = 1000;
    m_panel.RestoreScore(); // straight up to the first place
    EXPECT_EQ(std::pair(m_list.m_names[0], m_panel.m_score), std::pair(g_youMarker, 1000u));
    EXPECT_EQ(m_cues.m_ids.size(), 1u);
}

TEST_F(ScoreKeeperHallTest, FromBelowAFullTableToTheTwentiethPlace) {
    FillFull(m_list);
    m_panel.ResetScore();
    EXPECT_EQ(m_list.m_names[20], g_youMarker);
    EXPECT_EQ(std::pair(m_list.m_lines.size(), m_list.m_selected), std::pair(size_t{21}, 20));
    m_panel.AddScore(10); // level with P20
    EXPECT_EQ(m_cues.m_ids, std::vector<unsigned>{150});
    EXPECT_EQ((Lines{m_list.m_names[19], m_list.m_names[20]}), (Lines{g_youMarker, "P20"}));
}

TEST_F(ScoreKeeperHallTest, NoPointsAnEmptyNameOrTheMarkerStoreNothing) {
    PlayGame(0, "name ");
    EXPECT_TRUE(m_shown.empty()); // no points: no dialog, the answer waits
    EXPECT_EQ(m_answers.Pending(), 1u);
    PlayGame(40, "");
    EXPECT_EQ(m_shown.size(), 1u);
    // The marker is too long to be typed; a dialog that ended with it anyway
    // must not store a result under it.
    struct CMarkerHost : CNameDlgHost {
        void ShowMessage(const std::string&) override { ADD_FAILURE(); }
        int RunModal(CNameDlg& dlg) override {
            dlg.m_name = g_youMarker;
            return CNameDlg::IDOK;
        }
    } markerHost;
    m_panel.AttachHall(&m_list, &markerHost);
    PlayGame(40, "");
    EXPECT_TRUE(m_cues.m_ids.empty());
    EXPECT_FALSE(Written() || !m_list.m_lines.empty());
}

TEST_F(ScoreKeeperHallTest, EscapeStoresUnderTheLastNameOfTheRunIfThereIsOne) {
    PlayGame(40, "escape");
    EXPECT_FALSE(Written() || !m_list.m_lines.empty());

    PlayGame(30, "name Ace");
    PlayGame(50, "escape");
    EXPECT_EQ(m_shown.back(), "dialog \"Ace\"");
    EXPECT_EQ(m_cues.m_ids, std::vector<unsigned>{153});
    EXPECT_TRUE(Holds("PLAYER0=Ace\nSCORE0=50\nPLAYER1=Ace\nSCORE1=30\n"));
}

TEST_F(ScoreKeeperHallTest, BelowAFullTableTheDialogShowsButTheTwentyStay) {
    StoreFull(m_list);
    PlayGame(9, "name Low");
    EXPECT_EQ(m_shown, Lines{"dialog \"\""});
    EXPECT_TRUE(m_cues.m_ids.empty());
    EXPECT_EQ(m_list.m_names[20], "Low");
    EXPECT_EQ(std::pair(m_list.m_lines.size(), m_list.m_selected), std::pair(size_t{20}, -1));
    // Rewritten with the same twenty.
    EXPECT_TRUE(Holds("PLAYER0=P1\nSCORE0=200\n") && Holds("PLAYER19=P20\nSCORE19=10\n"));
    EXPECT_FALSE(Holds("Low"));
}

TEST_F(ScoreKeeperHallTest, TiesWithTheTwentiethAndTheBestGoAbove) {
    StoreFull(m_list);
    PlayGame(10, "name Tie");
    EXPECT_EQ(m_cues.m_ids, std::vector<unsigned>{154});
    EXPECT_EQ(std::pair(m_list.m_selected, m_list.m_names[20]), std::pair(19, std::string("P20")));
    EXPECT_TRUE(Holds("PLAYER19=Tie\nSCORE19=10\n"));
    EXPECT_FALSE(Holds("P20"));

    PlayGame(200, "name Top");
    EXPECT_EQ(m_cues.m_ids, std::vector<unsigned>{153});
    EXPECT_EQ(m_list.m_selected, 0);
    EXPECT_TRUE(Holds("PLAYER0=Top\nSCORE0=200\nPLAYER1=P1\n"));
    for (const std::string& line : m_list.m_lines) EXPECT_EQ(line.find(g_youMarker), line.npos);
}

} // namespace
