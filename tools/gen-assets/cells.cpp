#include "cells.h"

#include "palette.h"
#include "shapes.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
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
// At scale k the outline is k pixels thick and every band k times as wide;
// from scale 2 on a dithered band softens the step from fill to shade.
void PaintBody(QImage& image, int left, int top, const Mask& mask, const Mask& body,
               const Ball& ball, int k = 1) {
    const Mask rim = Rim(mask, k), bodyRim = Rim(body, k);
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
            } else if (!inner(x + 2 * k, y + 2 * k) || !inner(x + k, y + 2 * k) ||
                       !inner(x + 2 * k, y + k)) {
                index = ball.shade;
            } else if (inner(x - k, y - k) && !inner(x - 2 * k, y - 2 * k) &&
                       !inner(x - 3 * k, y - 3 * k)) {
                const double angle = std::atan2(y - cy, x - cx) * 180 / M_PI;
                if (angle > -165 && angle < -105) index = ball.shine;
            } else if (k > 1 && (x + y) % 2 == 0 && !inner(x + 3 * k, y + 3 * k)) {
                index = ball.shade;
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

// The faces of the larger pictures are drawn, not stamped: the painter works
// on a clear layer without smoothing, in the coordinates of the double-size
// picture, and every pixel it sets is laid onto the picture as the palette
// entry of its colour.
template <typename Draw> void PaintLayer(QImage& image, Draw draw) {
    QImage layer(image.size(), QImage::Format_ARGB32);
    layer.fill(Qt::transparent);
    {
        QPainter painter(&layer);
        const qreal scale = image.width() / (2.0 * kCell);
        if (scale != 1) painter.scale(scale, scale);
        draw(painter);
    }
    const QVector<QRgb> table = Table16();
    for (int y = 0; y < layer.height(); ++y)
        for (int x = 0; x < layer.width(); ++x) {
            const QRgb c = layer.pixel(x, y);
            if (qAlpha(c) == 255) image.setPixel(x, y, uint(table.indexOf(c)));
        }
}

QColor Ink(int index) {
    return QColor::fromRgb(Rgb(index));
}

// A stroke of the face colour, two pixels wide, with round ends.
void Line(QPainter& p, const QPainterPath& path, int colour) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Ink(colour), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

QPainterPath Curve(QPointF from, QPointF control, QPointF to) {
    QPainterPath path(from);
    path.quadTo(control, to);
    return path;
}

// An open laughing mouth: outlined, upper teeth white, the rest red with a
// dark tongue. width × depth below the line at top; tilt lifts its right end.
void LaughingMouth(QPainter& p, QPointF left, double width, double depth, int face) {
    QPainterPath mouth(left);
    mouth.lineTo(left + QPointF(width, 0));
    mouth.cubicTo(left + QPointF(width, depth * 1.3), left + QPointF(0, depth * 1.3), left);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink(Red));
    p.drawPath(mouth);
    p.save();
    p.setClipPath(mouth);
    p.setBrush(Ink(White));
    p.drawRect(QRectF(left.x(), left.y(), width, 3));
    p.setBrush(Ink(DarkRed));
    p.drawEllipse(QRectF(left.x() + width * 0.3, left.y() + depth * 0.62, width * 0.4, depth));
    p.restore();
    Line(p, mouth, face);
}

// An eye of the face colour, 4 × 6, centred on (x, y); dark eyes shine.
void Eye(QPainter& p, double x, double y, int face) {
    p.setPen(Qt::NoPen);
    p.setBrush(Ink(face));
    p.drawEllipse(QRectF(x - 2.5, y - 3.5, 5, 7));
    if (face == Black) {
        p.setBrush(Ink(White));
        p.drawRect(QRectF(x - 2, y - 3, 2, 2));
    }
}

// A closed, happy eye: a small arch.
void HappyEye(QPainter& p, double x, double y, int face) {
    Line(p, Curve({x - 4, y + 2}, {x, y - 4}, {x + 4, y + 2}), face);
}

