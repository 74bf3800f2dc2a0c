// The hall of fame: the table's order, the name dialog and the end of a
// game, on a profile in a temporary folder that other copies of the game and
// sudden deaths share; the live entry's climb is pinned by the driver cases.
#include <csignal>
#include <random>

#include <sys/wait.h>
#include <unistd.h>

#include "cue_recorder.h"
#include "engine/manual_timers.h"
#include "engine/settings.h"
#include "score/hiscore_list.h"
#include "score/name_dlg.h"
#include "score/score_keeper.h"
#include "scratch.h"
#include "test_seed.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// A copy of the game without a board: its table, score keeper, name answers, cues.
struct CCopy : CMoveExpiry {
    explicit CCopy(const CProfile& profile) : m_list(profile) { m_keeper.Init(); }
    void MoveExpired() override {}
    // A whole game scoring points in one go, the name dialog answered with name.
    void Play(unsigned points, const char* name) {
        m_keeper.ResetScore();
        m_keeper.AddScore(points);
        m_answers.Push({CQueuedNameAnswers::Kind::Name, name});
        m_keeper.EndGame();
    }

    CHiscoreList m_list;
    CManualTimers m_timers;
    CScoreDisplay m_display;
    CQueuedNameAnswers m_answers;
    CCueRecorder m_cues;
    CScoreKeeper m_keeper{*this, m_timers, m_list, &m_answers, m_display, m_cues};
};

class HallTest : public TempProfileTest {
protected:
    HallTest() {
        ResetSettings();
        g_lastName.clear();
    }

    // Stores these results and loads the table.
    void Fill(CHiscoreList& list, const Table& all) {
        StoreHall(all);
        list.LoadTable();
    }
};

TEST_F(HallTest, EntriesGoAboveEqualUnsignedScoresAndLinesAreFilledOutByCharacters) {
    CHiscoreList list(m_profile);
    Fill(list, {{"Ace", 3000000000u}, {"Bob", 50}, {"ABCDEFGHIJKLMNOPQRS", 5}, {"Zo\xC3\xAB", 4}});
    const std::tuple<const char*, unsigned, int> entries[] = {
        {"Cy", 50, 1}, {"Di", 3000000000u, 0}, {"Ed", 49, 4}, {"Mid", 2147483648u, 2}};
    for (auto [name, score, slot] : entries)
        EXPECT_EQ(list.InsertEntry(name, score, false), slot) << name;
    EXPECT_EQ(list.Lines(),
              (Lines{" 1  Di                3000000000", " 2  Ace               3000000000",
                     " 3  Mid               2147483648", " 4  Cy                50",
                     " 5  Bob               50", " 6  Ed                49",
                     " 7  ABCDEFGHIJKLMNOPQRS 5", " 8  Zo\xC3\xAB" + std::string(14, ' ') + " 4"}));
    EXPECT_EQ(list.Selected(), 2);
}

// Slot 20 is shown only for the live entry, and removing an entry above it
// leaves its entry in slots 19 and 20 alike.
TEST_F(HallTest, AFullTableKeepsSlot20BelowTheList) {
    CHiscoreList list(m_profile);
    Fill(list, FullHall(200));
    EXPECT_EQ(list.InsertEntry(g_youMarker, 5, true), 20);
    EXPECT_EQ(std::tuple(list.Lines().size(), list.Selected(), list.Lines().back()),
              std::tuple(size_t{21}, 20, std::string("21  <<<--- you --->>> 5")));
    EXPECT_EQ(list.RemoveEntry(g_youMarker), 20);
    EXPECT_EQ(list.InsertEntry(g_youMarker, 175, true), 3);
    EXPECT_EQ(list.RemoveEntry(g_youMarker), 3);
    EXPECT_EQ((Lines{list.Name(3), list.Name(19), list.Name(20)}), (Lines{"P4", "P20", "P20"}));
    EXPECT_EQ(list.Lines().size(), 20u);
}

