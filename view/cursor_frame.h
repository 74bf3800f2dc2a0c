// The keyboard cursor's look: a frame around the marked cell, drawn outside
// its square in the seams of the board, so that it covers no pixel of the
// ball and every shape stays readable under it. It follows the cell when the
// board is laid out anew, and shows only while the cell does.
#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

class CCellButton;

class CCursorFrame : public QWidget {
public:
    static constexpr QRgb kOuterTone = 0xffff8000; // orange
    static constexpr QRgb kInnerTone = 0xff000000; // black

    // A frame over the cells of board, which must already hold them.
    explicit CCursorFrame(QWidget* board);

    // Frames cell, `room` pixels wide on every side; nullptr frames none.
    void Mark(CCellButton* cell, int room);
    CCellButton* Marked() const { return m_cell; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Place();

    QPointer<CCellButton> m_cell;
    int m_room = 0;
};
