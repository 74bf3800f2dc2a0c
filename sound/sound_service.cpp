#include "sound/sound_service.h"

#include <QCoreApplication>
#include <QLibrary>

#ifndef MARBIX_PLUGIN_DIR
#define MARBIX_PLUGIN_DIR ""
#endif

std::unique_ptr<CSoundService> LoadSoundServiceFrom(const QStringList& dirs, CWaveLoaderFn loader) {
    for (const QString& dir : dirs) {
        // Never unloaded: the service's code must outlive the service.
        QLibrary library(dir + QStringLiteral("/marbix-sound.so"));
        auto create = reinterpret_cast<decltype(&MarbixCreateSoundService)>(
            library.resolve("MarbixCreateSoundService"));
        if (create) return std::unique_ptr<CSoundService>(create(loader));
    }
    return nullptr;
}

std::unique_ptr<CSoundService> LoadSoundService(CWaveLoaderFn loader) {
    const QString home = QCoreApplication::applicationDirPath();
    return LoadSoundServiceFrom({home, home + QStringLiteral("/" MARBIX_PLUGIN_DIR)}, loader);
}
