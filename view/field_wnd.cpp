#include "view/field_wnd.h"

#include "platform/resources.h"

#include <QGuiApplication>
#include <QPainter>
#include <QResizeEvent>
#include <QTimer>

CFieldWnd::CFieldWnd(QWidget* parent)
    : QWidget(parent), m_geometry(CBoardGeometry::For(qGuiApp->devicePixelRatio())) {
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
    if (!LoadBoard(kStoppedPicture)) return false;
    m_background.SizeToContent();

    // Cells are created row by row, as their identifiers run.
    for (int row = 0; row < 9; ++row) {
        for (int col = 0; col < 9; ++col) {
            const int index = 9 * col + row;
            CCellButton& cell = m_cellButtons[index];
            const int cellId = kFirstCellId + 9 * row + col;
            if (!cell.Create(QRect(m_geometry.Cell(col, row), QSize(32, 32)), this, cellId))
                return false;
            cell.hide();
            m_cells[index] = &cell;
            connect(&cell, &QAbstractButton::clicked, this, [this, cellId] { OnCommand(cellId); });
        }
    }
    m_active = 0;
    return true;
}

bool CFieldWnd::LoadBoard(int id) {
    if (!m_background.LoadBitmaps(id)) return false;
    if (!m_geometry.Regular())
        m_background.SetPicture(QPixmap::fromImage(
            FitBoardPicture(LoadPicture(id, 2), m_geometry, qGuiApp->devicePixelRatio())));
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
    LoadBoard(kBoardPicture);
}

void CFieldWnd::RevealCell(int index) {
    m_cellButtons[index].show();
}

void CFieldWnd::EndPlayingLook() {
    setUpdatesEnabled(true);
    RepaintNow();
    setFocus(Qt::OtherFocusReason); // a new game is played on the board
}

void CFieldWnd::ShowStoppedLook() {
    LoadBoard(kStoppedPicture);
    SetCellsShown(false);
    RepaintNow();
}

void CFieldWnd::ShowPaused() {
    LoadBoard(kPausedPicture);
    SetCellsShown(false);
    RepaintNow();
}

void CFieldWnd::ShowResumed() {
    LoadBoard(kBoardPicture);
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
    const QPoint offset = m_geometry.Offset(cx, cy);
    m_background.move(offset);
    for (int col = 0; col < 9; ++col)
        for (int row = 0; row < 9; ++row)
            m_cellButtons[9 * col + row].move(offset + m_geometry.Cell(col, row));
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
    const QSize size = tile.deviceIndependentSize().toSize();
    const int nx = width() / size.width();
    const int ny = height() / size.height();
    for (int i = 0; i <= nx; ++i) {
        for (int j = 0; j <= ny; ++j) {
            painter.drawPixmap(i * size.width(), j * size.height(), tile);
            ++m_lastTileCount;
        }
    }
}
