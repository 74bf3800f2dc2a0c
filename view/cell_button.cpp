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
        if (!LoadBitmaps(PictureFor(colour, state))) return 0;
    }
    m_colour = colour;
    m_state = state;
    repaint();
    NotifyCellChanged(this);
    return 1;
}

void CCellButton::SetCursorMark(bool marked) {
    if (marked == m_cursorMark) return;
    m_cursorMark = marked;
    repaint();
}

// Three nested one-pixel frames, black, white and black: one of them stands
// out on the grey ground and on every ball colour.
void CCellButton::paintEvent(QPaintEvent* event) {
    CBitmapButton::paintEvent(event);
    if (!m_cursorMark) return;
    QPainter painter(this);
    const QColor tones[] = {Qt::black, Qt::white, Qt::black};
    for (int i = 0; i < 3; ++i) {
        painter.setPen(tones[i]);
        painter.drawRect(rect().adjusted(1 + i, 1 + i, -2 - i, -2 - i));
    }
}
