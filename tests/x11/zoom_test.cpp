// The built program zoomed in a real X window: Ctrl+plus from the keyboard
// grows the board and the window, the board and its balls show the pictures
// drawn at that size pixel for pixel, a click lands on the cell under the
// pointer, and the zoom is there again at the next start.
#include "engine/collaborators.h"
#include "engine/identifiers.h"
#include "x_session.h"

#include <QTest>
#include <algorithm>
#include <cstring>

namespace {

using namespace PictureId;

class ZoomTest : public ProgramTest {
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

TEST_F(ZoomTest, CtrlPlusGrowsTheBoardCrispAndAClickAtTwiceFindsItsCell) {
    Write("marbix.INI", std::string("[WINDOW]\nX=0\nY=0\nWIDTH=300\nHEIGHT=300\nSTATE=0\n"));
    Launch();
    ASSERT_GE(WaitForBoard(kBoardStopped, 1).x(), 0) << "no stopped board at 1x";
    const QSize one = WindowSize();

    Keys("ctrl+plus ctrl+plus");
    const QPoint board = WaitForBoard(kBoardStopped, 2);
    ASSERT_GE(board.x(), 0) << "no stopped board drawn at 2x";
    const QSize two = WindowSize();
    EXPECT_GE(two.width() - one.width(), 347);
    EXPECT_GE(two.height() - one.height(), 325);

    // Every ball shows its own picture of double size; a click on one selects it.
    Keys("F2");
    CBoardSeen cells;
    const QImage dealt = WaitForShot("zoom-dealt.png", [&](const QImage& s) {
        cells = ReadBoard(s, board, 2);
        return std::count_if(cells.begin(), cells.end(), IsBall) >= 3;
    });
    ASSERT_EQ(ReadBoard(dealt, board, 2), cells);
    ASSERT_EQ(
        std::count_if(cells.begin(), cells.end(), [](const CCellSeen& c) { return c.colour < 0; }),
        0)
        << "a cell not drawn at 2x";
    const int ball = int(std::find_if(cells.begin(), cells.end(), IsBall) - cells.begin());
    const QPoint centre = CellCorner(board, ball, 2) + QPoint(32, 32);
    RunCommand("xdotool mousemove " + std::to_string(centre.x()) + " " +
               std::to_string(centre.y()) + " sleep 0.05 click 1");
    WaitForShot("zoom-selected.png", [&](const QImage& s) {
        return ReadBoard(s, board, 2)[size_t(ball)].state == Selected;
    });
    EXPECT_EQ(ReadBoard(Shot(), board, 2)[size_t(ball)],
              (CCellSeen{cells[size_t(ball)].colour, Selected}));

    // Ctrl+0 brings the board and the window back; a zoom left on is kept.
    Keys("ctrl+0");
    ASSERT_GE(WaitForBoard(kBoard, 1).x(), 0) << "no board at 1x after Ctrl+0";
    EXPECT_EQ(WindowSize(), one);
    Keys("ctrl+plus ctrl+plus ctrl+plus ctrl+plus");
    ASSERT_GE(WaitForBoard(kBoard, 3).x(), 0) << "no board drawn at 3x";
    Keys("F3 alt+F4");
    ASSERT_TRUE(m_program.waitForFinished(5000));
    EXPECT_NE(Contents(m_dir + "/marbix.INI").find("ZOOM=30\n"), std::string::npos);
    Launch();
    EXPECT_GE(WaitForBoard(kBoardStopped, 3).x(), 0) << "the zoom not restored";
}

int main(int argc, char** argv) {
    return RunOnXSession(argc, argv, 1600, 1200);
}
