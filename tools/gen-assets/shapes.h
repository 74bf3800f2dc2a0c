// The outlines of the ball shapes as pixel masks.
#pragma once

#include <cstddef>
#include <vector>

enum class Shape {
    Disc,
    Diamond,
    TriangleUp,
    TriangleDown,
    Hexagon,
    Crescent,
    Square,
    CrescentBody
};

// A size × size mask: true where the shape covers the pixel.
struct Mask {
    int size = 0;
    std::vector<bool> bits;
    bool At(int x, int y) const {
        return x >= 0 && y >= 0 && x < size && y < size && bits[std::size_t(y * size + x)];
    }
};

Mask MakeMask(Shape shape, int size);

// The mask's rim: covered pixels with an uncovered (or off-grid) 4-neighbour;
// a rim of thickness k peels k such layers.
Mask Rim(const Mask& mask, int k = 1);
