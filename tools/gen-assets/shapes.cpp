#include "shapes.h"

#include <cmath>

namespace {

// Coverage test in unit coordinates (0..1 across the square); e is half a
// pixel, so that the outermost pixels reach the square's edges.
bool Covers(Shape shape, double u, double v, double e) {
    const double du = std::fabs(u - 0.5), dv = std::fabs(v - 0.5);
    switch (shape) {
    case Shape::Disc:
        return du * du + dv * dv <= 0.25 + e * 0.1;
    case Shape::Diamond:
        return du + dv <= 0.5 + e * 0.5;
    case Shape::TriangleUp:
        return du <= v / 2 + e * 0.6;
    case Shape::TriangleDown:
        return du <= (1 - v) / 2 + e * 0.6;
    case Shape::Hexagon:
        return dv + du / 2 <= 0.5 + e * 0.5;
    case Shape::Square:
        return true;
    case Shape::Crescent:
    case Shape::CrescentBody: {
        // A disc with a larger disc taken out on the right, squeezed so that
        // the horns reach the right edge; a nose stands out from the
        // hollow's edge. The body is the disc alone, which catches the light.
        const double p = u * 0.73, pe = e * 0.73;
        const double outer = (p - 0.5) * (p - 0.5) + dv * dv;
        if (outer > 0.25 + pe * 0.2) return false;
        if (shape == Shape::CrescentBody) return true;
        const double hollow = (p - 0.86) * (p - 0.86) + dv * dv;
        const double tip =
            v <= 0.53 ? 0.575 + 0.145 * (v - 0.40) / 0.13 : 0.72 - 0.145 * (v - 0.53) / 0.04;
        const bool nose = v > 0.40 && v < 0.57 && u <= tip;
        return hollow >= 0.44 * 0.44 || nose;
    }
    }
    return false;
}

} // namespace

Mask MakeMask(Shape shape, int size) {
    Mask mask;
    mask.size = size;
    mask.bits.resize(std::size_t(size * size));
    const double e = 0.5 / size;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            mask.bits[std::size_t(y * size + x)] =
                Covers(shape, (x + 0.5) / size, (y + 0.5) / size, e);
    return mask;
}

Mask Rim(const Mask& mask, int k) {
    if (k > 1) {
        const Mask outer = Rim(mask);
        Mask rest = mask;
        for (std::size_t i = 0; i < rest.bits.size(); ++i)
            rest.bits[i] = mask.bits[i] && !outer.bits[i];
        Mask rim = Rim(rest, k - 1);
        for (std::size_t i = 0; i < rim.bits.size(); ++i)
            rim.bits[i] = rim.bits[i] || outer.bits[i];
        return rim;
    }
    Mask rim = mask;
    for (int y = 0; y < mask.size; ++y)
        for (int x = 0; x < mask.size; ++x)
            rim.bits[std::size_t(y * mask.size + x)] =
                mask.At(x, y) &&
                !(mask.At(x - 1, y) && mask.At(x + 1, y) && mask.At(x, y - 1) && mask.At(x, y + 1));
    return rim;
}
