// Why the move clock stands still. Each cause (the pause box, the minimised
// window) holds the clock from its own start to its own end, whatever the
// other does meanwhile; the clock runs again only when no cause is left.
#pragma once

class CClockHold {
public:
    enum class Cause : unsigned { PauseBox = 1, Minimised = 2 };

    // Starts or ends one cause; the others keep their hold.
    void Set(Cause cause, bool holds) {
        const unsigned bit = static_cast<unsigned>(cause);
        m_causes = holds ? m_causes | bit : m_causes & ~bit;
    }
    bool IsHeld() const { return m_causes != 0; }

private:
    unsigned m_causes = 0;
};
