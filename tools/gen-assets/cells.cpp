#include "cells.h"

#include "palette.h"
#include "shapes.h"

#include <cmath>
#include <cstring>
#include <map>
#include <vector>

namespace {

using namespace pal;

constexpr int kCell = 32;

struct Ball {
    int fill, shade, shine, face;
    Shape other;
};

// Colours 1–7: fill, shading, highlight arc, face colour, non-round shape.
const Ball kBalls[8] = {
    {LightGrey, LightGrey, LightGrey, Black, Shape::Disc},
    {DarkRed, DarkRed, Red, Yellow, Shape::Diamond},
    {Magenta, DarkMagenta, White, Black, Shape::TriangleUp},
    {Red, DarkRed, White, Black, Shape::TriangleDown},
    {Yellow, DarkYellow, White, Black, Shape::Disc},
    {Green, DarkGreen, White, Black, Shape::Hexagon},
    {Cyan, DarkCyan, White, Black, Shape::Crescent},
    {Blue, DarkBlue, Cyan, Yellow, Shape::Square},
};

// A small picture in characters: '.' leaves the pixel, 'X' is the face
// colour, the other letters are fixed palette colours.
using Sprite = std::vector<const char*>;

void Stamp(QImage& image, int left, int top, const Sprite& sprite, int face) {
    static const std::map<char, int> fixed = {{'K', Black},  {'W', White},   {'R', Red},
                                              {'Y', Yellow}, {'D', DarkRed}, {'G', DarkGrey}};
    for (int row = 0; row < int(sprite.size()); ++row) {
        for (int col = 0; sprite[size_t(row)][col]; ++col) {
            const char ch = sprite[size_t(row)][col];
            if (ch == '.') continue;
            const int index = ch == 'X' ? face : fixed.at(ch);
            const int x = left + col, y = top + row;
            if (image.valid(x, y)) image.setPixel(x, y, uint(index));
        }
    }
}

int Width(const Sprite& sprite) {
    return int(std::strlen(sprite[0]));
}

Sprite Flipped(const Sprite& sprite) {
    return Sprite(sprite.rbegin(), sprite.rend());
}

const Sprite kSmile12 = {"X..........X", ".X........X.", "..XX....XX..", "....XXXX...."};
const Sprite kSmile10 = {"X........X", ".X......X.", "..XXXXXX.."};
const Sprite kLaugh12 = {"XXXXXXXXXXXX", "XWWWWWWWWWWX", "XRRRRRRRRRRX",
                         ".XRRRRRRRRX.", "..XRRRRRRX..", "...XXXXXX..."};
const Sprite kLaugh10 = {"XXXXXXXXXX", "XWWWWWWWWX", ".XRRRRRRX.", "..XRRRRX..", "...XXXX..."};
const Sprite kEye = {"XX", "XX", "XX"};
const Sprite kEyeShiny = {"WX", "XX", "XX"};
const Sprite kHappyEye = {".XX.", "X..X"};
const Sprite kBrowLeft = {"..XX", "XX.."};
const Sprite kBrowRight = {"XX..", "..XX"};

// Where the face sits on a shape: eye row, half the eye spacing, mouth row,
// mouth width.
struct FaceSpot {
    int eyeTop, spread, mouthTop, mouthWidth;
};

FaceSpot SpotOf(Shape shape) {
    switch (shape) {
    case Shape::Diamond:
        return {10, 4, 18, 10};
    case Shape::TriangleUp:
        return {15, 3, 21, 10};
    case Shape::TriangleDown:
        return {6, 4, 12, 10};
    default:
        return {10, 5, 18, 12};
    }
}

void DrawFrontFace(QImage& image, Shape shape, int state, int face) {
    const FaceSpot spot = SpotOf(shape);
    const int leftEye = 16 - spot.spread - 1, rightEye = 16 + spot.spread - 1;
    const bool wide = spot.mouthWidth == 12;
    const Sprite& eye = face == Black ? kEyeShiny : kEye;
    const Sprite& smile = wide ? kSmile12 : kSmile10;
    const Sprite& laugh = wide ? kLaugh12 : kLaugh10;
    const int mouthLeft = 16 - spot.mouthWidth / 2;
    switch (state) {
    case 0:
        Stamp(image, leftEye, spot.eyeTop, eye, face);
        Stamp(image, rightEye, spot.eyeTop, eye, face);
        Stamp(image, mouthLeft, spot.mouthTop, smile, face);
        break;
    case 1:
        Stamp(image, leftEye, spot.eyeTop + 1, eye, face);
        Stamp(image, rightEye, spot.eyeTop + 1, eye, face);
        Stamp(image, leftEye - 2, spot.eyeTop - 2, kBrowLeft, face);
        Stamp(image, rightEye, spot.eyeTop - 2, kBrowRight, face);
        Stamp(image, mouthLeft, spot.mouthTop + 1, Flipped(smile), face);
        break;
    case 2:
        Stamp(image, leftEye - 1, spot.eyeTop, kHappyEye, face);
        Stamp(image, rightEye - 1, spot.eyeTop, kHappyEye, face);
        Stamp(image, mouthLeft, spot.mouthTop - 1, laugh, face);
        break;
    }
}

// The moon looks right: one eye, the nose on the hollow's edge, the mouth
// below it.
void DrawProfileFace(QImage& image, int state, int face) {
    switch (state) {
    case 0:
        Stamp(image, 13, 9, {"WX", "XX", "XX"}, face);
        Stamp(image, 13, 20, {"X....", ".XXXX"}, face);
        break;
    case 1:
        Stamp(image, 11, 7, {"XX..", "..XX"}, face);
        Stamp(image, 13, 10, {"WX", "XX", "XX"}, face);
        Stamp(image, 13, 20, {".XXXX", "X...."}, face);
        break;
    case 2:
        Stamp(image, 12, 10, {".XX.", "X..X"}, face);
        Stamp(image, 13, 19, {"XXXXXK", ".XWWRR", ".XRRRR", "..XRRR", "...XXK"}, face);
        break;
    }
}

// Outline, shading on the lower right and a light arc on the upper left.
// The light falls on the body, which is the shape itself except for the moon.
void PaintBody(QImage& image, int left, int top, const Mask& mask, const Mask& body,
               const Ball& ball) {
    const Mask rim = Rim(mask), bodyRim = Rim(body);
    auto inner = [&](int x, int y) { return body.At(x, y) && !bodyRim.At(x, y); };
    double cx = 0, cy = 0;
    int n = 0;
    for (int y = 0; y < mask.size; ++y)
        for (int x = 0; x < mask.size; ++x)
            if (mask.At(x, y)) cx += x, cy += y, ++n;
    cx /= n, cy /= n;
    for (int y = 0; y < mask.size; ++y) {
        for (int x = 0; x < mask.size; ++x) {
            if (!mask.At(x, y)) continue;
            int index = ball.fill;
            if (rim.At(x, y)) {
                index = Black;
            } else if (!inner(x + 2, y + 2) || !inner(x + 1, y + 2) || !inner(x + 2, y + 1)) {
                index = ball.shade;
            } else if (inner(x - 1, y - 1) && !inner(x - 2, y - 2) && !inner(x - 3, y - 3)) {
                const double angle = std::atan2(y - cy, x - cx) * 180 / M_PI;
                if (angle > -165 && angle < -105) index = ball.shine;
            }
            image.setPixel(left + x, top + y, uint(index));
        }
    }
}

void DrawBall(QImage& image, const Ball& ball, Shape shape, int state) {
    const Shape body = shape == Shape::Crescent ? Shape::CrescentBody : shape;
    PaintBody(image, 0, 0, MakeMask(shape, kCell), MakeMask(body, kCell), ball);
    if (shape == Shape::Crescent)
        DrawProfileFace(image, state, ball.face);
    else
        DrawFrontFace(image, shape, state, ball.face);
}

void DrawPreview(QImage& image, const Ball& ball, Shape shape) {
    const int size = shape == Shape::Diamond ? 16 : 12;
    const int offset = (kCell - size) / 2;
    const Mask mask = MakeMask(shape, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (mask.At(x, y)) image.setPixel(offset + x, offset + y, uint(ball.fill));
}

const Sprite kErrorWord = {"RRRRR.RRRR..RRRR...RRR..RRRR.", "R.....R...R.R...R.R...R.R...R",
                           "R.....R...R.R...R.R...R.R...R", "RRRR..RRRR..RRRR..R...R.RRRR.",
                           "R.....R.R...R.R...R...R.R.R..", "R.....R..R..R..R..R...R.R..R.",
                           "RRRRR.R...R.R...R..RRR..R...R"};

void DrawError(QImage& image, int state) {
    Stamp(image, 2, 1, kErrorWord, Black);
    for (int x = 2; x <= 29; ++x)
        for (int y = 10; y <= 11; ++y) image.setPixel(x, y, uint(Red));
    static const Sprite smile = {"K..............K", ".K............K.", "..KK........KK..",
                                 "....KK....KK....", "......KKKK......"};
    static const Sprite grin = {"KKKKKKKKKKKKKKKK", "KYKYYKYYKYYKYYKK", "KYKYYKYYKYYKYYKK",
                                ".KKKKKKKKKKKKKK.", "..KYYKYYKYYKYK..", "...KKKKKKKKKK..."};
    if (state == 1) Stamp(image, 8, 19, smile, Black);
    if (state == 2) Stamp(image, 8, 19, Flipped(smile), Black);
    if (state == 3) Stamp(image, 8, 18, grin, Black);
}

} // namespace

QImage DrawCell(int colour, int state, bool round) {
    QImage image = Blank16(kCell, kCell, LightGrey);
    if (colour == 0) {
        if (state != 0) DrawError(image, state);
        return image;
    }
    const Ball& ball = kBalls[colour];
    const Shape shape = round ? Shape::Disc : ball.other;
    if (state == 3)
        DrawPreview(image, ball, shape);
    else
        DrawBall(image, ball, shape, state);
    return image;
}

namespace {

// Plots an elliptic arc from angle a0 to a1 (radians, y down).
void Arc(QImage& image, double cx, double cy, double rx, double ry, double a0, double a1,
         int index) {
    for (double t = a0; t <= a1; t += 0.01) {
        const int x = int(std::lround(cx + rx * std::cos(t)));
        const int y = int(std::lround(cy + ry * std::sin(t)));
        if (image.valid(x, y)) image.setPixel(x, y, uint(index));
    }
}

void Fill(QImage& image, int x0, int y0, int w, int h, int index) {
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x)
            if (image.valid(x, y)) image.setPixel(x, y, uint(index));
}

} // namespace

