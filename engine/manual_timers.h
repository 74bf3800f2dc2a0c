// Timers whose ticks are delivered by hand: the headless driver and the tests
// ask which timers run and call the owner's OnTimer themselves.
#pragma once

#include <set>

#include "engine/collaborators.h"

class CManualTimers : public CTimerHost {
public:
    unsigned SetTimer(unsigned id, unsigned /*milliseconds*/) override {
        if (m_failStarts || id == 0) return 0;
        m_running.insert(id);
        return id;
    }
    int KillTimer(unsigned id) override { return m_running.erase(id) ? 1 : 0; }

    bool IsRunning(unsigned id) const { return m_running.count(id) != 0; }

    // Makes every start fail, as when the platform has no timer left.
    bool m_failStarts = false;

private:
    std::set<unsigned> m_running;
};
