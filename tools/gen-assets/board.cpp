#include "board.h"

#include "palette.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

using namespace pal;

constexpr int kWidth = 347, kHeight = 325;

void Rect(QImage& image, int x0, int y0, int x1, int y1, int index) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) image.setPixel(x, y, uint(index));
}

// The bare board: a raised grey frame around 9 × 9 raised tiles. Tile c, r
// has its square at (10 + 37c, 6 + 35r); between two columns run 2 dark grey,
// 1 black and 2 white pixels, between two rows dark grey, black and white.
QImage BareBoard() {
    QImage image = Blank16(kWidth, kHeight, LightGrey);
    // The frame: light on the outer top and left, dark on the outer bottom
    // and right, and a step down into the grid.
    Rect(image, 0, 0, kWidth - 1, 0, White);
    Rect(image, 0, 0, 0, kHeight - 1, White);
    Rect(image, 1, 1, kWidth - 2, 1, White);
    Rect(image, 1, 1, 1, kHeight - 2, White);
    Rect(image, 0, kHeight - 1, kWidth - 1, kHeight - 1, Black);
    Rect(image, kWidth - 1, 0, kWidth - 1, kHeight - 1, Black);
    Rect(image, 2, kHeight - 2, kWidth - 2, kHeight - 2, DarkGrey);
    Rect(image, kWidth - 2, 2, kWidth - 2, kHeight - 2, DarkGrey);
    Rect(image, 6, 3, 341, 3, DarkGrey);
    Rect(image, 6, 3, 6, 320, DarkGrey);
    Rect(image, 6, 320, 341, 320, White);
    Rect(image, 341, 3, 341, 320, White);
    // The grid of black lines, one before, between and after the tiles.
    for (int k = 0; k <= 9; ++k) {
        Rect(image, 7 + 37 * k, 4, 7 + 37 * k, 319, Black);
        Rect(image, 7, 4 + 35 * k, 340, 4 + 35 * k, Black);
    }
    // Each tile: white top and left, dark grey bottom and right.
    for (int c = 0; c < 9; ++c) {
        for (int r = 0; r < 9; ++r) {
            const int x = 10 + 37 * c, y = 6 + 35 * r;
            Rect(image, x - 2, y - 1, x + 33, y - 1, White);
            Rect(image, x - 2, y - 1, x - 1, y + 32, White);
            Rect(image, x + 32, y - 1, x + 33, y + 32, DarkGrey);
            Rect(image, x - 2, y + 32, x + 33, y + 32, DarkGrey);
        }
    }
    return image;
}

// The coverage of a text drawn at full resolution, as an 8-bit mask.
QImage TextMask(const QString& text, const QFont& font, const QPointF& at, double shear) {
    QImage mask(kWidth, kHeight, QImage::Format_Grayscale8);
    mask.fill(0);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QPainterPath path;
    path.addText(at, font, text);
    QTransform slant;
    const QRectF box = path.boundingRect();
    slant.translate(box.center().x(), box.center().y());
    slant.shear(-shear, 0);
    slant.translate(-box.center().x(), -box.center().y());
    painter.fillPath(slant.map(path), Qt::white);
    return mask;
}

// Lays a letter shape onto the board: its pixels (coverage above half) in
// one colour, ringed with a line of another and a drop shadow offset down
// right.
void Lay(QImage& image, const QImage& mask, int fill, int ring, int shadow) {
    auto on = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < kWidth && y < kHeight && qGray(mask.pixel(x, y)) >= 128;
    };
    auto near = [&](int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (on(x + dx, y + dy)) return true;
        return false;
    };
    if (shadow >= 0)
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (near(x - 3, y - 3) && !near(x, y)) image.setPixel(x, y, uint(shadow));
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (on(x, y))
                image.setPixel(x, y, uint(fill));
            else if (ring >= 0 && near(x, y))
                image.setPixel(x, y, uint(ring));
}

