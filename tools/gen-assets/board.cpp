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

// Pixels x0..x1, y0..y1 of the board's grid, each a k × k block at scale k.
void Rect(QImage& image, int x0, int y0, int x1, int y1, int index) {
    const int k = image.width() / kWidth;
    for (int y = k * y0; y < k * (y1 + 1); ++y)
        for (int x = k * x0; x < k * (x1 + 1); ++x) image.setPixel(x, y, uint(index));
}

// The bare board: a raised grey frame around 9 × 9 raised tiles. Tile c, r
// has its square at (10 + 37c, 6 + 35r); between two columns run 2 dark grey,
// 1 black and 2 white pixels, between two rows dark grey, black and white.
QImage BareBoard(int k) {
    QImage image = Blank16(k * kWidth, k * kHeight, LightGrey);
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

// The coverage of a text drawn at full resolution, as an 8-bit mask of the
// picture's size; at and the font are in the picture's own pixels.
QImage TextMask(const QString& text, const QFont& font, const QPointF& at, double shear, int k) {
    QImage mask(k * kWidth, k * kHeight, QImage::Format_Grayscale8);
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

// Which pixels have a covered one (coverage above half) within k across and
// down: the mask dilated by a square, one pass across and one down. Pixels
// off the picture are looked at one by one.
class CNear {
public:
    CNear(const QImage& mask, int k) : m_w(mask.width()), m_h(mask.height()), m_k(k), m_mask(mask) {
        std::vector<char> across(size_t(m_w * m_h));
        m_near.resize(across.size());
        for (int y = 0; y < m_h; ++y)
            for (int x = 0; x < m_w; ++x)
                for (int dx = -k; dx <= k && !across[size_t(y * m_w + x)]; ++dx)
                    across[size_t(y * m_w + x)] = On(x + dx, y);
        for (int y = 0; y < m_h; ++y)
            for (int x = 0; x < m_w; ++x)
                for (int dy = -k; dy <= k && !m_near[size_t(y * m_w + x)]; ++dy)
                    m_near[size_t(y * m_w + x)] =
                        y + dy >= 0 && y + dy < m_h && across[size_t((y + dy) * m_w + x)];
    }
    bool On(int x, int y) const {
        return x >= 0 && y >= 0 && x < m_w && y < m_h && m_mask.constScanLine(y)[x] >= 128;
    }
    bool Near(int x, int y) const {
        if (x >= 0 && y >= 0 && x < m_w && y < m_h) return m_near[size_t(y * m_w + x)];
        for (int dy = -m_k; dy <= m_k; ++dy)
            for (int dx = -m_k; dx <= m_k; ++dx)
                if (On(x + dx, y + dy)) return true;
        return false;
    }

private:
    int m_w, m_h, m_k;
    const QImage& m_mask;
    std::vector<char> m_near;
};

// Lays a letter shape onto the board: its pixels (coverage above half) in
// one colour, ringed with a line of another and a drop shadow offset down
// right; ring and shadow offset grow with the scale k.
void Lay(QImage& image, const QImage& mask, int fill, int ring, int shadow) {
    const int w = image.width(), h = image.height(), k = w / kWidth;
    const CNear near(mask, k);
    if (shadow >= 0)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (near.Near(x - 3 * k, y - 3 * k) && !near.Near(x, y))
                    image.setPixel(x, y, uint(shadow));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (near.On(x, y))
                image.setPixel(x, y, uint(fill));
            else if (ring >= 0 && near.Near(x, y))
                image.setPixel(x, y, uint(ring));
}

QFont ScriptFont(int pixels, const QString& cjkFamily = {}) {
    QFont font(QStringLiteral("Z003"));
    if (!cjkFamily.isEmpty()) font.setFamilies({font.family(), cjkFamily});
    font.setPixelSize(pixels);
    return font;
}

// The paused word's ink, with its ring and shadow, stays this far inside the
// board's frame.
constexpr int kPausedMargin = 12, kPausedSize = 92, kPausedBaseline = 190;

bool PausedWordFits(const QImage& mask, int k) {
    const QRect room(kPausedMargin * k, 0, (kWidth - 2 * kPausedMargin - 4) * k, k * kHeight);
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            if (qGray(mask.pixel(x, y)) >= 128 && !room.contains(x, y)) return false;
    return true;
}

// The middle of a word's outline, as laid out at x, y.
double MiddleOf(const QString& word, const QFont& font, const QPointF& at) {
    QPainterPath path;
    path.addText(at, font, word);
    return path.boundingRect().center().y();
}

// The paused word, centred, in the script face at the largest size that
// fits between the frame's sides; any word keeps its middle where the
// English word has it.
QImage PausedWordMask(const QString& word, const QString& cjkFamily, int k) {
    const QPointF english(0, kPausedBaseline * k);
    const double middle =
        MiddleOf(EnglishPictureWords().at(kPausedWordIndex), ScriptFont(kPausedSize * k), english);
    QImage mask;
    for (int size = kPausedSize; size >= 40; size -= 4) {
        const QFont font = ScriptFont(size * k, cjkFamily);
        const double x = (k * kWidth - QFontMetricsF(font).horizontalAdvance(word)) / 2;
        const double y = english.y() + middle - MiddleOf(word, font, english);
        mask = TextMask(word, font, QPointF(x, y), 0.0, k);
        if (PausedWordFits(mask, k)) break;
    }
    return mask;
}

} // namespace

QImage DrawBoard(BoardLook look, int k, const PictureLanguage& language) {
    QImage image = BareBoard(k);
    if (look == BoardLook::Paused) {
        const QImage mask =
            PausedWordMask(language.words.at(kPausedWordIndex), language.cjkFamily, k);
        Lay(image, mask, Red, DarkRed, Black);
    } else if (look == BoardLook::Stopped) {
        // Each letter in the colour of a ball, the seventh, blue, as a
        // flourish underneath.
        static const int colours[] = {DarkRed, Magenta, Red, Yellow, Green, Cyan};
        const QString name = QStringLiteral("Marbix");
        const QFont font = ScriptFont(104 * k);
        const QFontMetricsF metrics(font);
        double x = (k * kWidth - metrics.horizontalAdvance(name)) / 2 - 12 * k;
        for (int i = 0; i < name.size(); ++i) {
            const QImage mask = TextMask(name.mid(i, 1), font, QPointF(x, 196 * k), 0.12, k);
            Lay(image, mask, colours[i], Black, DarkGrey);
            x += metrics.horizontalAdvance(name.mid(i, 1));
        }
        QImage swash(k * kWidth, k * kHeight, QImage::Format_Grayscale8);
        swash.fill(0);
        QPainter painter(&swash);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(k, k);
        QPainterPath curve;
        curve.moveTo(60, 222);
        curve.cubicTo(130, 206, 220, 238, 300, 212);
        painter.strokePath(curve, QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
        painter.end();
        Lay(image, swash, Blue, Black, DarkGrey);
    }
    return image;
}

QImage DrawTile(int k) {
    // Light is summed into a float buffer that wraps at the edges, so the
    // tile repeats without a seam. At scale k the same streaks are traced
    // on a k times finer grid.
    const int n = 144 * k;
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
        const double length = (30 + rnd() * 70) * k, width = (0.8 + rnd() * 1.6) * k;
        const double bright = 0.25 + rnd() * 0.75;
        const double ux = std::cos(angle), uy = std::sin(angle);
        for (int py = -int(length) - 6 * k; py <= int(length) + 6 * k; ++py) {
            for (int px = -int(length) - 6 * k; px <= int(length) + 6 * k; ++px) {
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
        const int y = int(rnd() * n), x = int(rnd() * n); // drawn in this order since the start
        for (int dy = 0; dy < k; ++dy)
            for (int dx = 0; dx < k; ++dx) add(x + dx, y + dy, bright, bright);
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
