// The built program in a real X window at scale factors above 1: at 2 the
// board shows the pictures drawn for double density on exactly the doubled
// grid; between whole scales every seam of the board is as wide as every
// other and the balls are resampled smoothly.
#include "engine/collaborators.h"
#include "engine/identifiers.h"
#include "platform/resources.h"
#include "x_session.h"

#include <QSet>
#include <QTest>
#include <array>

namespace {

const QRgb kGround = qRgb(192, 192, 192); // the squares' light grey

QImage Picture2x(int id) {
    return LoadPicture(id, 2).convertToFormat(QImage::Format_RGB32);
}

bool Ground(const QImage& shot, int x, int y) {
    return shot.valid(x, y) && shot.pixel(x, y) == kGround;
}

// The runs of the squares' grey at least least pixels long that start from
// (x, y) in direction (dx, dy), up to nine: start and length of each.
std::vector<std::pair<int, int>> Squares(const QImage& shot, int x, int y, int dx, int dy,
                                         int least = 20) {
    std::vector<std::pair<int, int>> runs;
    for (int i = 0, start = -1; runs.size() < 9; ++i) {
        const bool grey = Ground(shot, x + i * dx, y + i * dy);
        if (grey && start < 0) start = i;
        if (!grey && start >= 0) {
            if (i - start >= least) runs.emplace_back(start, i - start);
            start = -1;
        }
        if (!shot.valid(x + i * dx, y + i * dy)) break;
    }
    return runs;
}

// The widths of the squares and of the seams between them along a line:
// one entry each when the board is even.
std::pair<QSet<int>, QSet<int>> Widths(const std::vector<std::pair<int, int>>& runs) {
    QSet<int> squares, seams;
    for (size_t i = 0; i < runs.size(); ++i) {
        squares.insert(runs[i].second);
        if (i > 0) seams.insert(runs[i].first - runs[i - 1].first - runs[i - 1].second);
    }
    return {squares, seams};
}

// Every cell, 64 × 64 at twice its place on the board at board, matched
// against the double-density cell pictures: how many were read, how many
// show announced balls and how many balls.
std::array<int, 3> ReadCells(const QImage& shot, QPoint board) {
    std::array<int, 3> counts{};
    for (int col = 0; col < 9; ++col) {
        for (int row = 0; row < 9; ++row) {
            const QImage cell =
                shot.copy(QRect(board + 2 * QPoint(10 + 37 * col, 6 + 35 * row), QSize(64, 64)));
            for (int k = 0; k < 32; ++k) { // k = 4 × colour + state
                if (Picture2x(PictureId::Cell(k / 4, k % 4, true)) != cell) continue;
                ++counts[0];
                counts[k >= 4 && k % 4 == Preview ? 1 : 2] += k >= 4;
                break;
            }
        }
    }
    return counts;
}

// The program at a scale factor, its window maximised.
class ScaleTest : public ProgramTest {
protected:
    void Launch(const char* scale) {
        QProcessEnvironment env;
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QLatin1String(scale));
        ProgramTest::Launch(env);
    }
};

} // namespace

TEST_F(ScaleTest, AtTwoTheBoardShowsTheDoubleDensityPicturesOnTheDoubledGrid) {
    Launch("2");
    QPoint board(-1, -1);
    const QImage stopped = Picture2x(PictureId::kBoardStopped),
                 playing = Picture2x(PictureId::kBoard);
    WaitForShot("scale.png", [&](const QImage& s) { return (board = Find(s, stopped)).x() >= 0; });
    ASSERT_GE(board.x(), 0) << "no double-density stopped board on screen";
    // The toolbar's Stop button, enabled once a game runs, and the tile.
    const QImage stop = Picture2x(PictureId::kToolbar).copy(162, 0, 162, 58);
    RunCommand("xdotool key F2");
    std::array<int, 3> cells{}; // read, announced, balls
    const QImage shot = WaitForShot("scale.png", [&](const QImage& s) {
        cells = ReadCells(s, board);
        return cells[1] == 3 && cells[2] >= 3 && Find(s, stop).x() >= 0;
    });
    EXPECT_EQ(Find(shot, playing), board);
    EXPECT_GE(Find(shot, stop).x(), 0);
    EXPECT_GE(Find(shot.copy(0, 0, board.x(), shot.height()), Picture2x(PictureId::kTile)).x(), 0);
    EXPECT_EQ(std::tuple(cells[0], cells[1]), std::tuple(81, 3));
    EXPECT_GE(cells[2], 3);
}

TEST_F(ScaleTest, BetweenWholeScalesTheSeamsAreEvenAndTheBallsSmooth) {
    for (const char* scale : {"1.5", "1.25"}) {
        SCOPED_TRACE(scale);
        Launch(scale);
        // The stopped board: the first square found scanning down is the
        // top-left one; its row of squares shows no writing.
        QPoint corner(-1, -1);
        auto square = [](const QImage& s, int left, int top) {
            for (int y = top; y < top + 30; ++y)
                for (int x = left; x < left + 30; ++x)
                    if (!Ground(s, x, y)) return false;
            return true;
        };
        auto found = [&](const QImage& s) {
            for (int y = 0; y + 30 < s.height(); ++y)
                for (int x = 0; x + 30 < s.width(); ++x)
                    if (Ground(s, x, y) && Ground(s, x + 29, y + 29) && square(s, x, y)) {
                        corner = {x, y};
                        return true;
                    }
            return false;
        };
        const QImage stopped = WaitForShot("scale-stopped.png", found);
        ASSERT_GE(corner.x(), 0);
        const auto across = Squares(stopped, corner.x(), corner.y() + 2, 1, 0);
        ASSERT_EQ(across.size(), 9u);
        const auto [squaresAcross, seamsAcross] = Widths(across);
        EXPECT_EQ(squaresAcross.size(), 1u) << "squares of different widths";
        EXPECT_EQ(seamsAcross.size(), 1u) << "seams of different widths across";

        // Playing: down every column whose squares are all free, and the
        // cells with a ball resampled smoothly: shades between the palette's
        // colours.
        RunCommand("xdotool key F2");
        const int side = across[0].second;
        int columns = 0, smooth = 0;
        QSet<int> seamsDown;
        (void)WaitForShot("scale.png", [&](const QImage& s) {
            columns = smooth = 0, seamsDown.clear();
            for (const auto& [start, width] : across) {
                const auto down =
                    Squares(s, corner.x() + start + 2, corner.y(), 0, 1, side * 3 / 4);
                if (down.size() < 9) continue;
                ++columns;
                seamsDown += Widths(down).second;
            }
            for (int i = 0; i < 81 && seamsDown.size() == 1; ++i) {
                const QPoint at = corner + QPoint(across[size_t(i / 9)].first,
                                                  (i % 9) * (side + *seamsDown.begin()));
                QSet<QRgb> colours;
                for (int y = 0; y < side; ++y)
                    for (int x = 0; x < side; ++x) colours.insert(s.pixel(at + QPoint(x, y)));
                smooth += colours.size() > 40;
            }
            return smooth >= 3;
        });
        EXPECT_GE(columns, 3);
        EXPECT_EQ(seamsDown.size(), 1u) << "seams of different heights down";
        EXPECT_GE(smooth, 3) << "no smoothly resampled ball";
        TearDown();
    }
}

int main(int argc, char** argv) {
    return RunOnXSession(argc, argv, 2000, 1200);
}
