// The committed board pictures and the tile around the board.
#include "res_support.h"

#include <gtest/gtest.h>

using namespace restest;

namespace {

constexpr int kBoards[] = {132, 182, 183};

// Checks squares and seams of one board picture inside the given rows only
// (the whole grid when rows is empty), returning the number of mismatches.
int GridMismatches(const QImage& board, QRect rows = {}) {
    auto inside = [&](int y) { return rows.isNull() || (y >= rows.top() && y <= rows.bottom()); };
    auto check = [&](int x, int y, int index) {
        return inside(y) && At(board, x, y) != Colour(index) ? 1 : 0;
    };
    int wrong = 0;
    for (int c = 0; c < 9; ++c) {
        for (int r = 0; r < 9; ++r) {
            const int left = 10 + 37 * c, top = 6 + 35 * r;
            for (int y = top; y < top + 32; ++y)
                for (int x = left; x < left + 32; ++x) wrong += check(x, y, LightGrey);
            // The column seam to the right of the square, along its height.
            if (c < 8) {
                const int seam[5] = {DarkGrey, DarkGrey, Black, White, White};
                for (int y = top; y < top + 32; ++y)
                    for (int i = 0; i < 5; ++i) wrong += check(left + 32 + i, y, seam[i]);
            }
            // The row seam under the square, along its width.
            if (r < 8) {
                const int seam[3] = {DarkGrey, Black, White};
                for (int x = left; x < left + 32; ++x)
                    for (int i = 0; i < 3; ++i) wrong += check(x, top + 32 + i, seam[i]);
            }
        }
    }
    return wrong;
}

} // namespace

TEST(BoardPictures, SixteenColoursAtBoardSize) {
    for (int id : kBoards) {
        const QString path = ResPath(QStringLiteral("bmp/%1.png").arg(id));
        const QImage board(path);
        ASSERT_EQ(board.size(), QSize(347, 325)) << id;
        EXPECT_EQ(board.format(), QImage::Format_Indexed8) << id;
        EXPECT_EQ(board.colorTable(), Palette16()) << id;
        EXPECT_EQ(ReadPngHeader(path).bitDepth, 4) << id;
    }
}

TEST(BoardPictures, PlayingBoardHasExactSquaresAndSeams) {
    const QImage board = Picture(132);
    EXPECT_EQ(GridMismatches(board), 0);
    // Seams cross where the black lines cross.
    for (int c = 0; c < 8; ++c)
        for (int r = 0; r < 8; ++r) EXPECT_EQ(At(board, 44 + 37 * c, 39 + 35 * r), Colour(Black));
}

TEST(BoardPictures, RaisedFrameAroundTheGrid) {
    const QImage board = Picture(132);
    // Light on the outer top and left, dark on the outer bottom and right.
    for (int x = 0; x < 346; ++x) {
        EXPECT_EQ(At(board, x, 0), Colour(White)) << x;
        EXPECT_EQ(At(board, x + 1, 324), Colour(Black)) << x;
    }
    for (int y = 0; y < 324; ++y) {
        EXPECT_EQ(At(board, 0, y), Colour(White)) << y;
        EXPECT_EQ(At(board, 346, y + 1), Colour(Black)) << y;
    }
}

TEST(BoardPictures, PausedAndStoppedOnlyWriteAcrossTheMiddle) {
    const QImage playing = Picture(132);
    for (int id : {182, 183}) {
        const QImage board = Picture(id);
        // Above and below the writing the grid is untouched.
        EXPECT_EQ(GridMismatches(board, QRect(0, 0, 347, 76)), 0) << id;
        EXPECT_EQ(GridMismatches(board, QRect(0, 256, 347, 69)), 0) << id;
        EXPECT_NE(board, playing) << id;
        EXPECT_EQ(board.copy(0, 0, 347, 76), playing.copy(0, 0, 347, 76)) << id;
        EXPECT_EQ(board.copy(0, 256, 347, 69), playing.copy(0, 256, 347, 69)) << id;
    }
    const QImage paused = Picture(182), stopped = Picture(183);
    EXPECT_GT(Count(paused, Colour(Red)), 2500);
    for (int colour : {Yellow, Green, Cyan, Blue, Magenta})
        EXPECT_EQ(Count(paused, Colour(colour)), 0);
    // Every ball colour shows in the name.
    for (int colour : {DarkRed, Magenta, Red, Yellow, Green, Cyan, Blue})
        EXPECT_GT(Count(stopped, Colour(colour)), 250) << colour;
}

TEST(TilePicture, DarkBlueLight) {
    const QImage tile = Picture(179);
    ASSERT_EQ(tile.size(), QSize(144, 144));
    EXPECT_EQ(tile.format(), QImage::Format_Indexed8);
    EXPECT_GT(tile.colorCount(), 16);
    EXPECT_LE(tile.colorCount(), 256);
    long red = 0, blue = 0, dark = 0, bright = 0;
    for (int y = 0; y < 144; ++y) {
        for (int x = 0; x < 144; ++x) {
            const QRgb c = tile.pixel(x, y);
            red += qRed(c), blue += qBlue(c);
            dark += qGray(c) < 40;
            bright += qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) > 200;
        }
    }
    EXPECT_GT(blue, red * 3 / 2);
    EXPECT_GT(dark, 144 * 144 / 3);
    EXPECT_GT(bright, 20);
}
