// The board window and its cells offscreen: where the board lies, the tiles
// and each cell's picture, at each zoom. How they look on a real screen is
// tested under X.
#include "app/zoom.h"
#include "view/board_accessible.h"
#include "view/board_keys.h"
#include "view/cursor_frame.h"
#include "view_fixture.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QWheelEvent>

using BoardTest = ViewTest;

TEST_F(BoardTest, TheBoardAndTheCellsShowTheirPictures) {
    auto frame = MakeFrame();
    CFieldWnd& field = frame->m_wndField;
    field.OnSize(401, 328); // the odd pixel goes below
    EXPECT_EQ(field.m_background.geometry(), QRect(27, 1, 347, 325));
    EXPECT_EQ(field.m_cellButtons[CellIndex(3, 1)].pos(), QPoint(27 + 121, 1 + 41));
    // Without the board over it the whole area shows the tiles, the last ones cut.
    field.m_background.hide();
    const QImage tile = Resource(PictureId::kTile), tiled = Grabbed(field);
    for (QPoint p : {QPoint(0, 0), QPoint(150, 20), QPoint(tiled.width() - 1, tiled.height() - 1)})
        EXPECT_EQ(tiled.pixel(p), tile.pixel(p.x() % 144, p.y() % 144));
    field.m_background.show();

    ASSERT_TRUE(frame->Dispatch(ID_GAME_START));
    CCellButton& cell = field.m_cellButtons[CellIndex(2, 3)];
    g_roundBalls = 1;
    for (int k = 0; k < 32; ++k) { // k = 4 × colour + state
        ASSERT_EQ(cell.SetBall(k / 4, k % 4), 1) << k;
        ASSERT_EQ(Grabbed(cell), Resource(400 + k)) << k;
    }
    // The other shape, each of whose pictures the cursor test sees, shows
    // once the cell is set again, not before.
    g_roundBalls = 0;
    EXPECT_EQ(Grabbed(cell), Resource(431));
    cell.SetBall(6, Selected);
    EXPECT_EQ(Grabbed(cell), Resource(526));
    g_roundBalls = 1;

    // The classical style keeps an announced ball secret, on the screen and
    // to assistive technology, until it comes in.
    g_classical = 1;
    ASSERT_EQ(cell.SetBall(0, Normal) + cell.SetBall(3, Preview), 2);
    EXPECT_EQ(Grabbed(cell), Resource(400));
    EXPECT_EQ(CellAccessibleName(cell), QStringLiteral("Column 3, row 4: empty"));
    ASSERT_EQ(cell.SetBall(3, Normal), 1);
    EXPECT_EQ(Grabbed(cell), Resource(412));
    EXPECT_EQ(CellAccessibleName(cell), QStringLiteral("Column 3, row 4: red ball"));

    // Without its picture a cell keeps the ball and shows the board's square.
    EXPECT_EQ(cell.SetBall(8, Normal), 0); // picture 432 does not exist
    EXPECT_EQ(std::tuple(cell.m_colour, cell.m_state, cell.HasPicture()),
              std::tuple(3, int(Normal), false));
    const QRect spot = cell.geometry();
    const QPoint corner = spot.topLeft() - field.m_background.pos();
    EXPECT_EQ(Grabbed(field, spot), Resource(PictureId::kBoard).copy(QRect(corner, spot.size())));
    EXPECT_EQ(cell.SetBall(3, Sad), 1);
    EXPECT_EQ(Grabbed(cell), Resource(413));
}

namespace {

class CursorTest : public ViewTest {
protected:
    CursorTest() {
        m_frame->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_frame.get()));
    }

    // Keys reach the focus of the active window, as the player's do.
    void Keys(std::initializer_list<Qt::Key> keys) {
        for (Qt::Key key : keys) {
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : m_frame.get(), key);
        }
    }
    // Where the cursor is, and whether it shows: "col,row" or "-".
    std::string Cursor() const {
        if (!m_keys->Shown()) return "-";
        return std::to_string(m_keys->Col()) + "," + std::to_string(m_keys->Row());
    }
    // A dialog opened by command id and closed again; the window active
    // again, as the window manager makes it.
    void OpenAndClose(unsigned id) {
        WhenModal([](QWidget& box) { box.close(); });
        m_frame->Dispatch(id);
        m_frame->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_frame.get())) << id;
    }

    std::unique_ptr<CMainFrame> m_frame = MakeFrame();
    CFieldWnd& m_field = m_frame->m_wndField;
    CBoardKeys* m_keys = m_field.findChild<CBoardKeys*>();
};

} // namespace

