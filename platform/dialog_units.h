// Dialog templates give their geometry in dialog units: a quarter of the
// font's average character width across, an eighth of its height down.
#pragma once

#include <QFont>
#include <QLocale>
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
// of text, and the plain sans face of dialogs.
QFont FixedDialogFont(int points);
QFont SansDialogFont(int points);

// The dialogs' sans face for the language of the texts: ours, or where it
// lacks the glyphs of the language (Chinese, Japanese) the face a desktop in
// that language takes, as fontconfig chooses it. The dialog units grow with
// it, so that no line is cut.
void ChooseSansDialogFace(const QLocale& language);
