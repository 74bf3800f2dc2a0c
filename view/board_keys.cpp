#include "view/board_keys.h"

#include "view/cursor_frame.h"
#include "view/field_wnd.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

CBoardKeys::CBoardKeys(CFieldWnd* field)
    : QObject(field), m_field(field), m_frame(new CCursorFrame(field)) {
    // Tab and a click reach the board; the cells themselves take no focus.
    m_field->setFocusPolicy(Qt::StrongFocus);
    m_field->installEventFilter(this);
    // The mouse over any part of the board, also where no widget tracks it.
    QCoreApplication::instance()->installEventFilter(this);
    connect(field, &CFieldWnd::GameBegun, this, &CBoardKeys::Recentre);
    // The seams grow with the board, and the frame in them.
    connect(field, &CFieldWnd::Zoomed, this, [this] {
        if (m_shown) m_frame->Mark(&Current(), Room());
    });
}

void CBoardKeys::Recentre() {
    SetShown(false);
    m_col = m_row = kCentre;
    m_placed = false;
}

bool CBoardKeys::OnBoard(QObject* watched) const {
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget && (widget == m_field || m_field->isAncestorOf(widget));
}

CCellButton& CBoardKeys::Current() const {
    return m_field->m_cellButtons[CellIndex(m_col, m_row)];
}

bool CBoardKeys::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        if (watched == m_field) return OnKey(static_cast<QKeyEvent*>(event));
        break;
    case QEvent::MouseButtonPress:
        if (m_shown && OnBoard(watched)) SetShown(false);
        break;
    case QEvent::MouseMove:
        if (m_shown && OnBoard(watched))
            OnMouse(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        break;
    case QEvent::FocusOut:
        // A menu opened over the board leaves the cursor where it is.
        if (watched == m_field &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            SetShown(false);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool CBoardKeys::OnKey(const QKeyEvent* key) {
    if (key->modifiers() & ~Qt::KeypadModifier) return false;
    switch (key->key()) {
    case Qt::Key_Left:
        MoveBy(-1, 0);
        return true;
    case Qt::Key_Right:
        MoveBy(1, 0);
        return true;
    case Qt::Key_Up:
        MoveBy(0, -1);
        return true;
    case Qt::Key_Down:
        MoveBy(0, 1);
        return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Act();
        return true;
    default:
        return false;
    }
}

// The first key of a game shows the cursor where it is; only a cursor shown
// before moves, and only a shown one acts, so no key ever works on a cell the
// player cannot see marked.
void CBoardKeys::MoveBy(int dc, int dr) {
    if (m_placed) {
        Current().SetCursorMark(false);
        m_col = std::clamp(m_col + dc, 0, 8);
        m_row = std::clamp(m_row + dr, 0, 8);
    }
    SetShown(true);
}

void CBoardKeys::Act() {
    CCellButton& cell = Current();
    if (!m_shown) {
        SetShown(true);
        return;
    }
    // The board in its stopped or paused look shows no cells to click.
    if (cell.isVisible()) cell.click();
}

// The frame goes in the seams around the cell, as wide as the narrowest
// seam between two cells.
int CBoardKeys::Room() const {
    const auto at = [this](int col, int row) {
        return m_field->m_cellButtons[CellIndex(col, row)].geometry();
    };
    const QRect first = at(0, 0);
    return std::min(at(1, 0).left() - first.right(), at(0, 1).top() - first.bottom()) - 1;
}

void CBoardKeys::SetShown(bool shown) {
    if (shown) m_mouse = QCursor::pos();
    m_shown = shown;
    m_placed = m_placed || shown;
    CCellButton& cell = Current();
    cell.SetCursorMark(shown);
    m_frame->Mark(shown ? &cell : nullptr, Room());
    if (shown && QAccessible::isActive()) {
        QAccessibleEvent focus(&cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

// The mouse in use takes over: the cursor hides until the next key. Moves
// that report the mouse where it already was (as when cells appear under it)
// are not a use of it.
void CBoardKeys::OnMouse(QPoint global) {
    if (global != m_mouse) SetShown(false);
}
