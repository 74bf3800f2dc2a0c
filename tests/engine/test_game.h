// A whole game wired with plain cells, manual timers and a cue recorder.
#pragma once

#include <array>
#include <string_view>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "app/frame_logic.h"
#include "engine/cue.h"
#include "engine/field_game.h"
#include "engine/manual_timers.h"
#include "engine/plain_cell.h"
#include "engine/settings.h"
#include "score/score_keeper.h"

using Cues = std::vector<unsigned>;
constexpr unsigned kModule = 0x10000; // added to a cue played from the sound module

struct CCueRecorder : CCuePlayer {
    void PlaySound(unsigned id, bool fromModule) override {
        m_ids.push_back(id + (fromModule ? kModule : 0));
    }
    Cues m_ids;
};

class CTestGame {
public:
    explicit CTestGame(int seed = 1) : m_field(seed) {
        Wire(m_field, &m_scoreBar, &m_frame);
        m_scoreBar.Attach(&m_field, &m_panelTimers);
        m_frame.Attach(&m_field, &m_scoreBar, &m_frameTimers);
        g_classical = 0, g_soundOn = 1, g_soundModule = nullptr;
        SetCuePlayer(&m_cues);
    }
    ~CTestGame() { SetCuePlayer(nullptr); }

    // Hands these cells to another field, e.g. one that records its display hooks.
    void Wire(CFieldGame& field, CScorePanel* panel, CGameFlags* flags) {
        for (int i = 0; i < CFieldGame::kCells; ++i) field.m_cells[i] = &m_cells[i];
        field.m_scoreBar = panel, field.m_frame = flags;
    }

    CPlainCell& At(int col, int row) { return m_cells[CellIndex(col, row)]; }

    // Rows top to bottom, split by '/': '.' empty, '1'-'7' a Normal ball, 'A'-'G'
    // a Sad one, 'a'-'g' a Preview; whatever is left out is empty.
    void Load(std::string_view board) {
        for (CPlainCell& cell : m_cells) cell.SetBall(0, Normal);
        int col = 0, row = 0;
        for (const char c : board) {
            if (c == '/') {
                ++row, col = 0;
                continue;
            }
            ASSERT_TRUE(col < 9 && row < 9) << board;
            CPlainCell& cell = At(col++, row);
            if (c >= '1' && c <= '7') cell.SetBall(c - '0', Normal);
            if (c >= 'A' && c <= 'G') cell.SetBall(c - 'A' + 1, Sad);
            if (c >= 'a' && c <= 'g') cell.SetBall(c - 'a' + 1, Preview);
        }
    }

    // A running game on a loaded board, as if Start had been given.
    void Play(std::string_view board = "") {
        m_field.m_active = m_frame.m_running = 1;
        m_frame.m_canStart = 0;
        m_scoreBar.ResetScore();
        Load(board);
    }

    // Fills every cell with a pattern whose neighbours differ in every direction.
    void FillWithoutRuns() {
        for (int i = 0; i < kBoardCells; ++i)
            At(IndexCol(i), IndexRow(i)).SetBall((3 * IndexRow(i) + IndexCol(i)) % 7 + 1, Normal);
    }

    // Every cell as (colour, state), for comparing whole positions.
    std::vector<std::pair<int, int>> Position() const {
        std::vector<std::pair<int, int>> cells;
        for (const CCell* cell : m_field.m_cells) cells.emplace_back(cell->m_colour, cell->m_state);
        return cells;
    }

    int Count(int state) const {
        int n = 0;
        for (const CCell* cell : m_field.m_cells) n += cell->m_colour && cell->m_state == state;
        return n;
    }
    int Balls() const { return Count(Normal) + Count(Sad) + Count(Selected); }
    std::pair<int, int> Selection() const { return {m_field.m_selCol, m_field.m_selRow}; }
    void Click(int col, int row) { m_field.OnCommand(CellCommandId(col, row)); }

    void Tick(int count = 1) {
        for (int i = 0; i < count; ++i) {
            if (m_frameTimers.IsRunning(1)) m_frame.OnTimer(1);
            if (m_panelTimers.IsRunning(1)) m_scoreBar.OnTimer(1);
        }
    }
    bool ClockRunning() const { return m_panelTimers.IsRunning(1); }

    std::array<CPlainCell, CFieldGame::kCells> m_cells;
    CManualTimers m_frameTimers, m_panelTimers;
    CFieldGame m_field;
    CScoreKeeper m_scoreBar;
    CFrameLogic m_frame;
    CCueRecorder m_cues;
};
