// The built program in a real X window at scale factors above 1 and zoomed:
// at 2 the board shows the double-density pictures on the doubled grid;
// between whole scales every seam is as wide as every other and the balls are
// smooth. Ctrl+plus from the keyboard grows the board and the window, the
// board shows the picture drawn at that size pixel for pixel, Ctrl+0 brings
// both back, and the zoom is there again at the next start. The cells at each
// zoom are the offscreen board test's.
#include "engine/collaborators.h"
#include "engine/identifiers.h"
#include "x_session.h"

#include <QSet>
#include <QTest>
#include <algorithm>
#include <cstring>

namespace {

using namespace PictureId;
using CRuns = std::vector<std::pair<int, int>>; // start and length of each

// Up to nine runs of the squares' grey from (x, y) along (dx, dy).
CRuns Squares(const QImage& shot, int x, int y, int dx, int dy, int least = 20) {
    CRuns runs;
    for (int i = 0, start = -1; runs.size() < 9; ++i) {
        const bool valid = shot.valid(x + i * dx, y + i * dy);
        const bool grey = valid && shot.pixel(x + i * dx, y + i * dy) == qRgb(192, 192, 192);
        if (grey && start < 0) start = i;
        if (!grey && start >= 0 && i - start >= least) runs.emplace_back(start, i - start);
        if (!grey) start = -1;
        if (!valid) break;
    }
    return runs;
}

// The widths of the squares and of the seams between: one each when even.
std::pair<QSet<int>, QSet<int>> Widths(const CRuns& runs) {
    QSet<int> squares, seams;
    for (size_t i = 0; i < runs.size(); ++i) {
        squares.insert(runs[i].second);
        if (i > 0) seams.insert(runs[i].first - runs[i - 1].first - runs[i - 1].second);
    }
    return {squares, seams};
}

class ScaleTest : public ProgramTest {
protected:
    QSize WindowSize() {
        const std::string shape = RunCommand("xdotool getwindowgeometry --shell " + m_window);
        auto value = [&](const char* key) {
            const size_t at = shape.find(key);
            return at == std::string::npos ? -1 : std::stoi(shape.substr(at + std::strlen(key)));
        };
        return {value("WIDTH="), value("HEIGHT=")};
    }
    void Keys(const std::string& keys) {
        RunCommand("xdotool windowactivate --sync " + m_window + " key --clearmodifiers " + keys);
    }
    // Where the board shows picture id of scale k whole, every pixel.
    QPoint WaitForBoard(int id, int k) {
        QPoint at(-1, -1);
        const QImage picture = Picture(id, k);
        WaitForShot("zoom.png", [&](const QImage& s) {
            at = Find(s, picture);
            return at.x() >= 0 && s.copy(QRect(at, picture.size())) == picture;
        });
        return at;
    }
};

} // namespace

