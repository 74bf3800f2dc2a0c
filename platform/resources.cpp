// Pictures and sounds are compiled in with the Qt resource system under
// :/res/bmp and :/res/wave, each picture as <id>.png and, drawn for double
// density, <id>@2x.png (the board's pictures also at scales 3 to 6, as
// <id>@<k>x.png, for the zoomed board); the optional sound module's sounds come from the
// module loaded at start-up. A lookup is only a path: an identifier with no
// file simply finds nothing.
#include "platform/resources.h"

#include "sound/sound_module.h"

#include <QFile>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

} // namespace

int PictureScale() {
    return qGuiApp && qGuiApp->devicePixelRatio() > 1.0 ? 2 : 1;
}

int PictureScaleFor(qreal ratio, int zoom) {
    return std::clamp(int(std::ceil(ratio * zoom / 10 - 1e-6)), 1, 6);
}

QImage LoadPicture(int id) {
    return LoadPicture(id, PictureScale());
}

QImage LoadPicture(int id, int scale) {
    if (id < 0) return {};
    if (scale > 1) {
        QImage image(QStringLiteral(":/res/bmp/%1@%2x.png").arg(id).arg(scale));
        if (!image.isNull()) {
            image.setDevicePixelRatio(scale);
            return image;
        }
    }
    return QImage(QStringLiteral(":/res/bmp/%1.png").arg(id));
}

QByteArray LoadWave(unsigned id, bool fromModule) {
    // Sounds are named by the low 16 bits of a cue identifier.
    const unsigned name = id & 0xFFFFu;
    if (fromModule) {
        const CBytes sound = ModuleSound(name);
        return QByteArray(reinterpret_cast<const char*>(sound.data()),
                          static_cast<qsizetype>(sound.size()));
    }
    return ReadAll(QStringLiteral(":/res/wave/%1.wav").arg(name));
}