// A dialog, or Tab to the hall of fame and back, hides the cursor; the next
// arrow moves it from where it was at once. A new game starts it again on
// the centre, where the first arrow shows it.
TEST_F(CursorTest, AnArrowMovesTheCursorAtOnceAfterADialogAndEachGameStartsOnTheCentre) {
    ASSERT_TRUE(m_keys);
    m_frame->Game().Field().SetSeed(4242);
    ASSERT_TRUE(m_frame->Dispatch(ID_GAME_START));
    Keys({Qt::Key_Up});
    EXPECT_EQ(Cursor(), "4,4");
    Keys({Qt::Key_Right});
    EXPECT_EQ(Cursor(), "5,4");
    int col = 5;
    for (unsigned id : {ID_GAME_PAUSE, ID_HELP_HOWTOPLAY, ID_APP_ABOUT}) {
        OpenAndClose(id);
        EXPECT_EQ(std::pair(Cursor(), m_field.hasFocus()), std::pair(std::string("-"), true))
            << id << ": the box left the cursor shown or took the focus along";
        Keys({Qt::Key_Left});
        EXPECT_EQ(Cursor(), std::to_string(--col) + ",4") << id;
    }
    Keys({Qt::Key_Tab});
    EXPECT_EQ(std::pair(Cursor(), m_field.hasFocus()), std::pair(std::string("-"), false));
    Keys({Qt::Key_Tab, Qt::Key_Down});
    EXPECT_EQ(Cursor(), "2,5");
    // Space on a hidden cursor only shows it: it never acts on a cell unseen.
    OpenAndClose(ID_GAME_PAUSE);
    int clicks = 0;
    QObject::connect(&m_field, &CFieldWnd::CellCommand, [&] { ++clicks; });
    Keys({Qt::Key_Space});
    EXPECT_EQ(std::pair(Cursor(), clicks), std::pair(std::string("2,5"), 0));
    Keys({Qt::Key_Space});
    EXPECT_EQ(clicks, 1);
    m_frame->Dispatch(ID_GAME_STOP);
    ASSERT_TRUE(m_frame->Dispatch(ID_GAME_START));
    EXPECT_EQ(std::tuple(Cursor(), m_keys->Col(), m_keys->Row()), std::tuple("-", 4, 4));
    Keys({Qt::Key_Down});
    EXPECT_EQ(Cursor(), "4,4") << "the first arrow of a game moved the cursor";
    Keys({Qt::Key_Down});
    EXPECT_EQ(Cursor(), "4,5");
}

// The frame lies around the cell, in the seams of the board: every pixel of
// the cell is the ball's picture as without the frame, for every shape and
// colour, in the corners and the middle of the board, and the frame's orange
// and black show on each of its four sides. It follows the cell when the
// board is laid out anew.
TEST_F(CursorTest, TheCursorFramesTheCellAndLeavesEveryPixelOfTheBallAsItIs) {
    ASSERT_TRUE(m_keys);
    g_roundBalls = 0;
    ASSERT_TRUE(m_frame->Dispatch(ID_GAME_START));
    const auto frameSide = [](const QImage& shot, const QRect& band) {
        QSet<QRgb> seen;
        for (int x = band.left(); x <= band.right(); ++x)
            for (int y = band.top(); y <= band.bottom(); ++y) seen.insert(shot.pixel(x, y));
        return seen == QSet<QRgb>{CCursorFrame::kOuterTone, CCursorFrame::kInnerTone};
    };
    Keys({Qt::Key_Up}); // shown on the centre
    for (auto [col, row] : {std::pair{0, 0}, {8, 0}, {4, 4}, {0, 8}, {8, 8}}) {
        while (m_keys->Col() != col) Keys({m_keys->Col() < col ? Qt::Key_Right : Qt::Key_Left});
        while (m_keys->Row() != row) Keys({m_keys->Row() < row ? Qt::Key_Down : Qt::Key_Up});
        ASSERT_EQ(Cursor(), std::to_string(col) + "," + std::to_string(row));
        CCellButton& cell = m_field.m_cellButtons[CellIndex(col, row)];
        const QRect around = cell.geometry().adjusted(-3, -3, 3, 3);
        for (int k = 0; k < 32; ++k) { // k = 4 × colour + state
            ASSERT_EQ(cell.SetBall(k / 4, k % 4), 1);
            const QImage framed = Grabbed(m_field, around);
            const QRect inside(QPoint(3, 3), cell.size());
            ASSERT_EQ(framed.copy(inside), Resource(500 + k)) << col << "," << row << " " << k;
            for (const QRect& side :
                 {QRect(0, 0, around.width(), 3), QRect(0, 0, 3, around.height()),
                  QRect(0, around.height() - 3, around.width(), 3),
                  QRect(around.width() - 3, 0, 3, around.height())})
                ASSERT_TRUE(frameSide(framed, side)) << col << "," << row << " " << k;
        }
    }
    // Laid out anew, the frame goes along with its cell; hidden cells hide it.
    auto* frame = m_field.findChild<QWidget*>(QStringLiteral("cursorFrame"));
    ASSERT_TRUE(frame && frame->isVisible());
    m_field.OnSize(m_field.width() + 40, m_field.height() + 20);
    const QRect cell = m_field.m_cellButtons[CellIndex(8, 8)].geometry();
    EXPECT_EQ(frame->geometry(), cell.adjusted(-3, -3, 3, 3));
    m_field.ShowPaused();
    EXPECT_FALSE(frame->isVisible());
    m_field.ShowResumed();
    EXPECT_TRUE(frame->isVisible());
}

