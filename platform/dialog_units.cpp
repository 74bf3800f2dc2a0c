#include "platform/dialog_units.h"

#include <algorithm>

#include <QFontMetrics>
#include <QLocale>
#include <QRawFont>
#include <fontconfig/fontconfig.h>

namespace {

// The family a desktop in the given language (as "ja" or "zh-cn") takes for
// its sans face, as fontconfig chooses it; empty when it chooses none.
QString DesktopSans(const QString& language) {
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("sans-serif"));
    const QByteArray lang = language.toUtf8();
    FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>(lang.constData()));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcChar8* name = nullptr;
    QString family;
    if (match && FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch)
        family = QString::fromUtf8(reinterpret_cast<const char*>(name));
    if (match) FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return family;
}

// Whether the face itself, without the faces standing in for missing glyphs,
// has every character of the text.
bool Covers(const QFont& font, const QString& text) {
    const QRawFont face = QRawFont::fromFont(font);
    const QList<uint> codes = text.toUcs4();
    return std::all_of(codes.begin(), codes.end(),
                       [&](uint c) { return QChar::isSpace(c) || face.supportsCharacter(c); });
}

QString g_sansFamily = QStringLiteral("Liberation Sans");

} // namespace

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
    QFont font(g_sansFamily, points);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void ChooseSansDialogFace(const QLocale& language) {
    g_sansFamily = QStringLiteral("Liberation Sans");
    // The language's name written in itself is a sample of its script.
    if (Covers(SansDialogFont(8), language.nativeLanguageName())) return;
    const QString family = DesktopSans(language.name().toLower().replace('_', '-'));
    if (!family.isEmpty()) g_sansFamily = family;
}
