// A whole game wired with plain cells, manual timers and a cue recorder.
#pragma once

#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/frame_logic.h"
#include "app/settings.h"
#include "engine/field_game.h"
#include "engine/plain_cell.h"
#include "platform/manual_timers.h"
#include "score/score_keeper.h"
#include "sound/cue.h"

struct CCueRecorder : CCuePlayer {
    void PlaySound(unsigned id, bool fromModule) override {
        m_ids.push_back(id);
        m_fromModule.push_back(fromModule);
    }
    std::vector<unsigned> m_ids;
    std::vector<bool> m_fromModule;
};

inline int CellId(int col, int row) {
    return 10000 + 9 * row + col;
}

class CTestGame {
public:
    explicit CTestGame(int seed = 1) : m_field(seed) {
        for (int i = 0; i < CFieldGame::kCells; ++i) m_field.m_cells[i] = &m_cells[i];
        m_field.m_scoreBar = &m_scoreBar;
        m_field.m_frame = &m_frame;
        m_scoreBar.Attach(&m_field, &m_panelTimers);
        m_frame.Attach(&m_field, &m_scoreBar, &m_frameTimers);
        g_classical = 0;
        g_soundOn = 1;
        g_soundModule = nullptr;
        SetCuePlayer(&m_cues);
    }
    ~CTestGame() { SetCuePlayer(nullptr); }
    CTestGame(const CTestGame&) = delete;
    CTestGame& operator=(const CTestGame&) = delete;

    CPlainCell& At(int col, int row) { return m_cells[9 * col + row]; }

    // Fills the board from nine rows of nine characters: '.' empty, '1'-'7' a
    // Normal ball, 'A'-'G' a Sad ball, 'a'-'g' a Preview of colours 1-7.
    void Load(const std::array<const char*, 9>& rows) {
        for (int row = 0; row < 9; ++row) {
            for (int col = 0; col < 9; ++col) {
                const char c = rows[row][col];
                CPlainCell& cell = At(col, row);
                if (c >= '1' && c <= '7')
                    cell.SetBall(c - '0', Normal);
                else if (c >= 'A' && c <= 'G')
                    cell.SetBall(c - 'A' + 1, Sad);
                else if (c >= 'a' && c <= 'g')
                    cell.SetBall(c - 'a' + 1, Preview);
                else
                    cell.SetBall(0, Normal);
            }
        }
    }

    // A running game on a loaded board, as if Start had been given.
    void Play(const std::array<const char*, 9>& rows) {
        m_field.m_active = 1;
        m_frame.m_running = 1;
        m_frame.m_canStart = 0;
        m_scoreBar.ResetScore();
        Load(rows);
    }

    // Every cell of the board as "colour state" pairs, for comparing whole positions.
    std::vector<std::pair<int, int>> Position() const {
        std::vector<std::pair<int, int>> cells;
        for (const CCell* cell : m_field.m_cells) cells.emplace_back(cell->m_colour, cell->m_state);
        return cells;
    }

    int Count(int state) const {
        int n = 0;
        for (const CCell* cell : m_field.m_cells)
            if (cell->m_colour != 0 && cell->m_state == state) ++n;
        return n;
    }

    int Balls() const { return Count(Normal) + Count(Sad) + Count(Selected); }

    void Tick(int count = 1) {
        for (int i = 0; i < count; ++i) {
            if (m_frameTimers.IsRunning(1)) m_frame.OnTimer(1);
            if (m_panelTimers.IsRunning(1)) m_scoreBar.OnTimer(1);
        }
    }

    bool ClockRunning() const { return m_panelTimers.IsRunning(1); }

    std::array<CPlainCell, CFieldGame::kCells> m_cells;
    CManualTimers m_frameTimers;
    CManualTimers m_panelTimers;
    CFieldGame m_field;
    CScoreKeeper m_scoreBar;
    CFrameLogic m_frame;
    CCueRecorder m_cues;
};

inline const std::array<const char*, 9> kEmptyBoard = {".........", ".........", ".........",
                                                       ".........", ".........", ".........",
                                                       ".........", ".........", "........."};
