#include "score/hiscore_list.h"

#include "hall_fixture.h"

namespace {

using HiscoreListTest = HallTest;

TEST_F(HiscoreListTest, LinesHavePlaceNameFilledTo17AndScore) {
    CHiscoreList list;
    Fill(list, {{"Ace", 120}, {"ABCDEFGHIJKLMNOPQRS", 5}, {"Zo\xC3\xAB", 9}});
    EXPECT_EQ(list.FormatLine(0), " 1  Ace               120");
    EXPECT_EQ(list.FormatLine(1), " 2  ABCDEFGHIJKLMNOPQRS 5"); // a long name is not cut
    // Filled out by characters: the two-byte letter takes one column.
    EXPECT_EQ(list.FormatLine(2), " 3  Zo\xC3\xAB" + std::string(14, ' ') + " 9");
    FillFull(list);
    list.InsertEntry(g_youMarker, 5, true);
    EXPECT_EQ(list.FormatLine(20), "21  <<<--- you --->>> 5");
}

TEST_F(HiscoreListTest, NewEntriesGoAboveEqualUnsignedScores) {
    CHiscoreList list;
    EXPECT_EQ(list.InsertEntry(g_youMarker, 0, true), 0);
    EXPECT_EQ(list.Lines(), Lines{" 1  <<<--- you --->>> 0"});
    EXPECT_EQ(list.RemoveEntry(g_youMarker), 0);
    EXPECT_EQ(std::pair(list.Lines().size(), list.Selected()), std::pair(size_t{0}, -1));

    Fill(list, {{"Ace", 3000000000u}, {"Bob", 50}});
    EXPECT_EQ(list.InsertEntry("Cy", 50, false), 1);
    EXPECT_EQ(list.InsertEntry("Di", 3000000000u, false), 0);
    EXPECT_EQ(list.InsertEntry("Ed", 49, false), 4);
    EXPECT_EQ(list.InsertEntry("Mid", 2147483648u, false), 2);
    EXPECT_EQ(list.Lines(),
              (Lines{" 1  Di                3000000000", " 2  Ace               3000000000",
                     " 3  Mid               2147483648", " 4  Cy                50",
                     " 5  Bob               50", " 6  Ed                49"}));
    EXPECT_EQ(list.Selected(), 2);
}

TEST_F(HiscoreListTest, AFullTableKeepsSlot20BelowTheListAndTiesPushTheTwentiethOut) {
    CHiscoreList list;
    FillFull(list);
    EXPECT_EQ(list.InsertEntry(g_youMarker, 5, true), 20);
    EXPECT_EQ(list.Lines().back(), "21  <<<--- you --->>> 5");
    EXPECT_EQ(std::pair(list.Lines().size(), list.Selected()), std::pair(size_t{21}, 20));
    EXPECT_EQ(list.RemoveEntry(g_youMarker), 20); // never takes slot 20 out
    EXPECT_EQ(list.Name(20), g_youMarker);
    EXPECT_EQ(list.InsertEntry("Late", 5, false), 20);
    EXPECT_EQ(std::pair(list.Lines().size(), list.Selected()), std::pair(size_t{20}, -1));

    EXPECT_EQ(list.InsertEntry("Eve", 10, false), 19);
    EXPECT_EQ(list.Name(20), "P20");
    EXPECT_EQ(list.Lines().back(), "20  Eve               10");
    EXPECT_EQ(std::pair(list.Lines().size(), list.Selected()), std::pair(size_t{20}, 19));

    EXPECT_EQ(list.InsertEntry(g_youMarker, 175, true), 3);
    EXPECT_EQ(list.Name(20), "Eve");
    EXPECT_EQ(list.RemoveEntry(g_youMarker), 3);
    // Slot 20 stays as it was.
    EXPECT_EQ((Lines{list.Name(3), list.Name(19), list.Name(20)}), (Lines{"P4", "Eve", "Eve"}));
}

TEST_F(HiscoreListTest, RemoveTakesTheFirstExactMatchAndTheLiveLineIsSelectedBelowAGap) {
    CHiscoreList list;
    Fill(list, {{"Ace", 30}, {"ace", 20}, {"Ace", 10}});
    EXPECT_EQ(list.RemoveEntry("Ace"), 0);
    EXPECT_EQ((Lines{list.Name(0), list.Name(1)}), (Lines{"ace", "Ace"}));
    EXPECT_EQ(list.RemoveEntry("ACE"), 20);

    CHiscoreList gap; // a hand-made profile: a vacant slot with a score
    Fill(gap, {{"", 500}, {"Ace", 100}});
    EXPECT_EQ(gap.InsertEntry(g_youMarker, 0, true), 2);
    ASSERT_EQ(gap.Selected(), 1);
    EXPECT_EQ(gap.Lines()[1], " 3  <<<--- you --->>> 0");
}

TEST_F(HiscoreListTest, SavedResultsAreFortyKeysInOrderAndLoadReadsThemBack) {
    CHiscoreList list;
    EXPECT_EQ(list.SaveResult("Ace", 120), 0);
    EXPECT_EQ(list.SaveResult("Mary Ann", 3000000000u), 0);
    EXPECT_EQ(list.SaveResult("a=b;[c]", 7), 2);
    std::string expected = "[HISCORES]\nPLAYER0=Mary Ann\nSCORE0=-1294967296\nPLAYER1=Ace\n"
                           "SCORE1=120\nPLAYER2=a=b;[c]\nSCORE2=7\n";
    for (int i = 3; i < 20; ++i)
        expected += "PLAYER" + std::to_string(i) + "=\nSCORE" + std::to_string(i) + "=0\n";
    EXPECT_EQ(Contents(), expected);
    EXPECT_EQ(list.Selected(), 2);

    CHiscoreList loaded;
    loaded.LoadTable();
    for (int i = 0; i < CHiscoreList::kSlots; ++i) {
        EXPECT_EQ(loaded.Name(i), i < 20 ? list.Name(i) : "") << i;
        EXPECT_EQ(loaded.SlotScore(i), i < 20 ? list.SlotScore(i) : 0u) << i;
    }
    EXPECT_EQ(loaded.Lines(), (Lines{" 1  Mary Ann          3000000000",
                                     " 2  Ace               120", " 3  a=b;[c]           7"}));
    EXPECT_EQ(loaded.Selected(), -1);
}

TEST_F(HiscoreListTest, HandWrittenFilesLoadWithGapsAndKeepTheirOtherKeys) {
    std::ofstream(m_dir / "marbix.INI") << "[SETTINGS]\nSOUND_ON=0\n[hiscores]\nNOTE=mine\n"
                                           "player0 = \" Ace \"\nSCORE0=junk\nPLAYER2=Bob\n"
                                           "SCORE2=40\nSCORE3=99\n";
    CHiscoreList list;
    list.LoadTable();
    EXPECT_EQ(list.SlotScore(3), 99u);
    EXPECT_EQ(list.Lines(), (Lines{" 1   Ace              0", " 3  Bob               40"}));
    list.SaveResult("New", 2);
    EXPECT_EQ(Contents().rfind("[SETTINGS]\nSOUND_ON=0\n[hiscores]\nNOTE=mine\nPLAYER0=", 0), 0u);
    EXPECT_TRUE(Holds("=New\n"));
}

// A list on screen sees every change through the hooks, in order.
class RecordingList : public CListView {
public:
    Lines m_calls;

    void OnSetRedraw(bool on) override { m_calls.push_back(on ? "redraw on" : "redraw off"); }
    void OnCleared() override { m_calls.push_back("clear"); }
    void OnLineAppended(const std::string& line) override { m_calls.push_back("add " + line); }
    void OnSelected(int line) override { m_calls.push_back("select " + std::to_string(line)); }
    void OnRepaint() override { m_calls.push_back("repaint"); }
};

TEST_F(HiscoreListTest, HooksFollowTheChangesOfTheList) {
    WriteProfileString("HISCORES", "PLAYER0", "Ace");
    WriteProfileInt("HISCORES", "SCORE0", 9);
    RecordingList view;
    CHiscoreList list(&view);
    list.LoadTable();
    list.InsertEntry(g_youMarker, 9, true);
    list.RemoveEntry(g_youMarker);
    const std::string ace = "add  1  Ace               9";
    EXPECT_EQ(view.m_calls,
              (Lines{"redraw off", "clear", ace, "redraw on", "repaint", "redraw off", "clear",
                     "add  1  <<<--- you --->>> 9", "add  2  Ace               9", "redraw on",
                     "select 0", "redraw off", "clear", ace, "redraw on"}));
}

} // namespace
