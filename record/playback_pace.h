// The pace of a recorded game being watched: each action comes after the
// time it came after the one before it in the game, but never more than a
// second later, divided by the speed. The speed goes up and down in steps
// from a quarter to eight times; a paused playback waits for no time at all.
#pragma once

#include <cstddef>

#include "record/game_record.h"

class CPlaybackPace {
public:
    static constexpr long long kMaxGapMs = 1000;
    static constexpr int kSpeeds[] = {25, 50, 100, 200, 400, 800}; // percent

    // How long to wait before action `index` of the record (the first one
    // comes after the wait from the start); -1 when there is none, or while
    // paused.
    long long DelayBefore(const CGameRecord& record, std::size_t index) const;

    void Faster();
    void Slower();
    int SpeedPercent() const { return kSpeeds[m_speed]; }

    void TogglePause() { m_paused = !m_paused; }
    bool Paused() const { return m_paused; }

private:
    std::size_t m_speed = 2;
    bool m_paused = false;
};
