// Why the move clock stands still. Each cause (the pause box, the minimised
// window) holds the clock from its own start to its own end, whatever the
// other does meanwhile; the clock runs again only when no cause is left.
#pragma once

class CClockHold {
public:
    // The pause box opens (true) and closes (false).
    void HoldForPauseBox(bool open) { m_pauseBox = open; }
    // The main window is minimised (true) and shown again (false).
    void HoldWhileMinimised(bool minimised) { m_minimised = minimised; }

    bool IsHeld() const { return m_pauseBox || m_minimised; }

private:
    bool m_pauseBox = false;
    bool m_minimised = false;
};
