// The board window: the centring of the board and the tiles around it. Its
// looks and the frame's fit to the board are watched on the real screen.
#include "view_fixture.h"

using FieldTest = ViewTest;

static QRect BoardRect(CFieldWnd& field) {
    return field.m_background.geometry();
}

TEST_F(FieldTest, TheBoardIsCentredInTheArea) {
    auto frame = MakeFrame();
    CFieldWnd& field = frame->m_wndField;
    struct Case {
        QSize area;
        QPoint board;
    };
    for (const Case& c : {Case{{347, 325}, {0, 0}}, Case{{400, 400}, {26, 37}},
                          Case{{348, 326}, {0, 0}}, Case{{401, 328}, {27, 1}}}) {
        SCOPED_TRACE(testing::Message() << c.area.width() << "x" << c.area.height());
        field.OnSize(c.area.width(), c.area.height());
        EXPECT_EQ(BoardRect(field), QRect(c.board, QSize(347, 325)));
        EXPECT_EQ((QList<QPoint>{field.m_cellButtons[0].pos(), field.m_cellButtons[80].pos(),
                                 field.m_cellButtons[CellIndex(3, 1)].pos()}),
                  (QList<QPoint>{c.board + QPoint(10, 6), c.board + QPoint(306, 286),
                                 c.board + QPoint(121, 41)}));
    }
    // A size change to 0 x 0 moves nothing and resizes nothing.
    const QSize frameSize = frame->size();
    field.OnSize(0, 0);
    EXPECT_EQ(BoardRect(field).topLeft(), QPoint(27, 1));
    EXPECT_EQ(frame->size(), frameSize);
}

TEST_F(FieldTest, TheAreaIsTiledFromItsCorner) {
    CFieldWnd field;
    ASSERT_TRUE(field.Create(nullptr, kFieldWndId));
    // Without the board over it the whole area shows the tiles.
    field.m_background.hide();
    const QImage tile = Resource(CFieldWnd::kTilePicture);
    ASSERT_EQ(tile.size(), QSize(144, 144));
    for (QSize area : {QSize(300, 200), QSize(288, 144)}) {
        field.resize(area);
        const QImage shown = Grabbed(field);
        EXPECT_EQ(field.m_lastTileCount, 6) << area.width() << "x" << area.height();
        for (QPoint p :
             {QPoint(0, 0), QPoint(150, 20), QPoint(area.width() - 1, area.height() - 1)})
            EXPECT_EQ(shown.pixel(p), tile.pixel(p.x() % 144, p.y() % 144));
    }
    field.resize(600, 400);
    Grabbed(field);
    EXPECT_EQ(field.m_lastTileCount, 5 * 3);
}
