// Pictures and sounds are compiled in with the Qt resource system under
// :/res/bmp and :/res/wave, each picture as <id>.png and, drawn for double
// density, <id>@2x.png (the board's pictures also at scales 3 to 6, as
// <id>@<k>x.png, for the zoomed board), and the pictures with words again for
// each language in :/res/bmp/<language>/; the optional sound module's sounds come from the
// module loaded at start-up. A lookup is only a path: an identifier with no
// file simply finds nothing.
#include "platform/resources.h"

#include "sound/sound_module.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QResource>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

QString g_pictureLanguage;

// A compiled-in file in place; empty when it is missing or stored compressed
// (the sounds are built uncompressed).
CByteView ResourceBytes(const QString& path) {
    const QResource resource(path);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
        return {};
    return {resource.data(), static_cast<std::size_t>(resource.size())};
}

// A compiled-in picture. Told it is a PNG and not to guess, the reader goes
// straight to Qt's own decoder; left to guess, it would load every image
// plugin to sniff the bytes. A missing one (a language lacks most pictures)
// is found out first, as the reader would warn of it.
QImage ReadPng(const QString& path) {
    if (!QResource(path).isValid()) return {};
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace

int PictureScale() {
    return PictureScaleFor(qGuiApp ? qGuiApp->devicePixelRatio() : 1.0, 10);
}

int PictureScaleFor(qreal ratio, int zoom) {
    return std::clamp(int(std::ceil(ratio * zoom / 10 - 1e-6)), 1, kLargestPictureScale);
}

bool ZoomDrawn(qreal ratio, int zoom) {
    return zoom <= 10 || ratio * zoom / 10 <= kLargestPictureScale + 1e-6;
}

QImage LoadPicture(int id) {
    return LoadPicture(id, PictureScale());
}

void SetPictureLanguage(const QString& language) {
    g_pictureLanguage = language;
}

QImage LoadPicture(int id, int scale) {
    if (id < 0) return {};
    // The language's own picture, even at single size, before an English one.
    QStringList folders{QStringLiteral(":/res/bmp/")};
    if (!g_pictureLanguage.isEmpty())
        folders.prepend(QStringLiteral(":/res/bmp/%1/").arg(g_pictureLanguage));
    for (const QString& folder : folders) {
        // The scale asked for, else double size, else single size.
        for (int k = scale; k >= 2; k = k > 2 ? 2 : 0) {
            QImage image = ReadPng(folder + QStringLiteral("%1@%2x.png").arg(id).arg(k));
            if (!image.isNull()) {
                image.setDevicePixelRatio(k);
                return image;
            }
        }
        QImage image = ReadPng(folder + QStringLiteral("%1.png").arg(id));
        if (!image.isNull()) return image;
    }
    return {};
}

CByteView WaveBytes(unsigned id, bool fromModule) {
    // Sounds are named by the low 16 bits of a cue identifier.
    const unsigned name = id & 0xFFFFu;
    if (fromModule) return ModuleSound(name);
    return ResourceBytes(QStringLiteral(":/res/wave/%1.wav").arg(name));
}