TEST_F(ScaleTest, TheBoardIsEvenAndSmoothAtTwoAndBetweenWholeScales) {
    Launch("QT_SCALE_FACTOR", "2");
    QPoint board(-1, -1);
    WaitForShot("scale.png", [&](const QImage& s) {
        return (board = Find(s, Picture(kBoardStopped, 2))).x() >= 0;
    });
    ASSERT_GE(board.x(), 0) << "no double-density stopped board on screen";
    // The toolbar's Stop button, enabled once a game runs, and the tile.
    const QImage stop = Picture(kToolbar, 2).copy(162, 0, 162, 58);
    RunCommand("xdotool key F2");
    CBoardSeen cells;
    const auto count = [&](auto which) { return std::count_if(cells.begin(), cells.end(), which); };
    const auto announced = [](const CCellSeen& c) { return c.colour > 0 && c.state == Preview; };
    const auto dealt = [&](const QImage& s) {
        cells = ReadBoard(s, board, 2);
        return count(announced) == 3 && count(IsBall) >= 3 && Find(s, stop).x() >= 0;
    };
    const QImage shot = WaitForShot("scale.png", dealt);
    EXPECT_TRUE(dealt(shot)) << "no double-density balls or Stop button";
    EXPECT_EQ(Find(shot, Picture(kBoard, 2)), board);
    EXPECT_GE(Find(shot.copy(0, 0, board.x(), shot.height()), Picture(kTile, 2)).x(), 0);
    EXPECT_EQ(count([](const CCellSeen& c) { return c.colour < 0; }), 0); // every cell read
    TearDown();

    // Between whole scales every seam is as wide as every other.
    for (const char* scale : {"1.5", "1.25"}) {
        SCOPED_TRACE(scale);
        Launch("QT_SCALE_FACTOR", scale);
        // The first row across nine squares is the top of the stopped board.
        int top = 0;
        const QImage stopped = WaitForShot("scale-stopped.png", [&](const QImage& s) {
            for (top = 0; top < s.height(); ++top)
                if (Squares(s, 0, top, 1, 0).size() == 9) return true;
            return false;
        });
        const CRuns across = Squares(stopped, 0, top + 2, 1, 0);
        ASSERT_EQ(across.size(), 9u);
        const auto [squaresAcross, seamsAcross] = Widths(across);
        EXPECT_EQ(squaresAcross.size(), 1u) << "squares of different widths";
        EXPECT_EQ(seamsAcross.size(), 1u) << "seams of different widths across";

        // Playing: down every free column, and balls smooth: many shades.
        RunCommand("xdotool key F2");
        const int side = across[0].second;
        int columns = 0, smooth = 0;
        QSet<int> seamsDown;
        (void)WaitForShot("scale.png", [&](const QImage& s) {
            columns = smooth = 0, seamsDown.clear();
            for (const auto& [start, width] : across) {
                const auto down = Squares(s, start + 2, top, 0, 1, side * 3 / 4);
                if (down.size() < 9) continue;
                ++columns;
                seamsDown += Widths(down).second;
            }
            for (int i = 0; i < 81 && seamsDown.size() == 1; ++i) {
                const QPoint at(across[size_t(i / 9)].first,
                                top + (i % 9) * (side + *seamsDown.begin()));
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

TEST_F(ScaleTest, CtrlPlusGrowsTheBoardCrispAndTheZoomIsKept) {
    Write("marbix.INI", std::string("[WINDOW]\nX=0\nY=0\nWIDTH=300\nHEIGHT=300\nSTATE=0\n"));
    Launch();
    ASSERT_GE(WaitForBoard(kBoardStopped, 1).x(), 0) << "no stopped board at 1x";
    const QSize one = WindowSize();

    Keys("ctrl+plus ctrl+plus");
    ASSERT_GE(WaitForBoard(kBoardStopped, 2).x(), 0) << "no stopped board drawn at 2x";
    const QSize two = WindowSize();
    EXPECT_GE(two.width() - one.width(), 347);
    EXPECT_GE(two.height() - one.height(), 325);

    // Ctrl+0 brings the board and the window back; a zoom left on is kept.
    Keys("ctrl+0");
    ASSERT_GE(WaitForBoard(kBoardStopped, 1).x(), 0) << "no board at 1x after Ctrl+0";
    EXPECT_EQ(WindowSize(), one);
    Keys("ctrl+plus ctrl+plus ctrl+plus ctrl+plus");
    ASSERT_GE(WaitForBoard(kBoardStopped, 3).x(), 0) << "no board drawn at 3x";
    Keys("alt+F4");
    ASSERT_TRUE(m_program.waitForFinished(5000));
    EXPECT_NE(Contents(m_dir + "/marbix.INI").find("ZOOM=30\n"), std::string::npos);
    Launch();
    EXPECT_GE(WaitForBoard(kBoardStopped, 3).x(), 0) << "the zoom not restored";
}

int main(int argc, char** argv) {
    return RunOnXSession(argc, argv, 2000, 1200);
}
