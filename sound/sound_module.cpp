#include "sound/sound_module.h"

#include "platform/resources.h"
#include "sound/cue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kModuleFile = QStringLiteral("MarbixX.rcc");
const QString kDataFolder = QStringLiteral("marbix");

// The handle of the mapped module points at its path.
QString& MappedPath() {
    static QString path;
    return path;
}

} // namespace

QStringList SoundModuleCandidates(const QString& exeDir) {
    QStringList paths{QDir(exeDir).filePath(kModuleFile)};
    // The user's data directory comes first, then the system ones.
    const QStringList dataDirs =
        QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString& dir : dataDirs) {
        paths << QDir(dir).filePath(kDataFolder + QLatin1Char('/') + kModuleFile);
    }
    // Last, the data folder of a program installed outside those directories.
    paths << QDir::cleanPath(exeDir + QStringLiteral("/../share/") + kDataFolder +
                             QLatin1Char('/') + kModuleFile);
    return paths;
}

const void* LoadSoundModuleFrom(const QStringList& paths) {
    g_soundModule = nullptr;
    MappedPath().clear();
    for (const QString& path : paths) {
        // A broken copy in one place does not hide a good one further on.
        if (!QFileInfo(path).isFile() || !RegisterSoundModule(path)) continue;
        MappedPath() = path;
        g_soundModule = &MappedPath();
        break;
    }
    return g_soundModule;
}

const void* LoadSoundModule() {
    return LoadSoundModuleFrom(SoundModuleCandidates(QCoreApplication::applicationDirPath()));
}

QString SoundModulePath() {
    return MappedPath();
}