QFont ScriptFont(int pixels) {
    QFont font(QStringLiteral("Z003"));
    font.setPixelSize(pixels);
    return font;
}

} // namespace

QImage DrawBoard(BoardLook look) {
    QImage image = BareBoard();
    if (look == BoardLook::Paused) {
        const QString word = QStringLiteral("Paused...");
        const QFont font = ScriptFont(92);
        const double x = (kWidth - QFontMetricsF(font).horizontalAdvance(word)) / 2;
        const QImage mask = TextMask(word, font, QPointF(x, 190), 0.0);
        Lay(image, mask, Red, DarkRed, Black);
    } else if (look == BoardLook::Stopped) {
        // Each letter in the colour of a ball, the seventh, blue, as a
        // flourish underneath.
        static const int colours[] = {DarkRed, Magenta, Red, Yellow, Green, Cyan};
        const QString name = QStringLiteral("Marbix");
        const QFont font = ScriptFont(104);
        const QFontMetricsF metrics(font);
        double x = (kWidth - metrics.horizontalAdvance(name)) / 2 - 12;
        for (int i = 0; i < name.size(); ++i) {
            const QImage mask = TextMask(name.mid(i, 1), font, QPointF(x, 196), 0.12);
            Lay(image, mask, colours[i], Black, DarkGrey);
            x += metrics.horizontalAdvance(name.mid(i, 1));
        }
        QImage swash(kWidth, kHeight, QImage::Format_Grayscale8);
        swash.fill(0);
        QPainter painter(&swash);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath curve;
        curve.moveTo(60, 222);
        curve.cubicTo(130, 206, 220, 238, 300, 212);
        painter.strokePath(curve, QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
        painter.end();
        Lay(image, swash, Blue, Black, DarkGrey);
    }
    return image;
}

QImage DrawTile() {
    // Light is summed into a float buffer that wraps at the edges, so the
    // tile repeats without a seam.
    constexpr int n = 144;
    std::vector<float> r(n * n), g(n * n), b(n * n);
    std::uint32_t seed = 0x5eed1234u;
    auto rnd = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return double(seed >> 8) / double(1u << 24);
    };
    auto add = [&](int x, int y, double amount, double white) {
        const int i = ((y % n + n) % n) * n + ((x % n + n) % n);
        r[size_t(i)] += float(amount * white);
        g[size_t(i)] += float(amount * (0.35 + 0.65 * white));
        b[size_t(i)] += float(amount);
    };
    for (int s = 0; s < 26; ++s) {
        const double x0 = rnd() * n, y0 = rnd() * n;
        const double angle = -0.6 + 0.5 * (rnd() - 0.5);
        const double length = 30 + rnd() * 70, width = 0.8 + rnd() * 1.6;
        const double bright = 0.25 + rnd() * 0.75;
        const double ux = std::cos(angle), uy = std::sin(angle);
        for (int py = -int(length) - 6; py <= int(length) + 6; ++py) {
            for (int px = -int(length) - 6; px <= int(length) + 6; ++px) {
                const double along = px * ux + py * uy, across = -px * uy + py * ux;
                if (along < 0 || along > length) continue;
                const double fade = std::sin(M_PI * along / length);
                const double glow = std::exp(-(across * across) / (2 * width * width));
                const double core = std::exp(-(across * across) / (0.5 * width * width));
                const double a = bright * fade * (0.7 * glow + 0.8 * core);
                if (a > 0.004) add(int(x0 + px), int(y0 + py), a, core * fade * bright);
            }
        }
    }
    for (int s = 0; s < 40; ++s) {
        const double bright = 0.3 + 0.7 * rnd();
        add(int(rnd() * n), int(rnd() * n), bright, bright);
    }
    QImage image(n, n, QImage::Format_RGB32);
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const size_t i = size_t(y * n + x);
            auto level = [](float v) { return int(255 * (1 - std::exp(-1.6 * v))); };
            image.setPixel(x, y, qRgb(level(r[i]), level(g[i]), level(b[i])));
        }
    }
    return Quantise256(image);
}
