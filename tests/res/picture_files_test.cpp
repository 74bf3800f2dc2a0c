// The committed cell, toolbar, icon and decoration pictures.
#include "res_support.h"

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

void ExpectSixteenColours(int id, QSize size) {
    const QString path = ResPath(QStringLiteral("bmp/%1.png").arg(id));
    const QImage image(path);
    ASSERT_FALSE(image.isNull()) << id;
    EXPECT_EQ(image.size(), size) << id;
    EXPECT_EQ(image.format(), QImage::Format_Indexed8) << id;
    EXPECT_EQ(image.colorTable(), Palette16()) << id;
    const PngHeader header = ReadPngHeader(path);
    EXPECT_EQ(header.colourType, 3) << id;
    EXPECT_EQ(header.bitDepth, 4) << id;
}

} // namespace

TEST(CellPictures, AreSixteenColourPicturesOfTheStandardPalette) {
    for (bool round : {true, false})
        for (int colour = 0; colour < 8; ++colour)
            for (int state = 0; state < 4; ++state)
                ExpectSixteenColours(CellId(round, colour, state), QSize(32, 32));
}

TEST(CellPictures, EmptyCellIsPlainGreyAndErrorsSayError) {
    for (bool round : {true, false}) {
        const QImage empty = Picture(CellId(round, 0, 0));
        EXPECT_EQ(Count(empty, Colour(LightGrey)), 32 * 32);
        for (int state = 1; state < 4; ++state) {
            const QImage error = Picture(CellId(round, 0, state));
            // Red capitals and the red bar along the top, a black mouth below.
            EXPECT_GT(Count(error, Colour(Red), QRect(0, 0, 32, 12)), 60) << state;
            EXPECT_EQ(Count(error, Colour(Red), QRect(0, 14, 32, 18)), 0) << state;
            EXPECT_GT(Count(error, Colour(Black), QRect(0, 14, 32, 18)), 8) << state;
        }
        EXPECT_GT(Count(Picture(CellId(round, 0, 3)), Colour(Yellow)), 8);
        EXPECT_EQ(Count(Picture(CellId(round, 0, 1)), Colour(Yellow)), 0);
        EXPECT_NE(Picture(CellId(round, 0, 1)), Picture(CellId(round, 0, 2)));
    }
}

TEST(CellPictures, PairsThatMustBeIdentical) {
    for (int state = 0; state < 4; ++state) {
        EXPECT_EQ(Picture(516 + state), Picture(416 + state)) << state;
        EXPECT_EQ(Picture(500 + state), Picture(400 + state)) << state;
    }
    // Every other non-round picture of a ball differs from its round one, and
    // the four states of a ball differ from each other.
    for (int colour : {1, 2, 3, 5, 6, 7})
        for (int state = 0; state < 4; ++state)
            EXPECT_NE(Picture(CellId(false, colour, state)), Picture(CellId(true, colour, state)))
                << colour << " " << state;
    for (bool round : {true, false})
        for (int colour = 1; colour < 8; ++colour)
            for (int a = 0; a < 4; ++a)
                for (int b = a + 1; b < 4; ++b)
                    EXPECT_NE(Picture(CellId(round, colour, a)), Picture(CellId(round, colour, b)))
                        << colour << " " << a << " " << b;
}

TEST(CellPictures, BallsShowTheirFillOnGreyWithAnOutlineToEveryEdge) {
    for (bool round : {true, false}) {
        for (int colour = 1; colour < 8; ++colour) {
            for (int state = 0; state < 3; ++state) {
                const int id = CellId(round, colour, state);
                const QImage ball = Picture(id);
                EXPECT_GT(Count(ball, Colour(kFill[colour])), 150) << id;
                EXPECT_GT(Count(ball, Colour(Black)), 60) << id;
                EXPECT_EQ(Drawn(ball), QRect(0, 0, 32, 32)) << id;
                // The outline, not the fill, meets each edge.
                EXPECT_GT(Count(ball, Colour(Black), QRect(0, 0, 32, 1)), 0) << id;
                EXPECT_GT(Count(ball, Colour(Black), QRect(0, 31, 32, 1)), 0) << id;
                EXPECT_GT(Count(ball, Colour(Black), QRect(0, 0, 1, 32)), 0) << id;
                EXPECT_GT(Count(ball, Colour(Black), QRect(31, 0, 1, 32)), 0) << id;
            }
        }
    }
}

