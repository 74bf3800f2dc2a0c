// The committed board pictures and the tile around the board.
#include "res_support.h"

#include <gtest/gtest.h>

using namespace restest;

namespace {

// Counts the pixels of the squares and seams that differ from the playing
// grid, within the given rows only (the whole grid when rows is null).
int GridMismatches(const QImage& board, QRect rows = {}) {
    int wrong = 0;
    auto check = [&](int x, int y, int index) {
        wrong += (rows.isNull() || (y >= rows.top() && y <= rows.bottom())) &&
                 At(board, x, y) != Colour(index);
    };
    const int columnSeam[5] = {DarkGrey, DarkGrey, Black, White, White};
    const int rowSeam[3] = {DarkGrey, Black, White};
    for (int c = 0; c < 9; ++c) {
        for (int r = 0; r < 9; ++r) {
            const int left = 10 + 37 * c, top = 6 + 35 * r;
            for (int y = top; y < top + 32; ++y) {
                for (int x = left; x < left + 32; ++x) check(x, y, LightGrey);
                for (int i = 0; i < 5 && c < 8; ++i) check(left + 32 + i, y, columnSeam[i]);
            }
            for (int x = left; x < left + 32; ++x)
                for (int i = 0; i < 3 && r < 8; ++i) check(x, top + 32 + i, rowSeam[i]);
        }
    }
    return wrong;
}

} // namespace

TEST(BoardPictures, PlayingBoardHasExactSquaresSeamsAndARaisedFrame) {
    const QImage board = Picture(132);
    EXPECT_EQ(GridMismatches(board), 0);
    // Seams cross where the black lines cross.
    for (int c = 0; c < 8; ++c)
        for (int r = 0; r < 8; ++r) EXPECT_EQ(At(board, 44 + 37 * c, 39 + 35 * r), Colour(Black));
    // Light on the outer top and left, dark on the outer bottom and right.
    for (int x = 0; x < 346; ++x)
        EXPECT_EQ(std::pair(At(board, x, 0), At(board, x + 1, 324)),
                  std::pair(Colour(White), Colour(Black)))
            << x;
    for (int y = 0; y < 324; ++y)
        EXPECT_EQ(std::pair(At(board, 0, y), At(board, 346, y + 1)),
                  std::pair(Colour(White), Colour(Black)))
            << y;
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
    EXPECT_GT(Count(paused, Red), 2500);
    for (int colour : {Yellow, Green, Cyan, Blue, Magenta}) EXPECT_EQ(Count(paused, colour), 0);
    // Every ball colour shows in the name.
    for (int colour : {DarkRed, Magenta, Red, Yellow, Green, Cyan, Blue})
        EXPECT_GT(Count(stopped, colour), 250) << colour;
}

TEST(TilePicture, DarkBlueLight) {
    const QImage tile = Picture(179);
    long red = 0, blue = 0, dark = 0, bright = 0;
    for (int y = 0; y < tile.height(); ++y) {
        for (int x = 0; x < tile.width(); ++x) {
            const QRgb c = tile.pixel(x, y);
            red += qRed(c), blue += qBlue(c), dark += qGray(c) < 40;
            bright += qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) > 200;
        }
    }
    EXPECT_GT(blue, red * 3 / 2);
    EXPECT_GT(dark, 144 * 144 / 3);
    EXPECT_GT(bright, 20);
}
