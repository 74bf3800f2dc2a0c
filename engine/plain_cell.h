// A cell without a display: SetBall only stores the pair. Used where the
// game runs headless (the driver, tests, benchmarks).
#pragma once

#include "engine/collaborators.h"

class CPlainCell : public CCell {
public:
    int SetBall(int colour, int state) override {
        m_colour = colour;
        m_state = state;
        return 1;
    }
};
