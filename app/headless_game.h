// A whole game for a host without a window: cells that only keep what they
// are given and two timers whose ticks the host delivers by hand. The
// headless driver, the tests and the benchmarks make their games here; what
// they watch or answer with (the look, the displays, the name host, the cue
// sink, the profile, the seed) comes in the parts they hand over.
#pragma once

#include <array>

#include "app/game.h"
#include "engine/manual_timers.h"
#include "engine/plain_cell.h"
#include "engine/settings.h"

// The cells and the timers, a base of the game so that they are made first.
template <class Cell> struct CHeadlessBoard {
    // parts with these cells and timers put in. The settings go to their
    // defaults, as a first start of the program has them.
    CGameParts Own(CGameParts parts) {
        ResetSettings();
        for (int i = 0; i < kBoardCells; ++i) parts.cells[i] = &m_cells[i];
        parts.clockTimers = &m_clockTimers;
        parts.playTimers = &m_playTimers;
        return parts;
    }

    std::array<Cell, kBoardCells> m_cells;
    CManualTimers m_playTimers;  // the frame's playing time
    CManualTimers m_clockTimers; // the move clock
};

// Cell is CPlainCell or a kind of it that also notes what it is given.
template <class Cell = CPlainCell> class CHeadlessGame : public CHeadlessBoard<Cell>, public CGame {
public:
    // The cells and the timers of parts are replaced with the game's own.
    explicit CHeadlessGame(const CGameParts& parts = {}) : CGame(this->Own(parts)) {}

    // count seconds: each tick goes to the playing-time timer, then to the
    // move clock, to those that run at that moment.
    void Tick(unsigned long long count = 1) {
        for (unsigned long long n = 0; n < count; ++n) {
            if (this->m_playTimers.IsRunning(CFrameLogic::kPlayTimer))
                Frame().OnTimer(CFrameLogic::kPlayTimer);
            if (ClockRunning()) Score().OnTimer(CScoreKeeper::kClockTimer);
        }
    }

    bool ClockRunning() const { return this->m_clockTimers.IsRunning(CScoreKeeper::kClockTimer); }
};
