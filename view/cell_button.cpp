#include "view/cell_button.h"

#include "engine/identifiers.h"
#include "engine/settings.h"
#include "view/board_accessible.h"

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
