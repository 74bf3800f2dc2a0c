#include "view/field_wnd.h"

#include "platform/resources.h"

#include <QGuiApplication>
#include <QPainter>
#include <QResizeEvent>
#include <QTimer>
#include <QWheelEvent>

CFieldWnd::CFieldWnd(QWidget* parent)
    : QWidget(parent), m_geometry(CBoardGeometry::For(qGuiApp->devicePixelRatio())) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setObjectName(QStringLiteral("field"));
}

CCellArray CFieldWnd::Cells() {
    CCellArray cells;
    for (int i = 0; i < kBoardCells; ++i) cells[i] = &m_cellButtons[i];
    return cells;
}

bool CFieldWnd::Create(QWidget* parent, int /*id*/) {
    if (parent) setParent(parent);

    m_background.setParent(this);
    m_background.setObjectName(QStringLiteral("bmpfield"));
    m_background.setEnabled(false);
    m_background.setGeometry(0, 0, 100, 100);
    if (!LoadBoard(PictureId::kBoardStopped)) return false;
    m_background.SizeToContent();

    // Cells are created row by row, as their identifiers run.
    for (int row = 0; row < 9; ++row) {
        for (int col = 0; col < 9; ++col) {
            CCellButton& cell = m_cellButtons[CellIndex(col, row)];
            const int cellId = CellCommandId(col, row);
            if (!cell.Create(QRect(m_geometry.Cell(col, row), m_geometry.CellSize()), this, cellId))
                return false;
            cell.hide();
            connect(&cell, &QAbstractButton::clicked, this,
                    [this, cellId] { emit CellCommand(cellId); });
        }
    }
    return true;
}

bool CFieldWnd::LoadBoard(int id) {
    if (!m_background.LoadBitmaps(id)) return false;
    const qreal ratio = qGuiApp->devicePixelRatio();
    if (!m_geometry.Regular())
        m_background.SetPicture(QPixmap::fromImage(FitBoardPicture(
            LoadPicture(id, PictureScaleFor(ratio, m_geometry.zoom)), m_geometry, ratio)));
    return true;
}

QSize CFieldWnd::BoardSize(int zoom) const {
    return CBoardGeometry::For(qGuiApp->devicePixelRatio(), zoom).Size();
}

void CFieldWnd::SetZoom(int zoom) {
    if (zoom == m_geometry.zoom) return;
    const bool larger = zoom > m_geometry.zoom;
    m_geometry = CBoardGeometry::For(qGuiApp->devicePixelRatio(), zoom);
    LoadBoard(m_background.PictureId());
    m_background.resize(m_geometry.Size());
    for (int row = 0; row < 9; ++row)
        for (int col = 0; col < 9; ++col)
            m_cellButtons[CellIndex(col, row)].SetZoom(
                zoom, QRect(m_geometry.Cell(col, row), m_geometry.CellSize()));
    if (larger && isVisible() && !m_areaBeforeZoom.isValid()) m_areaBeforeZoom = size();
    if (!larger) ShrinkFrameToBoard();
    updateGeometry();
    OnSize(width(), height());
    update();
    emit Zoomed();
}

// Back to the larger of the board and the area the board had before it was
// zoomed in, or to the board where it came zoomed from the start; once the
// board fits that area again the area is the player's.
void CFieldWnd::ShrinkFrameToBoard() {
    const QSize board = m_geometry.Size();
    const QSize wanted = board.expandedTo(m_areaBeforeZoom.isValid() ? m_areaBeforeZoom : board);
    if (wanted == m_areaBeforeZoom) m_areaBeforeZoom = QSize();
    QWidget* frame = window();
    if (frame == this || frame->windowState() != Qt::WindowNoState) return;
    const QSize shrink = (size() - wanted).expandedTo(QSize(0, 0));
    if (shrink.width() > 0 || shrink.height() > 0) frame->resize(frame->size() - shrink);
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
    LoadBoard(PictureId::kBoard);
}

void CFieldWnd::RevealCell(int index) {
    m_cellButtons[index].show();
}

void CFieldWnd::EndPlayingLook() {
    setUpdatesEnabled(true);
    RepaintNow();
    setFocus(Qt::OtherFocusReason); // a new game is played on the board
    emit GameBegun();
}

void CFieldWnd::ShowStoppedLook() {
    LoadBoard(PictureId::kBoardStopped);
    SetCellsShown(false);
    RepaintNow();
}

void CFieldWnd::ShowPaused() {
    LoadBoard(PictureId::kBoardPaused);
    SetCellsShown(false);
    RepaintNow();
}

void CFieldWnd::ShowResumed() {
    LoadBoard(PictureId::kBoard);
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
            m_cellButtons[CellIndex(col, row)].move(offset + m_geometry.Cell(col, row));
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

// Ctrl and the wheel zoom; a step is one notch, or as much turn of a finer
// wheel.
void CFieldWnd::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        event->ignore();
        return;
    }
    event->accept();
    m_wheel += event->angleDelta().y();
    const int steps = m_wheel / QWheelEvent::DefaultDeltasPerStep;
    m_wheel -= steps * QWheelEvent::DefaultDeltasPerStep;
    if (steps != 0) emit ZoomWheeled(steps);
}

// The area around the board is tiled from the window's top-left corner; the
// last column and row of tiles are cut off by the window's edge.
void CFieldWnd::paintEvent(QPaintEvent*) {
    const QPixmap tile = CachedPicture(PictureId::kTile);
    if (tile.isNull()) return;
    QPainter painter(this);
    const QSize size = tile.deviceIndependentSize().toSize();
    const int nx = width() / size.width();
    const int ny = height() / size.height();
    for (int i = 0; i <= nx; ++i) {
        for (int j = 0; j <= ny; ++j) {
            painter.drawPixmap(i * size.width(), j * size.height(), tile);
        }
    }
}