TEST(CellPictures, PreviewIsASmallPlainCentredCopy) {
    for (bool round : {true, false}) {
        for (int colour = 1; colour < 8; ++colour) {
            const int id = CellId(round, colour, 3);
            const QImage preview = Picture(id);
            const bool diamond = !round && colour == 1;
            const int size = diamond ? 16 : 12;
            EXPECT_EQ(Drawn(preview), QRect((32 - size) / 2, (32 - size) / 2, size, size)) << id;
            // Only the fill colour: no outline, no face.
            const QRect box = Drawn(preview);
            EXPECT_EQ(Count(preview, Colour(kFill[colour])) + Count(preview, Colour(LightGrey)),
                      32 * 32)
                << id;
            EXPECT_GT(Count(preview, Colour(kFill[colour])), box.width() * box.height() / 3) << id;
        }
    }
}

TEST(ToolbarPicture, FiveButtonsWithFacesAndWords) {
    ExpectSixteenColours(171, QSize(405, 29));
    const QImage strip = Picture(171);
    for (int i = 0; i < 5; ++i) {
        const QRect button(81 * i, 0, 81, 29);
        EXPECT_EQ(At(strip, button.left(), 0), Colour(LightGrey)) << i;
        EXPECT_EQ(At(strip, button.right(), 28), Colour(LightGrey)) << i;
        // The word in bold black on the right half.
        EXPECT_GT(Count(strip, Colour(Black), button.adjusted(36, 0, 0, 0)), 60) << i;
        const int yellow = Count(strip, Colour(Yellow), button);
        const int green = Count(strip, Colour(Green), button);
        if (i == 1) {
            EXPECT_EQ(yellow, 0);
            EXPECT_GT(green, 150);
        } else if (i == 2) {
            EXPECT_GT(yellow, 100);
            EXPECT_GT(green, 40);
        } else {
            EXPECT_GT(yellow, 150) << i;
            EXPECT_EQ(green, 0) << i;
        }
    }
}

TEST(IconPicture, YellowFaceOnAMask) {
    const QImage icon = Picture(128);
    ASSERT_EQ(icon.size(), QSize(32, 32));
    ASSERT_EQ(icon.format(), QImage::Format_Indexed8);
    // The standard palette plus one transparent entry, the icon's mask.
    ASSERT_EQ(icon.colorCount(), 17);
    EXPECT_EQ(icon.colorTable().mid(0, 16), Palette16());
    EXPECT_EQ(qAlpha(icon.color(16)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(31, 31)), 0);
    EXPECT_GT(Count(icon, Colour(Yellow)), 300);
    EXPECT_GT(Count(icon, Colour(Black), QRect(8, 18, 16, 8)), 6); // the smile
}

TEST(IconPicture, DesktopSizesShowTheYellowFace) {
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage icon(ResPath(QStringLiteral("icons/marbix-%1.png").arg(size)));
        ASSERT_EQ(icon.size(), QSize(size, size)) << size;
        EXPECT_TRUE(icon.hasAlphaChannel()) << size;
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
        const QRgb centre = icon.pixel(size / 2, size / 3);
        EXPECT_GT(qRed(centre), 180) << size;
        EXPECT_GT(qGreen(centre), 150) << size;
        EXPECT_LT(qBlue(centre), 120) << size;
    }
}

TEST(DecorationPicture, IsATwoHundredFiftySixColourPicture) {
    const QImage picture = Picture(176);
    ASSERT_EQ(picture.size(), QSize(144, 95));
    EXPECT_EQ(picture.format(), QImage::Format_Indexed8);
    EXPECT_GT(picture.colorCount(), 16);
    EXPECT_LE(picture.colorCount(), 256);
}