// The front face at double size, where the single-size face sits: eye row,
// half the eye spacing, mouth row and width all doubled.
void DrawFrontFace2x(QImage& image, Shape shape, int state, int face) {
    const FaceSpot spot = SpotOf(shape);
    const double left = 2 * (16 - spot.spread), right = 2 * (16 + spot.spread);
    const double eyes = 2 * spot.eyeTop + 3, mouth = 2 * spot.mouthTop;
    const double half = spot.mouthWidth; // half the doubled width
    PaintLayer(image, [&](QPainter& p) {
        switch (state) {
        case 0:
            Eye(p, left, eyes, face);
            Eye(p, right, eyes, face);
            Line(p, Curve({32 - half, mouth + 1}, {32, mouth + 11}, {32 + half, mouth + 1}), face);
            Line(p,
                 Curve({32 - half - 1, mouth - 1}, {32 - half, mouth + 1},
                       {32 - half + 1, mouth + 2}),
                 face);
            Line(p,
                 Curve({32 + half + 1, mouth - 1}, {32 + half, mouth + 1},
                       {32 + half - 1, mouth + 2}),
                 face);
            break;
        case 1:
            Eye(p, left, eyes + 2, face);
            Eye(p, right, eyes + 2, face);
            Line(p, Curve({left - 5, eyes - 4}, {left - 1, eyes - 5}, {left + 3, eyes - 8}), face);
            Line(p, Curve({right + 5, eyes - 4}, {right + 1, eyes - 5}, {right - 3, eyes - 8}),
                 face);
            Line(p, Curve({32 - half, mouth + 8}, {32, mouth - 3}, {32 + half, mouth + 8}), face);
            break;
        case 2:
            HappyEye(p, left, eyes, face);
            HappyEye(p, right, eyes, face);
            LaughingMouth(p, {32 - half, mouth - 1}, 2 * half, half * 0.75, face);
            break;
        }
    });
}

// The moon's profile at double size: one eye, the mouth under the nose.
void DrawProfileFace2x(QImage& image, int state, int face) {
    PaintLayer(image, [&](QPainter& p) {
        switch (state) {
        case 0:
            Eye(p, 28, 22, face);
            Line(p, Curve({26, 40}, {28, 43}, {36, 42}), face);
            break;
        case 1:
            Line(p, Curve({22, 15}, {27, 15}, {31, 19}), face);
            Eye(p, 28, 24, face);
            Line(p, Curve({26, 43}, {28, 39}, {36, 40}), face);
            break;
        case 2:
            HappyEye(p, 28, 22, face);
            LaughingMouth(p, {26, 39}, 11, 7, face);
            break;
        }
    });
}

// The bad-combination pictures at double size: the word in bold red
// capitals over a red bar, and below them a face's mouth.
void DrawError2x(QImage& image, int state) {
    PaintLayer(image, [&](QPainter& p) {
        QFont font(QStringLiteral("Nimbus Sans"));
        font.setBold(true);
        font.setPixelSize(17);
        font.setHintingPreference(QFont::PreferFullHinting);
        QPainterPath word;
        word.addText(0, 0, font, QStringLiteral("ERROR"));
        const QRectF box = word.boundingRect();
        p.setPen(Qt::NoPen);
        p.setBrush(Ink(Red));
        p.drawPath(word.translated(32 - box.center().x(), 2 - box.top()));
        p.drawRect(QRectF(4, 20, 56, 4));
        switch (state) {
        case 1:
            Line(p, Curve({17, 38}, {32, 54}, {47, 38}), Black);
            break;
        case 2:
            Line(p, Curve({17, 48}, {32, 32}, {47, 48}), Black);
            break;
        case 3: {
            // A grin of clenched yellow teeth.
            const QRectF mouth(16, 36, 32, 11);
            p.setBrush(Ink(Yellow));
            p.setPen(QPen(Ink(Black), 2));
            p.drawRoundedRect(mouth, 4, 4);
            for (int x = 22; x < 48; x += 6) p.drawLine(QPointF(x, 37), QPointF(x, 46));
            p.drawLine(QPointF(17, 41.5), QPointF(47, 41.5));
            break;
        }
        }
    });
}

