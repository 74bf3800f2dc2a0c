// The built program zoomed in a real X window: Ctrl+plus from the keyboard
// grows the board and the window, the board shows the picture drawn at that
// size pixel for pixel, Ctrl+0 brings both back, and the zoom is there again
// at the next start. The cells at each zoom are the offscreen board test's.
#include "engine/collaborators.h"
#include "engine/identifiers.h"
#include "x_session.h"

#include <QTest>
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

TEST_F(ZoomTest, CtrlPlusGrowsTheBoardCrispAndTheZoomIsKept) {
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
    return RunOnXSession(argc, argv, 1600, 1200);
}