// Zoomed at each step: where the board's cells lie in the layout, measured
// from the board's corner as drawn zoomed.
QPoint CellCentre(QPoint board, int zoom, int col, int row) {
    return board + QPoint((10 + 37 * col + 16) * zoom / 10, (6 + 35 * row + 16) * zoom / 10);
}

QImage Picture(int id, int scale) {
    return LoadPicture(id, scale).convertToFormat(QImage::Format_RGB32);
}

// Each step shows the board, its looks and its cells in pictures drawn at
// that size (on this screen of single density, 2× and 3× are the committed
// double and triple pictures pixel for pixel), and a click or a name finds
// the cell under it. The keyboard cursor's frame fills the wider seams.
TEST_F(BoardTest, EveryZoomStepShowsItsOwnPicturesAndMapsClicksToTheCell) {
    auto frame = MakeFrame();
    frame->resize(1500, 1300); // room for every step: the fit is tested below
    CFieldWnd& field = frame->m_wndField;
    ASSERT_TRUE(frame->Dispatch(ID_GAME_START));
    QSignalSpy clicks(&field, &CFieldWnd::CellCommand);
    QTest::keyClick(&field, Qt::Key_Up); // the cursor on the centre
    auto* cursor = field.findChild<QWidget*>(QStringLiteral("cursorFrame"));
    ASSERT_TRUE(cursor && cursor->isVisible());
    for (int zoom : ZoomSteps()) {
        field.SetZoom(zoom);
        const int room = 3 * zoom / 10; // the rows' seams, 3 pixels at 1×
        EXPECT_EQ(cursor->geometry(), field.m_cellButtons[CellIndex(4, 4)].geometry().adjusted(
                                          -room, -room, room, room))
            << zoom;
    }
    for (int zoom : ZoomSteps()) {
        SCOPED_TRACE(zoom);
        field.SetZoom(zoom);
        const QRect board = field.m_background.geometry();
        // At halves the odd lengths snap to whole pixels, the smaller on a tie.
        const QSize drawn(347 * zoom / 10, 325 * zoom / 10);
        EXPECT_EQ(board.size(), zoom % 10 ? drawn - QSize(4, 4) : drawn);
        const int col = zoom / 5, row = 8 - zoom / 5;
        CCellButton& cell = field.m_cellButtons[CellIndex(col, row)];
        EXPECT_EQ(field.childAt(CellCentre(board.topLeft(), zoom, col, row)), &cell);
        EXPECT_EQ(cell.size(), QSize(32, 32) * zoom / 10);
        QTest::mouseClick(&cell, Qt::LeftButton, {}, cell.rect().center());
        EXPECT_EQ(clicks.last().first().toLongLong(), CellCommandId(col, row));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(&cell)->rect().size(), cell.size());
        cell.SetBall(5, Selected);
        if (zoom % 10) continue;
        const int k = zoom / 10;
        EXPECT_EQ(Grabbed(cell), Picture(422, k));
        EXPECT_EQ(Grabbed(field.m_background), Picture(PictureId::kBoard, k));
        field.ShowPaused();
        EXPECT_EQ(Grabbed(field.m_background), Picture(PictureId::kBoardPaused, k));
        field.ShowResumed();
    }
    // Back at 1×, the cell shows its single-size picture, whatever the running
    // game (its move clock may have run out on a slow machine) has made of it.
    field.SetZoom(10);
    const CCellButton& centre = field.m_cellButtons[CellIndex(4, 4)];
    EXPECT_EQ(Grabbed(field.m_cellButtons[CellIndex(4, 4)]),
              Resource(CCellButton::PictureFor(centre.m_colour, centre.m_state)));
    EXPECT_EQ(clicks.size(), 5);
}

