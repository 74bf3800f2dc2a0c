// Thousands of random games, with the game's invariants checked after every step.
#include <random>

#include "test_game.h"
#include "test_seed.h"

namespace {

struct CRandomGame {
    CRandomGame(int seed, unsigned randomSeed) : m_game(seed), m_random(randomSeed) {
        for (CTestCell& cell : m_game.m_cells) cell.m_emptied = &m_emptied;
    }

    // One random action, then every invariant.
    void Step() {
        CFrameLogic& frame = m_game.m_frame;
        const unsigned roll = m_random() % 1000;
        const bool wasRunning = frame.Running() != 0;
        m_emptied = 0;
        if (!frame.Running()) {
            frame.OnCommand(ID_GAME_START);
            m_removed = 0, ++m_games;
            EXPECT_EQ(std::tuple(m_game.Count(Normal), m_game.Count(Preview)), std::tuple(3, 3));
        } else if (roll < 800) {
            Click();
        } else if (roll < 880) {
            Skip();
        } else if (roll < 940) {
            if (frame.OnCommand(ID_GAME_UNDO)) m_removed = m_savedRemoved;
        } else if (roll < 998) {
            for (int i = 1 + static_cast<int>(m_random() % 40); i > 0; --i) Tick();
        } else {
            frame.OnCommand(ID_GAME_STOP);
            --m_gamesOver;
        }
        m_gamesOver += wasRunning && !frame.Running();
        Check();
    }

    long m_games = 0, m_gamesOver = 0; // games that ended with a full board

    void Click() {
        CFieldGame& field = m_game.m_field;
        // Mostly balls when nothing is selected, mostly free cells otherwise.
        const bool wantBall = (field.SelCol() == -1) == (m_random() % 4 != 0);
        int index = static_cast<int>(m_random() % 81);
        for (int tries = 0; tries < 81 && HoldsBall(m_game.m_cells[index]) != wantBall; ++tries)
            index = (index + 1) % 81;
        const bool attempt = field.SelCol() != -1 && !HoldsBall(m_game.m_cells[index]);
        if (attempt) m_savedRemoved = m_removed;
        const int canUndo = m_game.m_frame.CanUndo();
        m_game.Click(IndexCol(index), IndexRow(index));
        const bool moved = attempt && field.SelCol() == -1;
        m_removed += m_emptied - (moved ? 1 : 0);
        // A refused move leaves Undo as it was; a move makes it possible
        // unless it ended the game.
        EXPECT_TRUE(!attempt ||
                    m_game.m_frame.CanUndo() == (moved ? m_game.m_frame.Running() : canUndo));
    }

    void Skip() {
        CFrameLogic& frame = m_game.m_frame;
        auto before =
            std::tuple(m_game.Position(), m_game.m_field.Seed(), m_game.m_scoreBar.Score());
        if (!frame.OnCommand(ID_GAME_SKIP)) return;
        m_savedRemoved = m_removed;
        m_removed += m_emptied;
        if (m_random() % 3 != 0 || !frame.Running()) return;
        // Undo brings back the position (selection dropped), the score and the
        // seed, and the same skip deals the same balls again.
        const auto after = std::pair(m_game.Position(), m_game.m_field.Seed());
        frame.OnCommand(ID_GAME_UNDO);
        for (auto& cell : std::get<0>(before))
            cell.second -= cell.second == Selected ? Selected : 0;
        EXPECT_EQ(std::tuple(m_game.Position(), m_game.m_field.Seed(), m_game.m_scoreBar.Score()),
                  before);
        frame.OnCommand(ID_GAME_SKIP);
        EXPECT_EQ(std::pair(m_game.Position(), m_game.m_field.Seed()), after);
    }

    void Tick() {
        const int canUndo = m_game.m_frame.CanUndo();
        const bool expiring = m_game.ClockRunning() && m_game.m_scoreBar.SecondsLeft() == 0;
        m_game.Tick();
        EXPECT_EQ(m_game.m_frame.CanUndo(), expiring && !g_classical ? 0 : canUndo);
        m_removed += m_emptied;
        m_emptied = 0;
    }

    void Check() {
        const CFieldGame& field = m_game.m_field;
        const CFrameLogic& frame = m_game.m_frame;
        // At most one Selected cell, and it is the selection.
        EXPECT_EQ(field.SelCol() == -1, field.SelRow() == -1);
        EXPECT_EQ(m_game.Count(Selected), field.SelCol() == -1 ? 0 : 1);
        EXPECT_TRUE(field.SelCol() == -1 ||
                    field.Cell(field.SelCol(), field.SelRow())->m_state == Selected);
        for (const CTestCell& cell : m_game.m_cells)
            EXPECT_TRUE(cell.m_colour >= 0 && cell.m_colour <= 7 &&
                        (cell.m_colour || cell.m_state == Normal));
        EXPECT_LE(m_game.Count(Preview), 3);
        EXPECT_EQ(m_game.m_scoreBar.Score(), 2u * static_cast<unsigned>(m_removed));
        EXPECT_EQ(frame.Running(), field.Active());
        EXPECT_TRUE(frame.Running() ? m_game.Count(Preview) > 0 : frame.CanUndo() == 0);
    }

    CTestGame m_game;
    std::mt19937 m_random;
    long m_emptied = 0, m_removed = 0, m_savedRemoved = 0;
};

TEST(RandomGames, BothStylesKeepEveryInvariant) {
    const unsigned seed = TestSeed(1);
    for (auto [classical, offset, games] : {std::array{0, 0, 2000}, {1, 1, 1000}}) {
        const unsigned randomSeed = seed + static_cast<unsigned>(offset);
        CRandomGame play(static_cast<int>(randomSeed * 7919u), randomSeed);
        g_classical = classical;
        while (play.m_games < games && !::testing::Test::HasFailure()) play.Step();
        EXPECT_GT(play.m_gamesOver, games / 3);
    }
}

} // namespace
