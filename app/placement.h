// The main window's placement in section WINDOW of the profile file: the
// outer frame's top-left corner and size in screen pixels, and whether the
// window opens maximised.
#pragma once

#include <span>

class CProfile;

struct CWindowRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const CWindowRect&) const = default;
};

struct CPlacement {
    CWindowRect rect{0, 0, 500, 500};
    int state = 1; // nonzero: maximised

    bool operator==(const CPlacement&) const = default;
};

// X, Y, WIDTH, HEIGHT and STATE, with the defaults 0, 0, 500, 500 and 1. A
// size no screen could hold is taken as the default.
CPlacement ReadPlacement(const CProfile& profile);

// What closing stores: the frame as it is, or 0, 0, 500 × 500 with state 1
// when the window is minimised or maximised.
CPlacement PlacementAtClose(const CWindowRect& frame, bool minimised, bool maximised);

// Writes the placement in one edit, only while saving is on; returns whether
// it wrote. A failure is told on standard error.
bool SavePlacement(const CProfile& profile, const CPlacement& placement);

// A frame whose top edge, with its title bar, lies on no screen is moved into
// the screen it meets, or else the first one, the primary; its size is kept.
CWindowRect KeepOnScreens(const CWindowRect& rect, std::span<const CWindowRect> screens);
