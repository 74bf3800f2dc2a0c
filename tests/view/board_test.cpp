// The board window and its cells offscreen: where the board lies, the tiles
// and each cell's picture. How they look on a real screen is tested under X.
#include "view/board_accessible.h"
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
