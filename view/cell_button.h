// One square of the board: shows the picture of its colour and state and
// reports clicks with its command identifier.
#pragma once

#include "engine/collaborators.h"
#include "platform/bitmap_button.h"

#include <QRect>

class CCellButton : public CBitmapButton, public CCell {
    Q_OBJECT
public:
    explicit CCellButton(QWidget* parent = nullptr);

    // Places the cell, gives it its command identifier and empties it.
    bool Create(const QRect& rect, QWidget* parent, int id);

    int SetBall(int colour, int state) override;

    // Moves the cell to rect and shows its picture zoomed by zoom tenths.
    void SetZoom(int zoom, const QRect& rect);

    // Whether the keyboard cursor is on the cell; its frame is drawn around
    // the cell, never over the picture.
    void SetCursorMark(bool marked) { m_cursorMark = marked; }
    bool CursorMark() const { return m_cursorMark; }

    // The picture for colour and state under the current ball shape.
    static int PictureFor(int colour, int state);

    int m_id = 0;

private:
    bool m_cursorMark = false;
    int m_zoom = 10;
};
