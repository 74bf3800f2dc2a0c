// A whole game made with plain cells, manual timers and a cue recorder.
#pragma once

#include <array>
#include <string_view>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "app/headless_game.h"
#include "cue_recorder.h"

// A plain cell that can count the balls that vanish from it.
struct CTestCell : CPlainCell {
    int SetBall(int colour, int state) override {
        if (m_emptied) *m_emptied += HoldsBall(*this) && colour == 0;
        return CPlainCell::SetBall(colour, state);
    }
    long* m_emptied = nullptr;
};

struct CTestGame {
    // The look and the name host are optional, to watch.
    explicit CTestGame(int seed = 1, CBoardLook* look = nullptr, CNameDlgHost* names = nullptr)
        : m_game(Parts(seed, look, names)) {}

    CGameParts Parts(int seed, CBoardLook* look, CNameDlgHost* names) {
        CGameParts parts;
        parts.look = look;
        parts.nameHost = names;
        parts.cues = &m_cues;
        parts.seed = seed;
        return parts;
    }

    CTestCell& At(int col, int row) { return m_cells.at(CellIndex(col, row)); }

    // Rows top to bottom, split by '/': '.' empty, '1'-'7' a Normal ball, 'A'-'G'
    // a Sad one, 'a'-'g' a Preview; whatever is left out is empty.
    void Load(std::string_view board) {
        for (CTestCell& cell : m_cells) cell.SetBall(0, Normal);
        int col = 0, row = 0;
        for (const char c : board) {
            const auto k = std::string_view("1234567ABCDEFGabcdefg").find(c);
            if (k != std::string_view::npos)
                At(col, row).SetBall(int(k % 7) + 1, std::array{Normal, Sad, Preview}[k / 7]);
            c == '/' ? (++row, col = 0) : ++col;
        }
    }

    // A running game on a loaded board, from the seed as it was before Start;
    // the cues of Start are dropped.
    void Play(std::string_view board = "") {
        const int seed = m_field.Seed();
        if (!m_frame.Running()) m_frame.OnStart();
        Load(board);
        m_field.SetSeed(seed);
        m_cues.m_ids.clear();
    }

    // Every cell as (colour, state), for comparing whole positions.
    std::vector<std::pair<int, int>> Position() const {
        std::vector<std::pair<int, int>> cells;
        for (const CTestCell& cell : m_cells) cells.emplace_back(cell.m_colour, cell.m_state);
        return cells;
    }

    int Count(int state) const {
        int n = 0;
        for (const CTestCell& cell : m_cells) n += cell.m_colour && cell.m_state == state;
        return n;
    }
    int Balls() const { return Count(Normal) + Count(Sad) + Count(Selected); }
    void Click(int col, int row) { m_field.OnCommand(CellCommandId(col, row)); }

    void Tick(int count = 1) { m_game.Tick(static_cast<unsigned long long>(count)); }
    bool ClockRunning() const { return m_game.ClockRunning(); }

    CCueRecorder m_cues;
    CHeadlessGame<CTestCell> m_game;
    std::array<CTestCell, kBoardCells>& m_cells = m_game.m_cells;
    CFieldGame& m_field = m_game.Field();
    CScoreKeeper& m_scoreBar = m_game.Score();
    CFrameLogic& m_frame = m_game.Frame();
};
