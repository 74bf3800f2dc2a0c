// The folder of recorded games: which record a hall-of-fame line is tied to,
// what is kept, what is passed over, two copies storing at once and a copy
// killed while it writes.
#include <csignal>
#include <random>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "record/record_file.h"
#include "record/record_store.h"
#include "scratch.h"
#include "test_seed.h"

namespace {

namespace fs = std::filesystem;

CGameRecord Result(const std::string& name, unsigned score) {
    CGameRecord record;
    record.name = name;
    record.score = score;
    record.date = "2026-12-07T20:37:57Z";
    return record;
}

TEST(HallMatch, TiesGoToTheNewestRecordsInOrder) {
    // Oldest first; the hall has the newer Ann 50 above the older one.
    const std::vector<CStoredGame> games = {
        {"a", "Ann", 50}, {"b", "Bob", 70}, {"c", "Ann", 50}, {"d", "Ann", 40}, {"e", "Ann", 50}};
    const CHallLines hall = {{"Bob", 70}, {"Ann", 50}, {"Ann", 50}, {"Cy", 45}, {"Ann", 40}};
    EXPECT_EQ(MatchHallToGames(hall, games), (std::vector<int>{1, 4, 2, -1, 3}));
    // A line without a record of its own gets none, even with equal scores about.
    EXPECT_EQ(MatchHallToGames({{"Ann", 50}, {"Ann", 50}, {"Ann", 50}, {"Ann", 50}}, games),
              (std::vector<int>{4, 2, 0, -1}));
    EXPECT_EQ(MatchHallToGames({{"ann", 50}, {"Ann", 51}}, games), (std::vector<int>{-1, -1}));
}

class RecordStoreTest : public testing::Test, protected CScratchFolder {
protected:
    void SetUp() override { ASSERT_FALSE(m_dir.empty()); }

    // Stores the results in this order, each with the hall given.
    void StoreAll(const std::vector<CGameRecord>& records, const CHallLines& hall) {
        for (const CGameRecord& record : records) {
            std::string error;
            ASSERT_TRUE(m_store.Store(record, hall, error)) << error;
        }
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const CStoredGame& game : m_store.Games())
            names.push_back(game.name + " " + std::to_string(game.score));
        return names;
    }

    CRecordStore m_store{m_dir + "/games"};
};

TEST_F(RecordStoreTest, KeepsTheHallsGamesAndTheLastTwentyOthers) {
    std::vector<CGameRecord> records = {Result("Top", 500), Result("Old", 10)};
    for (unsigned i = 0; i < 25; ++i) records.push_back(Result("Other", i));
    records.push_back(Result("Top", 500));
    const CHallLines hall = {{"Top", 500}, {"Old", 10}};
    StoreAll(records, hall);
    // The newer Top is the hall's; the older one is then the oldest of the others.
    std::vector<std::string> expected = {"Old 10"};
    for (unsigned i = 5; i < 25; ++i) expected.push_back("Other " + std::to_string(i));
    expected.push_back("Top 500");
    EXPECT_EQ(Names(), expected);
    EXPECT_EQ(m_store.RecordOf(hall, 0), m_store.Folder() + "/" + m_store.Games().back().file);
    EXPECT_EQ(m_store.RecordOf(hall, 1), m_store.Folder() + "/" + m_store.Games()[0].file);
    EXPECT_EQ(m_store.RecordOf(hall, 2), "");
    EXPECT_EQ(m_store.RecordOf({{"Nobody", 3}}, 0), "");

    // A result that falls out of the hall becomes one of the others.
    StoreAll({Result("Other", 99)}, {{"Top", 500}});
    EXPECT_EQ(Names().size(), 21u);
    EXPECT_EQ(Names()[0], "Other 6");
    EXPECT_EQ(Names()[19], "Top 500");
}

TEST_F(RecordStoreTest, PassesOverTemporaryAndForeignFiles) {
    StoreAll({Result("Ann", 5)}, {});
    const std::string whole = Contents(m_store.Folder() + "/" + m_store.Games()[0].file);
    Write("games/x.marbix-game.partial-abc123", whole);
    Write("games/.hidden.marbix-game", whole);
    Write("games/notes.txt", whole);
    Write("games/cut.marbix-game", whole.substr(0, whole.size() / 2));
    fs::create_directory(m_store.Folder() + "/dir.marbix-game");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Ann 5"}));
}

TEST_F(RecordStoreTest, TwoCopiesStoringAtOnceKeepEveryRecord) {
    constexpr int kEach = 10;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    const std::string name = child == 0 ? "Child" : "Parent";
    for (int i = 0; i < kEach; ++i) {
        std::string error;
        if (!m_store.Store(Result(name, i + 1), {{"Child", 1}, {"Parent", 1}}, error) && child == 0)
            ::_exit(1);
    }
    if (child == 0) ::_exit(0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    // 20 stored of which the two first are in the hall: all 20 are kept.
    std::set<std::string> files;
    for (const CStoredGame& game : m_store.Games()) files.insert(game.file);
    EXPECT_EQ(files.size(), 2u * kEach);
}

TEST_F(RecordStoreTest, AKillWhileWritingLeavesNoHalfRecord) {
    std::mt19937 random(TestSeed());
    CGameRecord big = Result("Writer", 1);
    big.actions.assign(50000, {CRecordedAction::Kind::Click, 123456, 4, 4});
    for (int round = 0; round < 8; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;) {
                std::string error;
                m_store.Store(big, {}, error);
            }
        }
        ::usleep(1000 + random() % 30000);
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    }
    // Every file under a record's name is whole; the rest are temporary.
    for (const auto& entry : fs::directory_iterator(m_store.Folder())) {
        const std::string name = entry.path().filename().string();
        if (name.find(kRecordTempMark) != std::string::npos) continue;
        CGameRecord read;
        std::string error;
        EXPECT_TRUE(ReadRecordFile(entry.path().string(), read, error)) << error;
    }
    EXPECT_LE(m_store.Games().size(), CRecordStore::kKeptOthers);
}

TEST(GamesFolder, FollowsXdgDataHome) {
    const auto restore = [](const char* name, const char* value) {
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    };
    const std::string data = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("HOME", "/home/pat", 1);
    ::setenv("XDG_DATA_HOME", "/srv/data", 1);
    EXPECT_EQ(DefaultGamesFolder(), "/srv/data/marbix/games");
    ::setenv("XDG_DATA_HOME", "relative/data", 1);
    EXPECT_EQ(DefaultGamesFolder(), "/home/pat/.local/share/marbix/games");
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(DefaultGamesFolder(), "/home/pat/.local/share/marbix/games");
    restore("XDG_DATA_HOME", data.empty() ? nullptr : data.c_str());
    restore("HOME", home.empty() ? nullptr : home.c_str());
}

} // namespace
