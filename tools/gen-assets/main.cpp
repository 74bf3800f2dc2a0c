// marbix-gen-assets: draws every picture and synthesises every sound of
// Marbix into res/, and the review sheet into docs/pictures.png.
// Every picture comes at two scales: <id>.png and, for screens of double
// density, <id>@2x.png; the cells and the boards also at scales 3 to 6
// (<id>@<k>x.png), for the zoomed board. The pictures with words are drawn again in the
// language of each catalogue under translations/, into res/bmp/<language>/
// where they differ from the English ones, the paused board at every scale. What is written is then
// read back and checked.
//   marbix-gen-assets [--check] [source folder]
#include "board.h"
#include "cells.h"
#include "extras.h"
#include "palette.h"
#include "sheet.h"
#include "sounds.h"
#include "verify.h"

#include "engine/identifiers.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <map>

namespace {

void Fail(const QString& message) {
    std::fprintf(stderr, "marbix-gen-assets: %s\n", qPrintable(message));
    std::exit(1);
}

void RequireFonts(const std::vector<PictureLanguage>& languages) {
    // Families installed by more than one foundry are listed as "Name [foundry]".
    const QStringList families = QFontDatabase::families();
    QStringList needed{"Z003", "Nimbus Sans", "Nimbus Sans Narrow"};
    for (const PictureLanguage& language : languages)
        if (!language.cjkFamily.isEmpty()) needed << language.cjkFamily;
    for (const QString& family : needed) {
        const bool found = std::any_of(families.begin(), families.end(), [&](const QString& f) {
            return f == family || f.startsWith(family + QStringLiteral(" ["));
        });
        if (!found)
            Fail(QStringLiteral("the font family \"%1\" is missing; install the Debian packages "
                                "fonts-urw-base35 and fonts-noto-cjk (make assets does this)")
                     .arg(family));
    }
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        Fail(QStringLiteral("cannot write %1").arg(path));
}

// The pictures of one scale: cells, boards, tile, decoration, toolbar, icon.
constexpr int kLargestScale = 6;

// What the zoomed board shows at scale k: the cells and the three boards.
PictureSet DrawBoardPictures(int k) {
    PictureSet pictures;
    for (int round = 0; round < 2; ++round)
        for (int colour = 0; colour < 8; ++colour)
            for (int state = 0; state < 4; ++state)
                pictures[PictureId::Cell(colour, state, round != 0)] =
                    DrawCell(colour, state, round != 0, k);
    pictures[PictureId::kBoard] = DrawBoard(BoardLook::Playing, k);
    pictures[PictureId::kBoardPaused] = DrawBoard(BoardLook::Paused, k);
    pictures[PictureId::kBoardStopped] = DrawBoard(BoardLook::Stopped, k);
    return pictures;
}

// The pictures of one scale, 1 or 2: every picture.
PictureSet DrawPictures(int k) {
    PictureSet pictures = DrawBoardPictures(k);
    pictures[PictureId::kTile] = DrawTile(k);
    pictures[PictureId::kDecoration] = DrawDecoration(k);
    pictures[PictureId::kToolbar] = DrawToolbar(k);
    pictures[PictureId::kIcon] = DrawIcon(k);
    return pictures;
}

// res/bmp/<id>.png, and <id>@2x.png for double density; a language's own
// pictures in res/bmp/<language>/.
QString PictureName(int id, int k) {
    return QStringLiteral("%1%2.png")
        .arg(id)
        .arg(k == 1 ? QString() : QStringLiteral("@%1x").arg(k));
}

QString PicturePath(const QDir& root, int id, int k, const QString& language = {}) {
    const QString folder = language.isEmpty() ? QString() : language + QLatin1Char('/');
    return root.filePath(QStringLiteral("res/bmp/") + folder + PictureName(id, k));
}

PictureSet ReadPictures(const QDir& root, const PictureSet& drawn, int k,
                        const QString& language = {}) {
    PictureSet read;
    for (const auto& [id, image] : drawn) read[id] = QImage(PicturePath(root, id, k, language));
    return read;
}

// The pictures with words drawn in one language, those of them that differ
// from the English ones, at every scale: the toolbar at scales 1 and 2, the
// paused board also at the zoomed board's scales 3 to 6.
using ScaledPictures = std::map<int, PictureSet>;

struct LocalPictures {
    PictureLanguage language;
    ScaledPictures scales;
};

LocalPictures DrawLocalPictures(const PictureLanguage& language, const ScaledPictures& english) {
    LocalPictures local{language, {}};
    for (const auto& [k, pictures] : english) {
        PictureSet& own = local.scales[k];
        if (pictures.count(PictureId::kToolbar) != 0)
            own[PictureId::kToolbar] = DrawToolbar(k, language);
        own[PictureId::kBoardPaused] = DrawBoard(BoardLook::Paused, k, language);
    }
    for (int id : {PictureId::kToolbar, PictureId::kBoardPaused}) {
        bool same = true;
        for (const auto& [k, own] : local.scales)
            same = same && (own.count(id) == 0 || own.at(id) == english.at(k).at(id));
        if (same)
            for (auto& [k, own] : local.scales) own.erase(id);
    }
    return local;
}

// The English set with a language's own pictures in place.
PictureSet WithLocal(PictureSet pictures, const PictureSet& local) {
    for (const auto& [id, image] : local) pictures[id] = image;
    return pictures;
}

// " (@<k>x)" after a line about a picture above single size.
QString ScaleNote(int k) {
    return k == 1 ? QString() : QStringLiteral(" (@%1x)").arg(k);
}

// Lines naming every committed picture that differs from the drawn one.
QStringList Differences(const PictureSet& drawn, const PictureSet& read, int k) {
    QStringList lines;
    for (const auto& [id, image] : drawn) {
        const QImage& file = read.at(id);
        if (file.isNull() || file.convertToFormat(QImage::Format_ARGB32) !=
                                 image.convertToFormat(QImage::Format_ARGB32))
            lines << QStringLiteral("%1: differs from the drawing").arg(PictureName(id, k));
    }
    return lines;
}

// Clears res/bmp/<language>/ of every language and writes its own pictures;
// a language whose pictures are all the English ones has no folder.
void WriteLocalPictures(const QDir& root, const std::vector<LocalPictures>& locals) {
    const QDir bmp(root.filePath(QStringLiteral("res/bmp")));
    for (const QString& folder : bmp.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        QDir(bmp.filePath(folder)).removeRecursively();
    for (const LocalPictures& local : locals)
        for (const auto& [k, own] : local.scales)
            for (const auto& [id, image] : own)
                pal::Save(image, PicturePath(root, id, k, local.language.name));
}

// Each language's committed pictures are its drawings, keep every rule of
// the English ones, and are all there is under res/bmp/<language>/.
QStringList CheckLocalPictures(const QDir& root, const std::vector<LocalPictures>& locals,
                               const ScaledPictures& english) {
    QStringList failures;
    QStringList folders;
    for (const LocalPictures& local : locals) {
        const QString& name = local.language.name;
        QStringList expected;
        for (const auto& [k, own] : local.scales) {
            const PictureSet read = ReadPictures(root, own, k, name);
            QStringList lines = Differences(own, read, k);
            lines << VerifyPictures(WithLocal(english.at(k), read), k);
            for (const QString& line : lines)
                failures << QStringLiteral("%1/%2%3").arg(name, line, ScaleNote(k));
            for (const auto& [id, image] : own) expected << PictureName(id, k);
        }
        if (!expected.isEmpty()) folders << name;
        const QDir folder(root.filePath(QStringLiteral("res/bmp/") + name));
        QStringList found = folder.exists() ? folder.entryList(QDir::Files) : QStringList();
        expected.sort();
        found.sort();
        if (found != expected)
            failures
                << QStringLiteral("res/bmp/%1: other files than the language's pictures").arg(name);
    }
    const QDir bmp(root.filePath(QStringLiteral("res/bmp")));
    for (const QString& folder : bmp.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (!folders.contains(folder))
            failures << QStringLiteral("res/bmp/%1: no catalogue draws these pictures").arg(folder);
    return failures;
}

int Report(const QStringList& failures) {
    for (const QString& line : failures)
        std::fprintf(stderr, "marbix-gen-assets: %s\n", qPrintable(line));
    return failures.isEmpty() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    // --check draws everything and compares it with the committed files,
    // writing nothing.
    const bool checkOnly = args.removeAll(QStringLiteral("--check")) > 0;
    const QDir root(args.isEmpty() ? QDir::currentPath() : args.first());
    if (!root.exists(QStringLiteral("res"))) Fail(QStringLiteral("run me in the source folder"));
    const std::vector<PictureLanguage> languages = ReadPictureLanguages(root);
    RequireFonts(languages);

    const PictureSet single = DrawPictures(1), twice = DrawPictures(2);
    ScaledPictures zoomed; // the board's pictures at scales 3 to 6
    for (int k = 3; k <= kLargestScale; ++k) zoomed[k] = DrawBoardPictures(k);
    ScaledPictures english = zoomed;
    english[1] = single;
    english[2] = twice;
    std::vector<LocalPictures> locals;
    for (const PictureLanguage& language : languages)
        locals.push_back(DrawLocalPictures(language, english));
    if (!checkOnly) {
        for (int k : {1, 2})
            for (const auto& [id, image] : k == 1 ? single : twice)
                pal::Save(image, PicturePath(root, id, k));
        for (const auto& [k, pictures] : zoomed)
            for (const auto& [id, image] : pictures) pal::Save(image, PicturePath(root, id, k));
        WriteLocalPictures(root, locals);
        for (int size : {16, 24, 32, 48, 64, 128, 256})
            pal::Save(DrawDesktopIcon(size),
                      root.filePath(QStringLiteral("res/icons/marbix-%1.png").arg(size)));
        WriteFile(root.filePath(QStringLiteral("res/icons/marbix.svg")), IconSvg().toUtf8());
        for (const Sound& s : ProgramSounds())
            WriteFile(root.filePath(QStringLiteral("res/wave/%1.wav").arg(s.id)), s.wav);
        for (const Sound& s : ModuleSounds())
            WriteFile(root.filePath(QStringLiteral("res/module/%1.wav").arg(s.id)), s.wav);
        pal::Save(DrawSheet(single), root.filePath(QStringLiteral("docs/pictures.png")));
    }

    // What is on disk now is what is checked.
    QStringList failures;
    for (int k : {1, 2}) {
        const PictureSet& drawn = k == 1 ? single : twice;
        const PictureSet read = ReadPictures(root, drawn, k);
        failures << Differences(drawn, read, k);
        for (const QString& line : VerifyPictures(read, k)) failures << line + ScaleNote(k);
    }
    for (const auto& [k, drawn] : zoomed) {
        const PictureSet read = ReadPictures(root, drawn, k);
        failures << Differences(drawn, read, k);
        for (const QString& line : VerifyPictures(read, k)) failures << line + ScaleNote(k);
    }
    failures << VerifyPair(single, twice);
    failures << CheckLocalPictures(root, locals, english);
    const std::vector<Sound> program = ProgramSounds(), module = ModuleSounds();
    failures << VerifySounds(program, module);
    for (const auto& [folder, sounds] : {std::pair{"wave", &program}, {"module", &module}}) {
        const QDir dir(root.filePath(QStringLiteral("res/") + folder));
        if (dir.entryList(QDir::Files).size() != qsizetype(sounds->size()))
            failures << QStringLiteral("res/%1: other files than the sounds").arg(folder);
        for (const Sound& s : *sounds) {
            QFile file(dir.filePath(QStringLiteral("%1.wav").arg(s.id)));
            if (!file.open(QIODevice::ReadOnly) || file.readAll() != s.wav)
                failures << QStringLiteral("%1/%2.wav: differs from the synthesis")
                                .arg(folder)
                                .arg(s.id);
        }
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256}) { // a yellow face on a clear ground
        const QImage icon(root.filePath(QStringLiteral("res/icons/marbix-%1.png").arg(size)));
        const QRgb face = icon.pixel(size / 2, size / 3);
        if (icon.size() != QSize(size, size) || qAlpha(icon.pixel(0, 0)) != 0 || qRed(face) < 180 ||
            qGreen(face) < 150 || qBlue(face) > 120)
            failures << QStringLiteral("marbix-%1.png: not the icon").arg(size);
    }
    qsizetype localCount = 0;
    for (const LocalPictures& local : locals)
        for (const auto& [k, own] : local.scales) localCount += qsizetype(own.size());
    if (failures.isEmpty())
        std::printf("marbix-gen-assets: %s %zu pictures at two scales and %zu for the zoomed "
                    "board, %lld in %zu other languages and %zu sounds%s, all checks hold\n",
                    checkOnly ? "compared" : "wrote", single.size() + twice.size(),
                    zoomed.size() * zoomed.begin()->second.size(),
                    static_cast<long long>(localCount), locals.size(),
                    program.size() + module.size(),
                    checkOnly ? " with the committed files" : ", the icons and the sheet");
    return Report(failures);
}
