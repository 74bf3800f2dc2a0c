#include "view/field_wnd.h"

#include <QPainter>
#include <QResizeEvent>
#include <QTimer>

namespace {

QPoint CellCorner(int col, int row) {
    return {10 + 37 * col, 6 + 35 * row};
}

} // namespace

CFieldWnd::CFieldWnd(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setObjectName(QStringLiteral("field"));
}

bool CFieldWnd::Create(QWidget* parent, int id, CScorePanel* scoreBar, CGameFlags* frame) {
    m_scoreBar = scoreBar;
    m_frame = frame;
    m_id = id;
    if (parent) setParent(parent);

    m_background.setParent(this);
    m_background.setObjectName(QStringLiteral("bmpfield"));
    m_background.setEnabled(false);
    m_background.setGeometry(0, 0, 100, 100);
    if (!m_background.LoadBitmaps(kStoppedPicture)) return false;
    m_background.SizeToContent();

    // Cells are created row by row, as their identifiers run.
    for (int row = 0; row < 9; ++row) {
        for (int col = 0; col < 9; ++col) {
            const int index = 9 * col + row;
            CCellButton& cell = m_cellButtons[index];
            const int cellId = kFirstCellId + 9 * row + col;
            if (!cell.Create(QRect(CellCorner(col, row), QSize(32, 32)), this, cellId))
                return false;
            cell.hide();
            m_cells[index] = &cell;
            connect(&cell, &QAbstractButton::clicked, this, [this, cellId] { OnCommand(cellId); });
        }
    }
    m_active = 0;
    return true;
}

void CFieldWnd::SetCellsShown(bool shown) {
    for (CCellButton& cell : m_cellButtons) cell.setVisible(shown);
}

void CFieldWnd::RepaintNow() {
    repaint();
    m_background.repaint();
}

void CFieldWnd::BeginPlayingLook() {
    setUpdatesEnabled(false);
    m_background.LoadBitmaps(kBoardPicture);
}

void CFieldWnd::RevealCell(int index) {
    m_cellButtons[index].show();
}

void CFieldWnd::EndPlayingLook() {
    setUpdatesEnabled(true);
    RepaintNow();
}

void CFieldWnd::ShowStoppedLook() {
    m_background.LoadBitmaps(kStoppedPicture);
    SetCellsShown(false);
    RepaintNow();
}

void CFieldWnd::ShowPaused() {
    m_background.LoadBitmaps(kPausedPicture);
    SetCellsShown(false);
    RepaintNow();
}

void CFieldWnd::ShowResumed() {
    m_background.LoadBitmaps(kBoardPicture);
    SetCellsShown(true);
    RepaintNow();
}

void CFieldWnd::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    OnSize(event->size().width(), event->size().height());
}

void CFieldWnd::OnSize(int cx, int cy) {
    if (cx == 0 && cy == 0) return;
    const QSize board = m_background.size();
    if (cx < board.width() || cy < board.height()) {
        // The frame is resized once its own layout has finished: resizing it
        // from inside that layout would leave the board window a stale size.
        QTimer::singleShot(0, this, &CFieldWnd::FitFrameToBoard);
        return;
    }
    const int dx = (cx - board.width()) / 2;
    const int dy = (cy - board.height()) / 2;
    m_background.move(dx, dy);
    for (int col = 0; col < 9; ++col)
        for (int row = 0; row < 9; ++row)
            m_cellButtons[9 * col + row].move(QPoint(dx, dy) + CellCorner(col, row));
}

// Both dimensions change, so one larger than needed shrinks to fit. A frame
// shown maximised or minimised keeps its size.
void CFieldWnd::FitFrameToBoard() {
    QWidget* frame = window();
    const QSize board = m_background.size();
    if (frame == this || frame->windowState() != Qt::WindowNoState) return;
    if (width() >= board.width() && height() >= board.height()) return;
    frame->resize(frame->size() + board - size());
}

// The area around the board is tiled from the window's top-left corner; the
// last column and row of tiles are cut off by the window's edge.
void CFieldWnd::paintEvent(QPaintEvent*) {
    m_lastTileCount = 0;
    const QPixmap tile = CachedPicture(kTilePicture);
    if (tile.isNull()) return;
    QPainter painter(this);
    const int nx = width() / tile.width();
    const int ny = height() / tile.height();
    for (int i = 0; i <= nx; ++i) {
        for (int j = 0; j <= ny; ++j) {
            painter.drawPixmap(i * tile.width(), j * tile.height(), tile);
            ++m_lastTileCount;
        }
    }
}
