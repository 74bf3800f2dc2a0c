// The cells: which picture each colour, state, shape and style shows.
#include "view/board_accessible.h"
#include "view_fixture.h"

using CellTest = ViewTest;

TEST_F(CellTest, EachColourStateAndShapeShowsItsPictureOneToOne) {
    auto frame = MakeFrame();
    Start(*frame);
    CCellButton& cell = frame->m_wndField.m_cellButtons[40];
    for (int round : {1, 0}) {
        g_roundBalls = round;
        for (int colour = 0; colour <= 7; ++colour) {
            for (int state = Normal; state <= Preview; ++state) {
                const int id = (round ? 400 : 500) + 4 * colour + state;
                ASSERT_EQ(cell.SetBall(colour, state), 1) << id;
                EXPECT_EQ(cell.PictureId(), id);
                ASSERT_EQ(Grabbed(cell), Resource(id)) << id;
            }
        }
    }
}

TEST_F(CellTest, ClassicalStyleShowsAnnouncedBallsAsEmptySquares) {
    g_classical = 1;
    auto frame = MakeFrame();
    Start(*frame);
    int announced = 0;
    for (CCellButton& cell : frame->m_wndField.m_cellButtons) {
        if (cell.m_state != Preview) continue;
        ++announced;
        EXPECT_EQ(Grabbed(cell), Resource(400));
        EXPECT_TRUE(CellAccessibleName(cell).endsWith(QLatin1String(": empty"))); // told nothing
        // It shows when it turns into a real ball.
        ASSERT_EQ(cell.SetBall(cell.m_colour, Normal), 1);
        EXPECT_EQ(Grabbed(cell), Resource(400 + 4 * cell.m_colour));
        EXPECT_TRUE(CellAccessibleName(cell).endsWith(QLatin1String(" ball")));
    }
    EXPECT_EQ(announced, 3);
}

TEST_F(CellTest, MissingPictureReturnsZeroKeepsTheModelAndShowsTheBoardBehind) {
    auto frame = MakeFrame();
    Start(*frame);
    CFieldWnd& field = frame->m_wndField;
    CCellButton& cell = field.m_cellButtons[CellIndex(2, 3)];
    ASSERT_EQ(cell.SetBall(3, Sad), 1);
    EXPECT_EQ(cell.SetBall(8, Normal), 0); // picture 432 does not exist
    EXPECT_EQ(std::tuple(cell.m_colour, cell.m_state, cell.HasPicture()),
              std::tuple(3, int(Sad), false));
    // Painting nothing, it lets the board's square show through.
    const QRect spot = cell.geometry();
    const QImage board = Resource(CFieldWnd::kBoardPicture);
    const QPoint corner = spot.topLeft() - field.m_background.pos();
    EXPECT_EQ(Grabbed(field, spot), board.copy(QRect(corner, spot.size())));
    // The next good SetBall brings the picture back.
    EXPECT_EQ(cell.SetBall(3, Normal), 1);
    EXPECT_EQ(Grabbed(cell), Resource(412));
}

TEST_F(CellTest, ShapeSwitchChangesNoPictureUntilTheCellIsSetAgain) {
    auto frame = MakeFrame();
    Start(*frame);
    CCellButton& cell = frame->m_wndField.m_cellButtons[10];
    cell.SetBall(6, Normal);
    g_roundBalls = 0;
    EXPECT_EQ(Grabbed(cell), Resource(424));
    cell.SetBall(6, Selected);
    EXPECT_EQ(Grabbed(cell), Resource(526));
}