void Zoom(CMainFrame& frame, Qt::Key key) {
    QTest::keyClick(&frame, key, Qt::ControlModifier);
    QTest::qWait(20); // the frame grows once its layout is done
}

// The board's largest pictures (6×) hold it at 3× on a screen scaled by 2,
// and up to 2× scaled by 2.5 or 3, however large the screen; scaled by 3 its
// own size shows the pictures drawn at 3×. Runs on a large screen at those
// three scales (see CMakeLists.txt).
TEST_F(BoardTest, TheZoomStopsWhereItsPicturesEnd) {
    const qreal ratio = qGuiApp->devicePixelRatio();
    ASSERT_TRUE(ratio == 2.0 || ratio == 2.5 || ratio == 3.0) << "run at QT_SCALE_FACTOR 2, 2.5, 3";
    auto frame = MakeFrame();
    CFieldWnd& field = frame->m_wndField;
    if (ratio == 3.0) {
        EXPECT_EQ(Grabbed(field.m_background), Picture(PictureId::kBoardStopped, 3));
        ASSERT_TRUE(frame->Dispatch(ID_GAME_START));
        const CCellButton& centre = field.m_cellButtons[CellIndex(4, 4)];
        EXPECT_EQ(Grabbed(field.m_cellButtons[CellIndex(4, 4)]),
                  Picture(CCellButton::PictureFor(centre.m_colour, centre.m_state), 3));
    }
    std::vector<int> seen = {field.Zoom()};
    for (Zoom(*frame, Qt::Key_Plus); field.Zoom() != seen.back(); Zoom(*frame, Qt::Key_Plus))
        seen.push_back(field.Zoom());
    const std::vector<int> upTo2 = {10, 15, 20}, upTo3 = {10, 15, 20, 25, 30};
    EXPECT_EQ(seen, ratio == 2.0 ? upTo3 : upTo2);
    EXPECT_EQ(g_zoom, seen.back());
}

// The keys and the wheel step through the zoom, passing over steps that would
// not fit on the screen; the frame grows to fit and shrinks back.
TEST_F(BoardTest, TheKeysAndTheWheelZoomWithinTheScreen) {
    auto frame = MakeFrame();
    frame->resize(300, 300); // the frame fits itself to the board
    QTest::qWait(20);
    CFieldWnd& field = frame->m_wndField;
    const QSize one = field.size(), frameOne = frame->size();
    ASSERT_EQ(one, QSize(347, 325));
    std::vector<int> seen = {field.Zoom()};
    for (Zoom(*frame, Qt::Key_Plus); field.Zoom() != seen.back(); Zoom(*frame, Qt::Key_Plus))
        seen.push_back(field.Zoom());
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(std::pair(g_zoom, field.size()), std::pair(seen.back(), field.m_background.size()));
    const QRect room = frame->screen()->availableGeometry();
    EXPECT_TRUE(room.size().expandedTo(frame->frameGeometry().size()) == room.size());
    if (seen.back() < 30) { // the next step would not fit
        const QSize more = field.BoardSize(seen.back() + 5) - field.size();
        EXPECT_FALSE(room.size().expandedTo(frame->frameGeometry().size() + more) == room.size());
    }

    QWheelEvent notch(QPointF(5, 5), QPointF(), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&field, &notch);
    QTest::qWait(20);
    EXPECT_EQ(field.Zoom(), seen[seen.size() - 2]);
    Zoom(*frame, Qt::Key_0);
    EXPECT_EQ(std::tuple(field.Zoom(), g_zoom, field.size(), frame->size()),
              std::tuple(10, 10, one, frameOne));
}
