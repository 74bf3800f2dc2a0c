#include "view/cell_button.h"

#include "engine/identifiers.h"
#include "engine/settings.h"
#include "view/board_accessible.h"

#include <QPainter>

CCellButton::CCellButton(QWidget* parent) : CBitmapButton(parent) {}

bool CCellButton::Create(const QRect& rect, QWidget* parent, int id) {
    setParent(parent);
    setGeometry(rect);
    m_id = id;
    return SetBall(0, Normal) != 0;
}

int CCellButton::PictureFor(int colour, int state) {
    return PictureId::Cell(colour, state, g_roundBalls != 0);
}

int CCellButton::SetBall(int colour, int state) {
    // Classical style keeps announced balls secret: the cell goes on showing
    // the empty square it showed before.
    if (!(g_classical && state == Preview)) {
        if (!LoadBitmaps(PictureFor(colour, state), m_zoom)) return 0;
    }
    m_colour = colour;
    m_state = state;
    repaint();
    NotifyCellChanged(this);
    return 1;
}

void CCellButton::SetZoom(int zoom, const QRect& rect) {
    m_zoom = zoom;
    setGeometry(rect);
    if (PictureId() != 0) LoadBitmaps(PictureId(), zoom);
    update();
}

void CCellButton::SetCursorMark(bool marked) {
    if (marked == m_cursorMark) return;
    m_cursorMark = marked;
    repaint();
}

// Three nested frames, black, white and black, one pixel wide each on the
// board as drawn and wider as it is zoomed: one of them stands out on the
// grey ground and on every ball colour.
void CCellButton::paintEvent(QPaintEvent* event) {
    CBitmapButton::paintEvent(event);
    if (!m_cursorMark) return;
    QPainter painter(this);
    const QColor tones[] = {Qt::black, Qt::white, Qt::black};
    const int t = (m_zoom + 5) / 10;
    for (int i = 0; i < 3; ++i) {
        const QRect outer = rect().adjusted(t * (1 + i), t * (1 + i), -t * (1 + i), -t * (1 + i));
        const QRect inner = outer.adjusted(t, t, -t, -t);
        painter.setClipRegion(QRegion(outer).subtracted(inner));
        painter.fillRect(outer, tones[i]);
    }
}
