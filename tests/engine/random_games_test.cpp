// Thousands of random games, with the game's invariants checked after every
// step.
#include <random>

#include "test_game.h"

namespace {

// Counts balls that vanish from the board.
struct CCountingCell : CPlainCell {
    int SetBall(int colour, int state) override {
        if (HoldsBall(*this) && colour == 0) ++*m_emptied;
        return CPlainCell::SetBall(colour, state);
    }
    long* m_emptied = nullptr;
};

class CRandomGame {
public:
    CRandomGame(int seed, unsigned randomSeed) : m_game(seed), m_random(randomSeed) {
        for (int i = 0; i < 81; ++i) {
            m_cells[i].m_emptied = &m_emptied;
            m_game.m_field.m_cells[i] = &m_cells[i];
        }
    }

    // One random action, then every invariant.
    void Step() {
        const unsigned roll = m_random() % 1000;
        CFrameLogic& frame = m_game.m_frame;
        const bool wasRunning = frame.m_running != 0;
        if (!frame.m_running) {
            Start();
        } else if (roll < 800) {
            Click();
        } else if (roll < 880) {
            Skip();
        } else if (roll < 940) {
            if (frame.IsEnabled(ID_GAME_UNDO)) {
                frame.OnCommand(ID_GAME_UNDO);
                m_removed = m_savedRemoved;
            }
        } else if (roll < 998) {
            Ticks(1 + static_cast<int>(m_random() % 40));
        } else {
            frame.OnCommand(ID_GAME_STOP);
            --m_gamesOver;
        }
        if (wasRunning && !frame.m_running) ++m_gamesOver;
        Check();
    }

    long m_games = 0;
    long m_gamesOver = 0; // games that ended with a full board

private:
    void Start() {
        m_game.m_frame.OnCommand(ID_GAME_START);
        m_removed = 0;
        ++m_games;
        EXPECT_EQ(m_game.Count(Normal), 3);
        EXPECT_EQ(m_game.Count(Preview), 3);
    }

    void Click() {
        CFieldGame& field = m_game.m_field;
        // Mostly balls when nothing is selected, mostly free cells otherwise.
        const bool wantBall = (field.m_selCol == -1) == (m_random() % 4 != 0);
        int index = static_cast<int>(m_random() % 81);
        for (int tries = 0; tries < 81 && HoldsBall(m_cells[index]) != wantBall; ++tries)
            index = (index + 1) % 81;
        const bool attempt = field.m_selCol != -1 && !HoldsBall(m_cells[index]);
        if (attempt) m_savedRemoved = m_removed;
        m_emptied = 0;
        field.OnCommand(10000 + 9 * (index % 9) + index / 9);
        const bool moved = attempt && field.m_selCol == -1;
        m_removed += m_emptied - (moved ? 1 : 0);
    }

    void Skip() {
        if (!m_game.m_frame.IsEnabled(ID_GAME_SKIP)) return;
        m_savedRemoved = m_removed;
        const auto before = m_game.Position();
        const int seed = m_game.m_field.m_seed;
        const unsigned score = m_game.m_scoreBar.m_score;
        m_emptied = 0;
        m_game.m_frame.OnCommand(ID_GAME_SKIP);
        m_removed += m_emptied;
        if (m_random() % 3 != 0 || !m_game.m_frame.m_running) return;

        // Undo brings back the position, the score and the seed, and the
        // same skip deals the same balls again.
        const auto after = m_game.Position();
        const int afterSeed = m_game.m_field.m_seed;
        m_game.m_frame.OnCommand(ID_GAME_UNDO);
        auto expected = before;
        for (auto& cell : expected)
            if (cell.second == Selected) cell.second = Normal;
        EXPECT_EQ(m_game.Position(), expected);
        EXPECT_EQ(m_game.m_field.m_seed, seed);
        EXPECT_EQ(m_game.m_scoreBar.m_score, score);
        m_game.m_frame.OnCommand(ID_GAME_SKIP);
        EXPECT_EQ(m_game.Position(), after);
        EXPECT_EQ(m_game.m_field.m_seed, afterSeed);
    }

    void Ticks(int count) {
        for (int i = 0; i < count; ++i) {
            m_emptied = 0;
            const int canUndo = m_game.m_frame.m_canUndo;
            const bool expiring = m_game.ClockRunning() && m_game.m_scoreBar.m_secondsLeft == 0;
            m_game.Tick();
            m_removed += m_emptied;
            if (expiring && g_classical == 0) {
                EXPECT_EQ(m_game.m_frame.m_canUndo, 0);
            }
            if (expiring && g_classical != 0) {
                EXPECT_EQ(m_game.m_frame.m_canUndo, canUndo);
            }
        }
    }

    void Check() {
        const CFieldGame& field = m_game.m_field;
        // At most one Selected cell, and it is the selection.
        EXPECT_EQ(field.m_selCol == -1, field.m_selRow == -1);
        if (field.m_selCol == -1) {
            EXPECT_EQ(m_game.Count(Selected), 0);
        } else {
            EXPECT_EQ(m_game.Count(Selected), 1);
            EXPECT_EQ(field.Cell(field.m_selCol, field.m_selRow)->m_state, Selected);
        }
        for (int i = 0; i < 81; ++i) EXPECT_NE(field.m_undoState[i], Selected);
        EXPECT_LE(m_game.Count(Preview), 3);
        for (const CPlainCell& cell : m_cells) {
            EXPECT_GE(cell.m_colour, 0);
            EXPECT_LE(cell.m_colour, 7);
            if (cell.m_colour == 0) {
                EXPECT_EQ(cell.m_state, Normal);
            }
        }
        EXPECT_EQ(m_game.m_scoreBar.m_score, 2u * static_cast<unsigned>(m_removed));
        const CFrameLogic& frame = m_game.m_frame;
        EXPECT_EQ(frame.m_running, field.m_active);
        EXPECT_EQ(frame.m_canStart, 1 - frame.m_running);
        if (!frame.m_running) {
            EXPECT_EQ(frame.m_canUndo, 0);
        }
        if (frame.m_running) {
            EXPECT_GT(m_game.Count(Preview), 0);
        }
    }

    std::array<CCountingCell, 81> m_cells;
    CTestGame m_game;
    std::mt19937 m_random;
    long m_emptied = 0;
    long m_removed = 0;
    long m_savedRemoved = 0;
};

void PlayGames(int classical, unsigned randomSeed, long games) {
    CRandomGame play(static_cast<int>(randomSeed * 7919u), randomSeed);
    g_classical = classical;
    while (play.m_games < games && !::testing::Test::HasFailure()) play.Step();
    EXPECT_GE(play.m_games, games);
    EXPECT_GT(play.m_gamesOver, games / 3);
}

TEST(RandomGames, AdvancedStyleKeepsEveryInvariant) {
    PlayGames(0, 1, 2000);
}

TEST(RandomGames, ClassicalStyleKeepsEveryInvariant) {
    PlayGames(1, 2, 1000);
}

} // namespace