TEST_F(HallTest, ScoresOver2To31AreSavedSignedAndAHandMadeTableLoadsWithItsGaps) {
    CHiscoreList list(m_profile), loaded(m_profile);
    EXPECT_EQ(list.SaveResult("Ace", 120), 0);
    EXPECT_EQ(list.SaveResult("Mary Ann", 3000000000u), 0);
    // Stored signed, as the file has always held them; the table's layout on
    // file is pinned by the driver's hall cases.
    EXPECT_NE(Contents().find("\nPLAYER0=Mary Ann\nSCORE0=-1294967296\n"), std::string::npos);
    loaded.LoadTable();
    EXPECT_EQ(std::pair(loaded.Lines(), loaded.SlotScore(0)), std::pair(list.Lines(), 3000000000u));
    Fill(list, {{"", 500}, {"Ace", 100}}); // hand-made: a vacant slot with a score
    EXPECT_EQ(list.InsertEntry(g_youMarker, 0, true), 2);
    EXPECT_EQ(std::pair(list.Selected(), list.Lines()[1]),
              std::pair(1, std::string(" 3  <<<--- you --->>> 0")));
}

TEST_F(HallTest, TheDialogOffersEveryStoredNameOnceAndShowsTheFirstBeginningWithTheLast) {
    CHiscoreList list(m_profile);
    Table table;
    for (const char* name :
         {"bolt", "Ace", g_youMarker.c_str(), "Ace", "ace", "Bolton", "Bolt", "-unknown-"})
        table.emplace_back(name, 0);
    Fill(list, table);
    // Names equal but for case stand apart, upper case first; the vacant slots
    // give one empty item.
    const Lines items{"", "-unknown-", "Ace", "ace", "Bolt", "bolt", "Bolton"};
    using Case = std::tuple<const char*, const char*, int>;
    for (auto [last, field, sel] :
         {Case{"ACE", "Ace", 2}, Case{"bol", "Bolt", 4}, Case{"BOLTO", "Bolton", 6},
          Case{"Zed", "Zed", -1}, Case{"", "", -1}}) {
        g_lastName = last;
        CNameDlg dlg(&list);
        dlg.OnInitDialog();
        EXPECT_EQ(std::tuple(dlg.Items(), dlg.FieldText(), dlg.CurSel()),
                  std::tuple(items, std::string(field), sel));
    }
    Fill(list, FullHall(200)); // no empty item, "-unknown-" offered anyway, slot 20 never
    list.InsertEntry("Overflow", 0, true);
    CNameDlg full(&list);
    full.OnInitDialog();
    EXPECT_EQ(std::pair(full.Items().size(), full.Items()[0]),
              std::pair(21ul, std::string("-unknown-")));
}

// Copy B read the table before A's result was in it; there B's would be the
// best, but it is stored into the table as A left it.
TEST_F(HallTest, ACopyThatStartedEarlierKeepsTheResultOfOneThatFinishedMeanwhile) {
    CCopy b(m_profile), a(m_profile);
    Fill(b.m_list, {{"Old", 30}});
    a.m_list.LoadTable();
    a.Play(50, "Alice");
    b.Play(40, "Bob");
    EXPECT_EQ(b.m_cues.m_ids, (Cues{149, 154}));
    EXPECT_EQ(b.m_list.Lines(), (Lines{" 1  Alice             50", " 2  Bob               40",
                                       " 3  Old               30"}));
    EXPECT_EQ(b.m_list.Selected(), 1);
    EXPECT_EQ((Table{StoredHall()[0], StoredHall()[2]}), (Table{{"Alice", 50}, {"Old", 30}}));
}

// A copy saving one result after another is killed at a random moment: the
// file must hold the table after some whole number of saves, never a mix.
TEST_F(HallTest, AKillDuringASaveLeavesTheOldOrTheNewTable) {
    auto expected = [](int saves) { // the last twenty saves above the table as filled
        Table table = FullHall(200);
        for (int k = std::max(1, saves - 19); k <= saves; ++k)
            table.insert(table.begin(), {"G" + std::to_string(k), 1000 + k});
        table.resize(20);
        return table;
    };
    const unsigned seed = TestSeed();
    SCOPED_TRACE("MARBIX_SEED=" + std::to_string(seed));
    std::mt19937 random(seed);
    int torn = 0, runs = 300;
    for (int run = 0; run < runs; ++run) {
        CHiscoreList list(m_profile);
        Fill(list, FullHall(200));
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            for (int k = 1;; ++k) list.SaveResult("G" + std::to_string(k), 1000 + k);
        usleep(std::uniform_int_distribution<useconds_t>(0, 15000)(random));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const Table stored = StoredHall();
        int saves = 0;
        while (saves < 5000 && stored != expected(saves)) ++saves;
        torn += saves == 5000;
        list.SaveResult("After", 1); // clears what the killed save left
        ASSERT_EQ(std::distance(fs::directory_iterator(m_dir), {}), 1);
    }
    EXPECT_EQ(torn, 0) << "of " << runs;
}

} // namespace
