#include "catalogues.h"

#include "picture_words.h"

#include <QFile>
#include <QXmlStreamReader>

namespace {

// Chinese and Japanese share letters but not their shapes: each is drawn in
// the face made for it.
QString CjkFamilyFor(const QString& name) {
    if (name.startsWith(QStringLiteral("ja"))) return QStringLiteral("Noto Sans CJK JP");
    if (name.startsWith(QStringLiteral("zh"))) return QStringLiteral("Noto Sans CJK SC");
    if (name.startsWith(QStringLiteral("ko"))) return QStringLiteral("Noto Sans CJK KR");
    return {};
}

} // namespace

QStringList EnglishPictureWords() {
    QStringList words;
    for (const char* word : kPictureWords) words << QString::fromUtf8(word);
    return words;
}

PictureLanguage English() {
    return {QString(), EnglishPictureWords(), QString()};
}

QStringList PictureWordsOf(const QByteArray& catalogue) {
    const QStringList english = EnglishPictureWords();
    QStringList words = english;
    QXmlStreamReader xml(catalogue);
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto tag = xml.name();
        if (tag == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (tag == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (tag == QLatin1String("translation")) {
            // Unfinished or vanished translations are not the catalogue's word yet.
            const bool final = xml.attributes().value(QLatin1String("type")).isEmpty();
            const QString text = xml.readElementText();
            const qsizetype at = english.indexOf(source);
            if (context == QLatin1String(kPictureWordsContext) && final && !text.isEmpty() &&
                at >= 0)
                words[at] = text;
        }
    }
    return words;
}

std::vector<PictureLanguage> ReadPictureLanguages(const QDir& root) {
    std::vector<PictureLanguage> languages;
    const QDir folder(root.filePath(QStringLiteral("translations")));
    for (const QString& file :
         folder.entryList({QStringLiteral("marbix_*.ts")}, QDir::Files, QDir::Name)) {
        QFile ts(folder.filePath(file));
        if (!ts.open(QIODevice::ReadOnly)) continue;
        const QString name = file.mid(7, file.size() - 7 - 3);
        languages.push_back({name, PictureWordsOf(ts.readAll()), CjkFamilyFor(name)});
    }
    return languages;
}
