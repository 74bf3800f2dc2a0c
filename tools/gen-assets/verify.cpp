#include "verify.h"

#include "engine/identifiers.h"

#include "palette.h"

#include <climits>

namespace {

using namespace pal;

struct Report {
    QStringList failures;
    void Expect(bool holds, const QString& what) {
        if (!holds) failures << what;
    }
};

QRgb At(const QImage& image, int x, int y) {
    return image.pixel(x, y) | 0xff000000u;
}

int Count(const QImage& image, int index, QRect area = {}) {
    if (area.isNull()) area = image.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += At(image, x, y) == Rgb(index);
    return n;
}

// The bounding box of every pixel that is not the light grey ground.
QRect Drawn(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (At(image, x, y) != Rgb(LightGrey)) box |= QRect(x, y, 1, 1);
    return box;
}

QString Id(int id) {
    return QString::number(id);
}

// Pixels of the squares and seams that differ from the bare grid, counted in
// the rows from top to bottom only (the picture's own pixels).
int GridMismatches(const QImage& board, int k, int top = 0, int bottom = INT_MAX) {
    int wrong = 0;
    auto check = [&](int x, int y, int index) {
        wrong += y >= top && y <= bottom && At(board, x, y) != Rgb(index);
    };
    const int columnSeam[5] = {DarkGrey, DarkGrey, Black, White, White};
    const int rowSeam[3] = {DarkGrey, Black, White};
    for (int c = 0; c < 9; ++c) {
        for (int r = 0; r < 9; ++r) {
            const int left = k * (10 + 37 * c), up = k * (6 + 35 * r);
            for (int y = up; y < up + 32 * k; ++y) {
                for (int x = left; x < left + 32 * k; ++x) check(x, y, LightGrey);
                for (int i = 0; i < 5 * k && c < 8; ++i)
                    check(left + 32 * k + i, y, columnSeam[i / k]);
            }
            for (int x = left; x < left + 32 * k; ++x)
                for (int i = 0; i < 3 * k && r < 8; ++i) check(x, up + 32 * k + i, rowSeam[i / k]);
        }
    }
    return wrong;
}

// Above scale 2 only the board's pictures are drawn.
void CheckSizes(Report& report, const PictureSet& pictures, int k) {
    std::map<int, QSize> sizes = {{132, {347, 325}}, {182, {347, 325}}, {183, {347, 325}}};
    if (k <= 2)
        sizes.insert({{171, {405, 29}}, {128, {32, 32}}, {179, {144, 144}}, {176, {144, 95}}});
    for (int id = 400; id < 532; ++id)
        if (id % 100 < 32) sizes[id] = {32, 32};
    for (const auto& [id, size] : sizes) {
        const auto it = pictures.find(id);
        if (it == pictures.end()) {
            report.failures << Id(id) + ": missing";
            continue;
        }
        const QImage& image = it->second;
        report.Expect(image.size() == size * k, Id(id) + ": wrong size");
        report.Expect(image.format() == QImage::Format_Indexed8, Id(id) + ": not indexed");
        const bool sixteen = id != 128 && id != 176 && id != 179;
        if (sixteen) report.Expect(image.colorTable() == Table16(), Id(id) + ": not the palette");
    }
    if (k > 2) return;
    const QImage& icon = pictures.at(128);
    report.Expect(icon.colorCount() == 17 && icon.colorTable().mid(0, 16) == Table16() &&
                      qAlpha(icon.color(16)) == 0 && qAlpha(icon.pixel(0, 0)) == 0,
                  "128: the palette and a clear mask");
    for (int id : {176, 179})
        report.Expect(pictures.at(id).colorCount() > 16, Id(id) + ": too few colours");
}

void CheckBoards(Report& report, const PictureSet& pictures, int k) {
    const QImage& playing = pictures.at(132);
    report.Expect(GridMismatches(playing, k) == 0, "132: the grid is not exact");
    const int w = playing.width(), h = playing.height();
    bool frame = true;
    for (int x = 0; x + k < w; ++x)
        frame = frame && At(playing, x, 0) == Rgb(White) && At(playing, x + k, h - 1) == Rgb(Black);
    for (int y = 0; y + k < h; ++y)
        frame = frame && At(playing, 0, y) == Rgb(White) && At(playing, w - 1, y + k) == Rgb(Black);
    report.Expect(frame, "132: the frame is not raised");
    // The writing stays between the third row of squares and the eighth.
    for (int id : {182, 183}) {
        const QImage& board = pictures.at(id);
        report.Expect(GridMismatches(board, k, 0, 76 * k - 1) == 0 &&
                          GridMismatches(board, k, 256 * k) == 0 &&
                          board.copy(0, 0, w, 76 * k) == playing.copy(0, 0, w, 76 * k) &&
                          board.copy(0, 256 * k, w, h) == playing.copy(0, 256 * k, w, h) &&
                          board != playing,
                      Id(id) + ": writes outside the middle");
    }
    report.Expect(Count(pictures.at(182), Red) > 2500 * k * k, "182: the word is not red");
    // Nor does the paused word, in any language, come near the frame's sides.
    const QRect left(0, 0, 10 * k, h), right(w - 10 * k, 0, 10 * k, h);
    report.Expect(pictures.at(182).copy(left) == playing.copy(left) &&
                      pictures.at(182).copy(right) == playing.copy(right),
                  "182: the word reaches the frame");
    for (int colour : {DarkRed, Magenta, Red, Yellow, Green, Cyan, Blue})
        report.Expect(Count(pictures.at(183), colour) > 250 * k * k,
                      "183: a ball colour is missing");
}

int CellId(bool round, int colour, int state) {
    return PictureId::Cell(colour, state, round);
}

void CheckCells(Report& report, const PictureSet& pictures, int k) {
    static const int fill[8] = {LightGrey, DarkRed, Magenta, Red, Yellow, Green, Cyan, Blue};
    const int size = 32 * k;
    for (int state = 0; state < 4; ++state) {
        report.Expect(pictures.at(516 + state) == pictures.at(416 + state) &&
                          pictures.at(500 + state) == pictures.at(400 + state),
                      "the round and non-round yellow or empty pictures differ");
        for (int colour = 1; colour < 8; ++colour)
            if (colour != 4)
                report.Expect(pictures.at(CellId(false, colour, state)) !=
                                  pictures.at(CellId(true, colour, state)),
                              Id(CellId(false, colour, state)) + ": same as the round one");
    }
    for (int id : {400, 500})
        report.Expect(Count(pictures.at(id), LightGrey) == size * size, Id(id));
    for (int id = 401; id < 532; ++id) {
        const int colour = id % 100 / 4, state = id % 4;
        if (colour > 7 || id % 100 == 0) continue;
        const QImage& cell = pictures.at(id);
        for (int other = state + 1; other < 4; ++other)
            report.Expect(cell != pictures.at(id + other - state), Id(id) + ": state repeated");
        if (colour == 0) { // the error pictures: red writing on top, a black mouth below
            report.Expect(Count(cell, Red, {0, 0, size, 12 * k}) > 60 * k &&
                              Count(cell, Red, {0, 14 * k, size, 18 * k}) == 0 &&
                              Count(cell, Black, {0, 14 * k, size, 18 * k}) > 8 * k,
                          Id(id) + ": not an error picture");
            continue;
        }
        if (state < 3) { // the outline, not the fill, meets each edge
            bool edges = Drawn(cell) == cell.rect();
            for (QRect edge : {QRect(0, 0, size, 1),
                               {0, size - 1, size, 1},
                               {0, 0, 1, size},
                               {size - 1, 0, 1, size}})
                edges = edges && Count(cell, Black, edge) > 0;
            report.Expect(edges && Count(cell, fill[colour]) > 150 * k * k &&
                              Count(cell, Black) > 60 * k,
                          Id(id) + ": not an outlined ball");
            continue;
        }
        const int small = (id == 507 ? 16 : 12) * k; // the non-round first colour is a diamond
        const int plain = Count(cell, fill[colour]);
        report.Expect(Drawn(cell) == QRect((size - small) / 2, (size - small) / 2, small, small) &&
                          plain + Count(cell, LightGrey) == size * size &&
                          plain > small * small / 3,
                      Id(id) + ": not a small plain centred ball");
    }
}

// The toolbar's five faces of yellow and green with a bold black word; the
// icon's yellow face; the tile's blue light on black.
void CheckExtras(Report& report, const PictureSet& pictures, int k) {
    const QImage& strip = pictures.at(171);
    const int yellow[5] = {150, 0, 100, 150, 150}, green[5] = {0, 150, 40, 0, 0};
    for (int i = 0; i < 5; ++i) {
        const QRect button(81 * k * i, 0, 81 * k, 29 * k);
        auto holds = [&](int index, int least) {
            const int n = Count(strip, index, button);
            return least ? n > least * k * k : n == 0;
        };
        // Right of the faces, the word keeps off the button's edges: it is
        // never cut by them nor runs into the next button.
        const QRect wordSide = button.adjusted(34 * k, 0, 0, 0);
        const int clear =
            Count(strip, LightGrey, {wordSide.left(), 0, wordSide.width(), 2 * k}) +
            Count(strip, LightGrey, {wordSide.left(), 27 * k, wordSide.width(), 2 * k}) +
            Count(strip, LightGrey, {button.right() - 3 * k + 1, 0, 3 * k, 29 * k});
        report.Expect(clear == 2 * 2 * k * wordSide.width() + 3 * k * 29 * k,
                      QStringLiteral("171: the word of button %1 touches its edge").arg(i + 1));
        report.Expect(At(strip, button.left(), 0) == Rgb(LightGrey) &&
                          Count(strip, Black, button.adjusted(36 * k, 0, 0, 0)) > 60 * k * k &&
                          holds(Yellow, yellow[i]) && holds(Green, green[i]),
                      QStringLiteral("171: button %1").arg(i + 1));
    }
    report.Expect(Count(pictures.at(128), Yellow) > 300 * k * k &&
                      Count(pictures.at(128), Black, QRect(8 * k, 18 * k, 16 * k, 8 * k)) > 6 * k,
                  "128: not a yellow face");
    long red = 0, blue = 0, dark = 0;
    const QImage& tile = pictures.at(179);
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x) {
            const QRgb c = tile.pixel(x, y);
            red += qRed(c), blue += qBlue(c), dark += qGray(c) < 40;
        }
    report.Expect(blue > red * 3 / 2 && dark > tile.width() * tile.height() / 3,
                  "179: not blue light on black");
}

} // namespace

QStringList VerifyPictures(const PictureSet& pictures, int k) {
    Report report;
    CheckSizes(report, pictures, k);
    if (!report.failures.isEmpty()) return report.failures;
    CheckBoards(report, pictures, k);
    CheckCells(report, pictures, k);
    if (k <= 2) CheckExtras(report, pictures, k);
    return report.failures;
}

QStringList VerifyPair(const PictureSet& single, const PictureSet& twice) {
    Report report;
    // The double-size balls are drawn anew: blown up pixel by pixel, the
    // single-size picture would not match them.
    for (int id = 404; id < 532; ++id) {
        if (id % 100 >= 32 || id % 100 < 4 || id % 4 == 3) continue;
        const QImage doubled = single.at(id).scaled(64, 64);
        report.Expect(doubled != twice.at(id), Id(id) + "@2x: only a doubled picture");
    }
    return report.failures;
}
