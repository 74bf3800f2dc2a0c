// Pictures and sounds are compiled in with the Qt resource system under
// :/res/bmp and :/res/wave; the optional sound module's sounds come from the
// module loaded at start-up. A lookup is only a path: an identifier with no
// file simply finds nothing.
#include "platform/resources.h"

#include "sound/sound_module.h"

#include <QFile>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

} // namespace

QImage LoadPicture(int id) {
    if (id < 0) return {};
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
