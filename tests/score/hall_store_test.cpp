// Storing results where other copies of the game and sudden deaths meet the
// same profile file.

#include <csignal>
#include <random>

#include <sys/wait.h>
#include <unistd.h>

#include "hall_fixture.h"
#include "score/score_keeper.h"

namespace {

using Table = std::vector<std::pair<std::string, unsigned>>;

class HallStoreTest : public CuedHallTest {
protected:
    // One copy of the game: its own table, name answers and message boxes.
    struct CCopy {
        explicit CCopy(HallStoreTest& test) : m_test(test) { m_panel.ResetScore(); }
        void Finish(unsigned points, const std::string& name) {
            m_test.m_cues.m_ids.clear();
            m_panel.AddScore(points);
            m_answers.PushLine("name " + name);
            m_panel.EndGame();
        }
        HallStoreTest& m_test;
        CHiscoreList m_list;
        Lines m_shown;
        CQueuedNameAnswers m_answers{[this](const std::string& line) { m_shown.push_back(line); }};
        CPanel m_parts{m_list, &m_answers};
        CScoreKeeper& m_panel = m_parts.m_keeper;
    };

    static Table Stored() {
        const CProfileFile file = ReadProfile();
        Table table;
        for (int i = 0; i < CHiscoreList::kStored; ++i)
            table.emplace_back(file.GetString("HISCORES", "PLAYER" + std::to_string(i)),
                               file.GetInt("HISCORES", "SCORE" + std::to_string(i), 0));
        return table;
    }
};

TEST_F(HallStoreTest, ACopyThatStartedEarlierKeepsTheResultOfOneThatFinishedMeanwhile) {
    ASSERT_TRUE(WriteProfileString("HISCORES", "PLAYER0", "Old"));
    ASSERT_TRUE(WriteProfileInt("HISCORES", "SCORE0", 30));
    CCopy b(*this);
    CCopy a(*this);
    a.Finish(50, "Alice");
    EXPECT_EQ(m_cues.m_ids, (std::vector<unsigned>{149, 153}));
    // B read the table before Alice was in it: there it would be the best.
    b.Finish(40, "Bob");
    EXPECT_EQ(m_cues.m_ids, (std::vector<unsigned>{149, 154}));
    EXPECT_EQ(b.m_list.Lines(), (Lines{" 1  Alice             50", " 2  Bob               40",
                                       " 3  Old               30"}));
    EXPECT_EQ(b.m_list.Selected(), 1);
    EXPECT_EQ(Stored()[1], std::pair(std::string("Bob"), 40u));
    EXPECT_EQ(Stored()[2], std::pair(std::string("Old"), 30u));
}

TEST_F(HallStoreTest, AResultThatCannotBeStoredIsToldAndNeverCheered) {
    std::filesystem::create_directory(m_dir / "marbix.INI");
    CCopy copy(*this);
    copy.Finish(40, "Ace");
    EXPECT_TRUE(m_cues.m_ids.empty()); // neither 149 for the climb nor 153
    EXPECT_EQ(copy.m_shown.back(),
              "message \"Your result could not be saved in the hall of fame: " +
                  (m_dir / "marbix.INI").string() + ": Is a directory\"");
    EXPECT_EQ(std::pair(copy.m_list.Lines().size(), copy.m_list.Selected()),
              std::pair(size_t{0}, -1));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir), {}), 1);
}

// A copy saving one result after another is killed at a random moment: the
// file must hold the table after some whole number of saves, never a mix.
TEST_F(HallStoreTest, AKillDuringASaveLeavesTheOldOrTheNewTable) {
    auto expected = [](int saves) {
        Table table;
        for (int k = saves; k >= 1 && table.size() < 20; --k)
            table.emplace_back("G" + std::to_string(k), 1000 + k);
        for (unsigned i = 0; table.size() < 20; ++i)
            table.emplace_back("P" + std::to_string(i + 1), 200 - 10 * i);
        return table;
    };
    std::mt19937 random(std::random_device{}());
    int torn = 0, runs = 300;
    for (int run = 0; run < runs; ++run) {
        CHiscoreList list;
        FillFull(list);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int k = 1;; ++k) list.SaveResult("G" + std::to_string(k), 1000 + k);
        }
        usleep(std::uniform_int_distribution<useconds_t>(0, 15000)(random));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const Table stored = Stored();
        int saves = 0;
        while (saves < 5000 && stored != expected(saves)) ++saves;
        torn += saves == 5000;
        // The next save clears what the killed one left.
        list.SaveResult("After", 1);
        ASSERT_EQ(std::distance(std::filesystem::directory_iterator(m_dir), {}), 1);
    }
    EXPECT_EQ(torn, 0) << "of " << runs;
}

} // namespace
