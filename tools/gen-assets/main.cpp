// marbix-gen-assets: draws every picture and synthesises every sound of
// Marbix into res/, and the review sheet into docs/pictures.png.
//   marbix-gen-assets [source folder]
#include "board.h"
#include "cells.h"
#include "extras.h"
#include "palette.h"
#include "sheet.h"
#include "sounds.h"

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

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir root(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    if (!root.exists(QStringLiteral("res"))) Fail(QStringLiteral("run me in the source folder"));
    RequireFonts();

    std::map<int, QImage> pictures;
    for (int round = 0; round < 2; ++round)
        for (int colour = 0; colour < 8; ++colour)
            for (int state = 0; state < 4; ++state)
                pictures[(round ? 400 : 500) + 4 * colour + state] =
                    DrawCell(colour, state, round != 0);
    pictures[132] = DrawBoard(BoardLook::Playing);
    pictures[182] = DrawBoard(BoardLook::Paused);
    pictures[183] = DrawBoard(BoardLook::Stopped);
    pictures[179] = DrawTile();
    pictures[176] = DrawDecoration();
    pictures[171] = DrawToolbar();
    pictures[128] = DrawIcon();
    for (const auto& [id, image] : pictures)
        pal::Save(image, root.filePath(QStringLiteral("res/bmp/%1.png").arg(id)));

    for (int size : {16, 24, 32, 48, 64, 128, 256})
        pal::Save(DrawDesktopIcon(size),
                  root.filePath(QStringLiteral("res/icons/marbix-%1.png").arg(size)));
    WriteFile(root.filePath(QStringLiteral("res/icons/marbix.svg")), IconSvg().toUtf8());

    for (const Sound& s : ProgramSounds())
        WriteFile(root.filePath(QStringLiteral("res/wave/%1.wav").arg(s.id)), s.wav);
    for (const Sound& s : ModuleSounds())
        WriteFile(root.filePath(QStringLiteral("res/module/%1.wav").arg(s.id)), s.wav);

    pal::Save(DrawSheet(pictures), root.filePath(QStringLiteral("docs/pictures.png")));
    std::printf("marbix-gen-assets: wrote %zu pictures, the icons, the sounds and the sheet\n",
                pictures.size());
    return 0;
}
