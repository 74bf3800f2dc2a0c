// Play from the keyboard: the board takes the focus, the arrow keys move a
// cursor over the cells, and Space or Return clicks the cell under it, through
// the same click a mouse would give. Each game's cursor starts on the centre
// cell, where the first key shows it; it stops at the edges, hides when the
// mouse is used or the board loses the focus, and shows again at the next
// key: an arrow then moves it at once, as the player knows where it was.
#pragma once

#include <QObject>
#include <QPoint>

class CFieldWnd;
class CCellButton;
class CCursorFrame;
class QKeyEvent;

class CBoardKeys : public QObject {
    Q_OBJECT
public:
    static constexpr int kCentre = 4;

    explicit CBoardKeys(CFieldWnd* field);

    int Col() const { return m_col; }
    int Row() const { return m_row; }
    bool Shown() const { return m_shown; }

    // A new game: the cursor hides and goes back to the centre.
    void Recentre();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool OnKey(const QKeyEvent* key);
    void MoveBy(int dc, int dr);
    void SetShown(bool shown);
    void Act();
    CCellButton& Current() const;
    void OnMouse(QPoint global);
    bool OnBoard(QObject* watched) const;
    int Room() const;

    CFieldWnd* m_field;
    int m_col = kCentre;
    int m_row = kCentre;
    bool m_shown = false;
    bool m_placed = false; // shown since the game began
    CCursorFrame* m_frame;
    QPoint m_mouse; // where the mouse was when the cursor was last shown
};