void DrawFaceBall(QImage& image, int left, int top, int d, int fill, int shade, Mood mood) {
    const Ball ball{fill, shade, White, Black, Shape::Disc};
    const Mask disc = MakeMask(Shape::Disc, d);
    PaintBody(image, left, top, disc, disc, ball);
    const double cx = left + d / 2.0 - 0.5;
    const int eyeW = d >= 22 ? 2 : 1, eyeH = d >= 22 ? 3 : 2;
    const int eyeY = top + int(std::lround(0.3 * d));
    const int eyeL = left + int(std::lround(0.33 * d)) - eyeW / 2;
    const int eyeR = left + d - 1 - (eyeL - left) - (eyeW - 1);
    const double rx = 0.27 * d, ry = 0.2 * d;
    if (mood == Mood::Cool) {
        // Dark glasses: two lenses on a bar across the eyes.
        const int lensW = int(std::lround(0.28 * d)), lensH = d >= 22 ? 4 : 3;
        Fill(image, left + 3, eyeY, d - 6, 1, Black);
        Fill(image, cx - lensW - 0.5, eyeY, lensW, lensH, Black);
        Fill(image, cx + 1.5, eyeY, lensW, lensH, Black);
        image.setPixel(int(cx - lensW + 0.5), eyeY + 1, uint(White));
        image.setPixel(int(cx + 2.5), eyeY + 1, uint(White));
    } else {
        Fill(image, eyeL, eyeY, eyeW, eyeH, Black);
        Fill(image, eyeR, eyeY, eyeW, eyeH, Black);
        if (eyeW == 2) {
            image.setPixel(eyeL, eyeY, uint(White));
            image.setPixel(eyeR, eyeY, uint(White));
        }
    }
    switch (mood) {
    case Mood::Smile:
    case Mood::Cool:
    case Mood::Laugh:
        Arc(image, cx, top + 0.5 * d, rx, ry, 0.2 * M_PI, 0.8 * M_PI, Black);
        break;
    case Mood::Frown:
        Arc(image, cx, top + 0.86 * d, rx, ry, 1.2 * M_PI, 1.8 * M_PI, Black);
        break;
    case Mood::Puzzled:
        // A crooked mouth and one raised brow.
        for (int i = 0; i < int(0.4 * d); ++i)
            image.setPixel(int(cx - 0.2 * d) + i, top + int(0.7 * d) - (i * 2) / int(0.4 * d),
                           uint(Black));
        Fill(image, eyeR - 1, eyeY - 3, eyeW + 2, 1, Black);
        break;
    }
}
