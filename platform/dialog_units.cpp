#include "platform/dialog_units.h"

#include <QFontMetrics>

CDialogUnits::CDialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    m_baseX = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
    m_baseY = metrics.height();
}

QFont FixedDialogFont(int points) {
    QFont font(QStringLiteral("Liberation Mono"), points);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

QFont SansDialogFont(int points) {
    QFont font(QStringLiteral("Liberation Sans"), points);
    font.setStyleHint(QFont::SansSerif);
    return font;
}
