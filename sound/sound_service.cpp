#include "sound/sound_service.h"

#include <QCoreApplication>
#include <QLibrary>

#ifndef MARBIX_PLUGIN_DIR
#define MARBIX_PLUGIN_DIR ""
#endif

std::unique_ptr<CSoundService> LoadSoundService(CWaveLoaderFn loader) {
    const QString name = QStringLiteral("marbix-sound.so");
    const QString home = QCoreApplication::applicationDirPath();
    const QString places[] = {home, home + QStringLiteral("/" MARBIX_PLUGIN_DIR)};
    for (const QString& dir : places) {
        // Never unloaded: the service's code must outlive the service.
        QLibrary library(dir + QLatin1Char('/') + name);
        auto create = reinterpret_cast<decltype(&MarbixCreateSoundService)>(
            library.resolve("MarbixCreateSoundService"));
        if (create) return std::unique_ptr<CSoundService>(create(loader));
    }
    return nullptr;
}
