// The picture words of each language catalogue (translations/marbix_*.ts),
// from which the toolbar and the paused board are drawn in that language.
#pragma once

#include <QDir>
#include <QString>
#include <QStringList>
#include <vector>

struct PictureLanguage {
    QString name;      // the catalogue's suffix: "de", "pt_BR"; also the pictures' folder
    QStringList words; // as kPictureWords, English where the catalogue has no translation
    QString cjkFamily; // the face for Chinese or Japanese letters; empty for other languages
};

// The paused board's word, the last of kPictureWords.
inline constexpr int kPausedWordIndex = 5;

// The English words, in the order of kPictureWords.
QStringList EnglishPictureWords();

// English, as the pictures under res/bmp itself speak it.
PictureLanguage English();

// The picture words of one catalogue's XML text.
QStringList PictureWordsOf(const QByteArray& catalogue);

// Every catalogue under translations/ of the source folder, by name.
std::vector<PictureLanguage> ReadPictureLanguages(const QDir& root);
