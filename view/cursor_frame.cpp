#include "view/cursor_frame.h"

#include "view/cell_button.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

namespace {

// A band `width` wide along the inside of outer.
void FillBand(QPainter& painter, const QRect& outer, int width, const QColor& colour) {
    const int w = outer.width(), h = outer.height();
    const QPoint at = outer.topLeft();
    painter.fillRect(QRect(at, QSize(w, width)), colour);
    painter.fillRect(QRect(at + QPoint(0, h - width), QSize(w, width)), colour);
    painter.fillRect(QRect(at + QPoint(0, width), QSize(width, h - 2 * width)), colour);
    painter.fillRect(QRect(at + QPoint(w - width, width), QSize(width, h - 2 * width)), colour);
}

} // namespace

CCursorFrame::CCursorFrame(QWidget* board) : QWidget(board) {
    setObjectName(QStringLiteral("cursorFrame"));
    // Clicks go through to the cells; the middle stays see-through.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void CCursorFrame::Mark(CCellButton* cell, int room) {
    if (m_cell) m_cell->removeEventFilter(this);
    m_cell = cell;
    m_room = std::max(room, 1);
    if (m_cell) m_cell->installEventFilter(this);
    Place();
}

void CCursorFrame::Place() {
    if (!m_cell || m_cell->isHidden()) {
        hide();
        return;
    }
    setGeometry(m_cell->geometry().adjusted(-m_room, -m_room, m_room, m_room));
    raise();
    show();
}

bool CCursorFrame::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        if (watched == m_cell) Place();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

// A wide orange band, found at a glance on the board's grey and seams, and a
// narrow black one along the cell that parts it from every ball colour; the
// two differ in lightness too, for a monochrome screen.
void CCursorFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int inner = m_room > 1 ? std::max(1, m_room / 3) : 0;
    FillBand(painter, rect(), m_room - inner, QColor::fromRgb(kOuterTone));
    const int outer = m_room - inner;
    if (inner > 0)
        FillBand(painter, rect().adjusted(outer, outer, -outer, -outer), inner,
                 QColor::fromRgb(kInnerTone));
}
