// The board window: its three looks, the centring of the board, the frame
// resize when the area is too small, and the tiles around the board.
#include "view_fixture.h"

#include <QPaintEvent>

namespace {

// Counts the paint events a widget receives.
class CPaintCounter : public QObject {
public:
    explicit CPaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++m_paints;
        return false;
    }
    int m_paints = 0;
};

QRect BoardRect(CFieldWnd& field) {
    return field.m_background.geometry();
}

} // namespace

using FieldTest = ViewTest;

TEST_F(FieldTest, BeforeAnyGameTheBoardShowsTheStoppedPictureAlone) {
    auto host = MakeHost();
    CFieldWnd& field = host->m_wndField;
    EXPECT_EQ(BoardRect(field).size(), QSize(347, 325));
    EXPECT_EQ(Grabbed(field, BoardRect(field)), Resource(CFieldWnd::kStoppedPicture));
    for (CCellButton& cell : field.m_cellButtons) {
        EXPECT_EQ(cell.m_colour, 0);
        EXPECT_EQ(cell.m_state, Normal);
    }
    // A click on the board does nothing.
    QTest::mouseClick(&field, Qt::LeftButton, {}, BoardRect(field).topLeft() + QPoint(20, 20));
    EXPECT_TRUE(m_cues.m_ids.empty());
}

TEST_F(FieldTest, StartShowsTheEmptyBoardOnceThenTheDealtBalls) {
    auto host = MakeHost();
    CFieldWnd& field = host->m_wndField;
    // A ball left from an earlier game must not flash up.
    field.m_cellButtons[0].SetBall(4, Normal);
    CPaintCounter boardPaints(&field.m_background);
    std::vector<std::unique_ptr<CPaintCounter>> cellPaints;
    for (CCellButton& cell : field.m_cellButtons)
        cellPaints.push_back(std::make_unique<CPaintCounter>(&cell));
    Start(*host);
    EXPECT_EQ(boardPaints.m_paints, 1);
    int balls = 0;
    for (int i = 0; i < CFieldGame::kCells; ++i) {
        const CCellButton& cell = field.m_cellButtons[i];
        if (cell.m_colour == 0) {
            EXPECT_EQ(cellPaints[i]->m_paints, 1) << "cell " << i;
        } else {
            ++balls;
            EXPECT_GE(cellPaints[i]->m_paints, 2) << "cell " << i; // empty, then each deal
        }
    }
    EXPECT_EQ(balls, 6);
    // The bare grid lies under the cells.
    field.m_cellButtons[0].SetBall(0, Normal);
    const QImage shown = Grabbed(field, BoardRect(field));
    EXPECT_EQ(shown.copy(0, 0, 40, 40), Resource(CFieldWnd::kBoardPicture).copy(0, 0, 40, 40));
}

TEST_F(FieldTest, PauseAndStopHideTheCellsButKeepThem) {
    auto host = MakeHost();
    Start(*host);
    CFieldWnd& field = host->m_wndField;
    Click(*host, 0, 0); // whatever lies there: a selection or a refused move
    int colours[81], states[81];
    for (int i = 0; i < 81; ++i) {
        colours[i] = field.m_cellButtons[i].m_colour;
        states[i] = field.m_cellButtons[i].m_state;
    }
    const QImage playing = Grabbed(field, BoardRect(field));

    field.ShowPaused();
    EXPECT_EQ(Grabbed(field, BoardRect(field)), Resource(CFieldWnd::kPausedPicture));
    field.ShowResumed();
    EXPECT_EQ(Grabbed(field, BoardRect(field)), playing);
    for (int i = 0; i < 81; ++i) {
        EXPECT_EQ(field.m_cellButtons[i].m_colour, colours[i]);
        EXPECT_EQ(field.m_cellButtons[i].m_state, states[i]);
        EXPECT_EQ(field.m_cellButtons[i].pos(),
                  BoardRect(field).topLeft() + QPoint(10 + 37 * (i / 9), 6 + 35 * (i % 9)));
    }

    ASSERT_TRUE(host->OnCommand(ID_GAME_STOP));
    EXPECT_EQ(Grabbed(field, BoardRect(field)), Resource(CFieldWnd::kStoppedPicture));
    for (int i = 0; i < 81; ++i) EXPECT_EQ(field.m_cellButtons[i].m_colour, colours[i]);
}

TEST_F(FieldTest, TheBoardIsCentredInTheArea) {
    auto host = MakeHost();
    CFieldWnd& field = host->m_wndField;
    struct Case {
        QSize area;
        QPoint board;
    };
    for (const Case& c : {Case{{347, 325}, {0, 0}}, Case{{400, 400}, {26, 37}},
                          Case{{348, 326}, {0, 0}}, Case{{401, 328}, {27, 1}}}) {
        SCOPED_TRACE(testing::Message() << c.area.width() << "x" << c.area.height());
        field.OnSize(c.area.width(), c.area.height());
        EXPECT_EQ(BoardRect(field), QRect(c.board, QSize(347, 325)));
        EXPECT_EQ(field.m_cellButtons[0].pos(), c.board + QPoint(10, 6));
        EXPECT_EQ(field.m_cellButtons[80].pos(), c.board + QPoint(306, 286));
        EXPECT_EQ(field.m_cellButtons[9 * 3 + 1].pos(), c.board + QPoint(121, 41));
    }
    // A size change to 0 x 0 moves nothing and resizes nothing.
    const QSize hostSize = host->size();
    field.OnSize(0, 0);
    EXPECT_EQ(BoardRect(field).topLeft(), QPoint(27, 1));
    EXPECT_EQ(host->size(), hostSize);
}

TEST_F(FieldTest, TooSmallAnAreaResizesTheWindowByTheMissingPixels) {
    auto host = MakeHost();
    CFieldWnd& field = host->m_wndField;
    host->resize(host->size() + QSize(153, 175));
    ASSERT_EQ(field.size(), QSize(500, 500));
    const QSize before = host->size();
    field.OnSize(300, 400);
    WaitFor([&] { return host->size() != before; });
    EXPECT_EQ(host->size(), before + QSize(47, -75));
    EXPECT_EQ(field.size(), QSize(547, 425));
    EXPECT_EQ(BoardRect(field).topLeft(), QPoint(100, 50));
}

TEST_F(FieldTest, TheWindowGrowsUntilTheBoardFits) {
    auto host = MakeHost();
    CFieldWnd& field = host->m_wndField;
    const QSize frame = host->size() - field.size();
    host->resize(frame + QSize(300, 400));
    WaitFor([&] { return field.size() == QSize(347, 325); });
    EXPECT_EQ(field.size(), QSize(347, 325));
    EXPECT_EQ(host->size(), frame + QSize(347, 325));
    EXPECT_EQ(BoardRect(field).topLeft(), QPoint(0, 0));
}

TEST_F(FieldTest, TheAreaIsTiledFromItsCorner) {
    CScoreKeeper panel;
    CGameFlags flags;
    CFieldWnd field;
    ASSERT_TRUE(field.Create(nullptr, 131, &panel, &flags));
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
