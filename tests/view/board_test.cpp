// The board window and its cells offscreen: where the board lies, the tiles
// and each cell's picture. How they look on a real screen is tested under X.
#include "view/board_accessible.h"
#include "view/board_keys.h"
#include "view/cursor_frame.h"
#include "view_fixture.h"

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
    for (int round : {1, 0}) {
        g_roundBalls = round;
        for (int k = 0; k < 32; ++k) { // k = 4 × colour + state
            const int id = (round ? 400 : 500) + k;
            ASSERT_EQ(cell.SetBall(k / 4, k % 4), 1) << id;
            ASSERT_EQ(Grabbed(cell), Resource(id)) << id;
        }
    }
    // The other shape shows once the cell is set again, not before.
    g_roundBalls = 1;
    EXPECT_EQ(Grabbed(cell), Resource(531));
    cell.SetBall(6, Selected);
    EXPECT_EQ(Grabbed(cell), Resource(426));

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
