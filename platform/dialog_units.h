// Dialog templates give their geometry in dialog units: a quarter of the
// font's average character width across, an eighth of its height down.
#pragma once

#include <QFont>
#include <QRect>

class CDialogUnits {
public:
    explicit CDialogUnits(const QFont& font);

    int X(int units) const { return (units * m_baseX + 2) / 4; }
    int Y(int units) const { return (units * m_baseY + 4) / 8; }
    QRect Rect(int x, int y, int width, int height) const {
        return QRect(X(x), Y(y), X(width), Y(height));
    }

private:
    int m_baseX;
    int m_baseY;
};

// The faces standing in for the dialog fonts: a fixed-pitch face for columns
// of text, and the plain sans face of dialogs (the desktop's face for the
// player's language where ours lacks its glyphs).
QFont FixedDialogFont(int points);
QFont SansDialogFont(int points);
