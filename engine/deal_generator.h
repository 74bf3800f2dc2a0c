// The dealing generator: a 32-bit linear congruential generator. Every deal
// of every game depends on this exact sequence, so it is ours and never the
// platform's.
#pragma once

#include <cstdint>

class CDealGenerator {
public:
    explicit CDealGenerator(int seed) : m_state(static_cast<std::uint32_t>(seed)) {}

    // The next value, 0 to 32767.
    int Draw() {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7FFFu);
    }

private:
    std::uint32_t m_state;
};
