// Pictures and sounds are compiled in with the Qt resource system under
// :/res/bmp and :/res/wave, each picture as <id>.png and, drawn for double
// density, <id>@2x.png; the optional sound module is a binary resource
// bundle mapped under :/module. A lookup is only a path: an identifier with no
// file simply finds nothing.
#include "platform/resources.h"

#include <QFile>
#include <QGuiApplication>
#include <QResource>

namespace {

// The module bundle currently mapped under :/module, empty when none.
QString& RegisteredModule() {
    static QString path;
    return path;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

} // namespace

int PictureScale() {
    return qGuiApp && qGuiApp->devicePixelRatio() > 1.0 ? 2 : 1;
}

QImage LoadPicture(int id) {
    return LoadPicture(id, PictureScale());
}

QImage LoadPicture(int id, int scale) {
    if (id < 0) return {};
    if (scale == 2) {
        QImage image(QStringLiteral(":/res/bmp/%1@2x.png").arg(id));
        if (!image.isNull()) {
            image.setDevicePixelRatio(2);
            return image;
        }
    }
    return QImage(QStringLiteral(":/res/bmp/%1.png").arg(id));
}

QByteArray LoadWave(unsigned id, bool fromModule) {
    // Sounds are named by the low 16 bits of a cue identifier.
    const unsigned name = id & 0xFFFFu;
    if (fromModule) {
        if (RegisteredModule().isEmpty()) return {};
        return ReadAll(QStringLiteral(":/module/wave/%1.wav").arg(name));
    }
    return ReadAll(QStringLiteral(":/res/wave/%1.wav").arg(name));
}

bool RegisterSoundModule(const QString& path) {
    if (path.isEmpty()) return false;
    QString& current = RegisteredModule();
    if (current == path) return true;
    // A module that cannot be read leaves the one mapped before in place.
    if (!QResource::registerResource(path, QStringLiteral("/module"))) return false;
    if (!current.isEmpty()) QResource::unregisterResource(current, QStringLiteral("/module"));
    current = path;
    return true;
}
