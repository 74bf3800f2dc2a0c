// marbix-gen-assets: draws every picture and synthesises every sound of
// Marbix into res/, and the review sheet into docs/pictures.png.
// Every picture comes at two scales: <id>.png and, for screens of double
// density, <id>@2x.png; the cells and the boards also at scales 3 to 6
// (<id>@<k>x.png), for the zoomed board. What is written is then read back
// and checked.
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

void RequireFonts() {
    // Families installed by more than one foundry are listed as "Name [foundry]".
    const QStringList families = QFontDatabase::families();
    for (const char* name : {"Z003", "Nimbus Sans"}) {
        const QString family = QString::fromLatin1(name);
        const bool found = std::any_of(families.begin(), families.end(), [&](const QString& f) {
            return f == family || f.startsWith(family + QStringLiteral(" ["));
        });
        if (!found)
            Fail(QStringLiteral("the font family \"%1\" is missing; install the Debian package "
                                "fonts-urw-base35 (make assets does this)")
                     .arg(family));
    }
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        Fail(QStringLiteral("cannot write %1").arg(path));
}

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

// The pictures of one scale: at 1 and 2 every picture, above only the board's.
PictureSet DrawPictures(int k) {
    PictureSet pictures = DrawBoardPictures(k);
    if (k > 2) return pictures;
    pictures[PictureId::kTile] = DrawTile(k);
    pictures[PictureId::kDecoration] = DrawDecoration(k);
    pictures[PictureId::kToolbar] = DrawToolbar(k);
    pictures[PictureId::kIcon] = DrawIcon(k);
    return pictures;
}

// res/bmp/<id>.png at scale 1, else <id>@<k>x.png.
QString Suffix(int k) {
    return k == 1 ? QString() : QStringLiteral("@%1x").arg(k);
}
QString PicturePath(const QDir& root, int id, int k) {
    return root.filePath(QStringLiteral("res/bmp/%1%2.png").arg(id).arg(Suffix(k)));
}

PictureSet ReadPictures(const QDir& root, const PictureSet& drawn, int k) {
    PictureSet read;
    for (const auto& [id, image] : drawn) read[id] = QImage(PicturePath(root, id, k));
    return read;
}

// Lines naming every committed picture that differs from the drawn one.
QStringList Differences(const PictureSet& drawn, const PictureSet& read, int k) {
    QStringList lines;
    for (const auto& [id, image] : drawn) {
        const QImage& file = read.at(id);
        if (file.isNull() || file.convertToFormat(QImage::Format_ARGB32) !=
                                 image.convertToFormat(QImage::Format_ARGB32))
            lines << QStringLiteral("%1%2: differs from the drawing").arg(id).arg(Suffix(k));
    }
    return lines;
}

size_t PictureCount(const std::map<int, PictureSet>& scales) {
    size_t n = 0;
    for (const auto& [k, pictures] : scales) n += pictures.size();
    return n;
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
    RequireFonts();

    std::map<int, PictureSet> scales;
    for (int k = 1; k <= kLargestScale; ++k) scales[k] = DrawPictures(k);
    const PictureSet &single = scales[1], &twice = scales[2];
    if (!checkOnly) {
        for (const auto& [k, pictures] : scales)
            for (const auto& [id, image] : pictures) pal::Save(image, PicturePath(root, id, k));
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
    for (const auto& [k, drawn] : scales) {
        const PictureSet read = ReadPictures(root, drawn, k);
        failures << Differences(drawn, read, k);
        for (const QString& line : VerifyPictures(read, k))
            failures << QStringLiteral("%1%2").arg(
                line, k > 1 ? QStringLiteral(" (%1)").arg(Suffix(k)) : QString());
    }
    failures << VerifyPair(single, twice);
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
    if (failures.isEmpty())
        std::printf("marbix-gen-assets: %s %zu pictures at %d scales and %zu sounds%s, all "
                    "checks hold\n",
                    checkOnly ? "compared" : "wrote", PictureCount(scales), kLargestScale,
                    program.size() + module.size(),
                    checkOnly ? " with the committed files" : ", the icons and the sheet");
    return Report(failures);
}