// At scale k from 2 on: the double-size drawing, its faces scaled by k / 2.
QImage DrawCellLarge(int colour, int state, bool round, int k) {
    QImage image = Blank16(k * kCell, k * kCell, LightGrey);
    if (colour == 0) {
        if (state != 0) DrawError2x(image, state);
        return image;
    }
    const Ball& ball = kBalls[colour];
    const Shape shape = round ? Shape::Disc : ball.other;
    if (state == 3) {
        const int size = k * (shape == Shape::Diamond ? 16 : 12), offset = (k * kCell - size) / 2;
        const Mask mask = MakeMask(shape, size);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                if (mask.At(x, y)) image.setPixel(offset + x, offset + y, uint(ball.fill));
        return image;
    }
    const Shape body = shape == Shape::Crescent ? Shape::CrescentBody : shape;
    PaintBody(image, 0, 0, MakeMask(shape, k * kCell), MakeMask(body, k * kCell), ball, k);
    if (shape == Shape::Crescent)
        DrawProfileFace2x(image, state, ball.face);
    else
        DrawFrontFace2x(image, shape, state, ball.face);
    return image;
}

} // namespace

QImage DrawCell(int colour, int state, bool round, int k) {
    if (k >= 2) return DrawCellLarge(colour, state, round, k);
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

// Plots an elliptic arc from angle a0 to a1 (radians, y down), k pixels thick.
void Arc(QImage& image, double cx, double cy, double rx, double ry, double a0, double a1, int index,
         int k) {
    for (double t = a0; t <= a1; t += 0.01 / k) {
        const int x = int(std::lround(cx + rx * std::cos(t))) - k / 2;
        const int y = int(std::lround(cy + ry * std::sin(t))) - k / 2;
        for (int dy = 0; dy < k; ++dy)
            for (int dx = 0; dx < k; ++dx)
                if (image.valid(x + dx, y + dy)) image.setPixel(x + dx, y + dy, uint(index));
    }
}

void Fill(QImage& image, int x0, int y0, int w, int h, int index) {
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x)
            if (image.valid(x, y)) image.setPixel(x, y, uint(index));
}

} // namespace

void DrawFaceBall(QImage& image, int left, int top, int d, int fill, int shade, Mood mood, int k) {
    const Ball ball{fill, shade, White, Black, Shape::Disc};
    const Mask disc = MakeMask(Shape::Disc, d);
    PaintBody(image, left, top, disc, disc, ball, k);
    // Feature sizes follow the diameter the face has at single size.
    const int base = d / k;
    const double cx = left + d / 2.0 - 0.5;
    const int eyeW = (base >= 22 ? 2 : 1) * k, eyeH = (base >= 22 ? 3 : 2) * k;
    const int eyeY = top + int(std::lround(0.3 * d));
    const int eyeL = left + int(std::lround(0.33 * d)) - eyeW / 2;
    const int eyeR = left + d - 1 - (eyeL - left) - (eyeW - 1);
    const double rx = 0.27 * d, ry = 0.2 * d;
    if (mood == Mood::Cool) {
        // Dark glasses: two lenses on a bar across the eyes.
        const int lensW = int(std::lround(0.28 * d)), lensH = (base >= 22 ? 4 : 3) * k;
        Fill(image, left + 3 * k, eyeY, d - 6 * k, k, Black);
        Fill(image, cx - lensW - 0.5 * k, eyeY, lensW, lensH, Black);
        Fill(image, cx + 1.5 * k, eyeY, lensW, lensH, Black);
        Fill(image, int(cx - lensW + 0.5 * k), eyeY + k, k, k, White);
        Fill(image, int(cx + 2.5 * k), eyeY + k, k, k, White);
    } else {
        Fill(image, eyeL, eyeY, eyeW, eyeH, Black);
        Fill(image, eyeR, eyeY, eyeW, eyeH, Black);
        if (eyeW == 2 * k) {
            Fill(image, eyeL, eyeY, k, k, White);
            Fill(image, eyeR, eyeY, k, k, White);
        }
    }
    switch (mood) {
    case Mood::Smile:
    case Mood::Cool:
    case Mood::Laugh:
        Arc(image, cx, top + 0.5 * d, rx, ry, 0.2 * M_PI, 0.8 * M_PI, Black, k);
        break;
    case Mood::Frown:
        Arc(image, cx, top + 0.86 * d, rx, ry, 1.2 * M_PI, 1.8 * M_PI, Black, k);
        break;
    case Mood::Puzzled:
        // A crooked mouth and one raised brow.
        for (int i = 0; i < int(0.4 * d); ++i)
            Fill(image, int(cx - 0.2 * d) + i, top + int(0.7 * d) - (i * 2) / int(0.4 * d), k, k,
                 Black);
        Fill(image, eyeR - k, eyeY - 3 * k, eyeW + 2 * k, k, Black);
        break;
    }
}
