// The committed cell, toolbar, icon and decoration pictures.
#include "res_support.h"

#include <climits>
#include <gtest/gtest.h>

using namespace restest;

namespace {

const int kFill[8] = {-1, DarkRed, Magenta, Red, Yellow, Green, Cyan, Blue};

int CellId(bool round, int colour, int state) {
    return (round ? 400 : 500) + 4 * colour + state;
}

// The bounding box of every pixel that is not the light grey ground.
QRect Drawn(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (At(image, x, y) != Colour(LightGrey)) box |= QRect(x, y, 1, 1);
    return box;
}

// How many pixels of the colour lie in the area, as a range check.
void ExpectCount(int id, int colour, QRect area, int min, int max = INT_MAX) {
    const int n = Count(Picture(id), colour, area);
    EXPECT_TRUE(n >= min && n <= max) << id << ": " << n << " of colour " << colour;
}

} // namespace

TEST(Pictures, HaveTheirSizeAndColourDepth) {
    std::vector<std::pair<int, QSize>> pictures = {
        {132, {347, 325}}, {182, {347, 325}}, {183, {347, 325}}, {171, {405, 29}}};
    for (int id = 400; id < 532; ++id)
        if (id % 100 < 32) pictures.emplace_back(id, QSize(32, 32));
    for (auto [id, size] : pictures) {
        const QImage image = Picture(id);
        EXPECT_EQ(std::tuple(image.size(), image.format(), PaletteBitDepth(PicturePath(id))),
                  std::tuple(size, QImage::Format_Indexed8, 4))
            << id;
        EXPECT_EQ(image.colorTable(), Palette16()) << id;
    }
    // Two pictures of more colours, and the icon: the palette plus its mask.
    for (auto [id, size] : {std::pair{176, QSize(144, 95)}, {179, QSize(144, 144)}}) {
        const QImage image = Picture(id);
        EXPECT_EQ(std::tuple(image.size(), image.format()),
                  std::tuple(size, QImage::Format_Indexed8));
        EXPECT_TRUE(image.colorCount() > 16 && image.colorCount() <= 256) << id;
    }
    const QImage icon = Picture(128);
    ASSERT_EQ(std::tuple(icon.size(), icon.format(), icon.colorCount()),
              std::tuple(QSize(32, 32), QImage::Format_Indexed8, 17));
    EXPECT_EQ(icon.colorTable().mid(0, 16), Palette16());
    EXPECT_EQ(
        std::tuple(qAlpha(icon.color(16)), qAlpha(icon.pixel(0, 0)), qAlpha(icon.pixel(31, 31))),
        std::tuple(0, 0, 0));
}

TEST(Pictures, ShowWhatTheyStandFor) {
    const struct {
        int id, colour;
        QRect area; // the whole picture when null
        int min, max;
    } probes[] = {
        {128, Yellow, {}, 301, INT_MAX},
        {128, Black, {8, 18, 16, 8}, 7, INT_MAX}, // the icon's smile
        {400, LightGrey, {}, 1024, 1024},
        {500, LightGrey, {}, 1024, 1024}, // empty cells
        {403, Yellow, {}, 9, INT_MAX},
        {503, Yellow, {}, 9, INT_MAX},
        {401, Yellow, {}, 0, 0},
        {501, Yellow, {}, 0, 0},
    };
    for (const auto& p : probes) ExpectCount(p.id, p.colour, p.area, p.min, p.max);
    // The error pictures: red capitals and a red bar on top, a black mouth below.
    for (int id : {401, 402, 403, 501, 502, 503}) {
        ExpectCount(id, Red, {0, 0, 32, 12}, 61);
        ExpectCount(id, Red, {0, 14, 32, 18}, 0, 0);
        ExpectCount(id, Black, {0, 14, 32, 18}, 9);
    }
    // Five toolbar buttons: a word in bold black on the right, a face of yellow and green.
    const int yellow[5][2] = {
        {151, INT_MAX}, {0, 0}, {101, INT_MAX}, {151, INT_MAX}, {151, INT_MAX}};
    const int green[5][2] = {{0, 0}, {151, INT_MAX}, {41, INT_MAX}, {0, 0}, {0, 0}};
    for (int i = 0; i < 5; ++i) {
        const QRect button(81 * i, 0, 81, 29);
        EXPECT_EQ(
            std::pair(At(Picture(171), button.left(), 0), At(Picture(171), button.right(), 28)),
            std::pair(Colour(LightGrey), Colour(LightGrey)));
        ExpectCount(171, Black, button.adjusted(36, 0, 0, 0), 61);
        ExpectCount(171, Yellow, button, yellow[i][0], yellow[i][1]);
        ExpectCount(171, Green, button, green[i][0], green[i][1]);
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage icon(ResPath(QStringLiteral("icons/marbix-%1.png").arg(size)));
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel() && qAlpha(icon.pixel(0, 0)) == 0) << size;
        const QRgb face = icon.pixel(size / 2, size / 3);
        EXPECT_TRUE(qRed(face) > 180 && qGreen(face) > 150 && qBlue(face) < 120) << size;
    }
}

TEST(CellPictures, PairsThatMustBeIdenticalAndOnesThatMustDiffer) {
    for (int state = 0; state < 4; ++state) {
        EXPECT_EQ(Picture(516 + state), Picture(416 + state)) << state;
        EXPECT_EQ(Picture(500 + state), Picture(400 + state)) << state;
        for (int colour : {1, 2, 3, 5, 6, 7})
            EXPECT_NE(Picture(CellId(false, colour, state)), Picture(CellId(true, colour, state)))
                << colour << " " << state;
    }
    EXPECT_TRUE(Picture(401) != Picture(402) && Picture(501) != Picture(502));
    for (bool round : {true, false}) // the four states of a ball
        for (int colour = 1; colour < 8; ++colour)
            for (int a = 0; a < 4; ++a)
                for (int b = a + 1; b < 4; ++b)
                    EXPECT_NE(Picture(CellId(round, colour, a)), Picture(CellId(round, colour, b)))
                        << colour << " " << a << " " << b;
}

TEST(CellPictures, BallsShowTheirFillOutlinedToEveryEdgeAndPreviewsASmallPlainCentredCopy) {
    for (int id = 404; id < 532; ++id) {
        const int colour = id % 100 / 4, state = id % 4;
        if (colour < 1 || colour > 7) continue;
        const QImage ball = Picture(id);
        if (state < 3) {
            ExpectCount(id, kFill[colour], {}, 151);
            ExpectCount(id, Black, {}, 61);
            EXPECT_EQ(Drawn(ball), QRect(0, 0, 32, 32)) << id;
            for (QRect edge : {QRect(0, 0, 32, 1), {0, 31, 32, 1}, {0, 0, 1, 32}, {31, 0, 1, 32}})
                ExpectCount(id, Black, edge, 1); // the outline, not the fill, meets each edge
            continue;
        }
        const int size = id == 507 ? 16 : 12; // the non-round first colour is a diamond
        EXPECT_EQ(Drawn(ball), QRect((32 - size) / 2, (32 - size) / 2, size, size)) << id;
        // Only the fill colour: no outline, no face.
        const int fill = Count(ball, kFill[colour]);
        EXPECT_EQ(fill + Count(ball, LightGrey), 32 * 32) << id;
        EXPECT_GT(fill, size * size / 3) << id;
    }
}
