// Shared helpers of the resource tests: the palette, file reading, pixel
// counting and a small WAVE parser.
#pragma once

#include <QFile>
#include <QImage>
#include <QString>
#include <QVector>
#include <cstdint>
#include <vector>

namespace restest {

enum {
    Black,
    DarkRed,
    DarkGreen,
    DarkYellow,
    DarkBlue,
    DarkMagenta,
    DarkCyan,
    LightGrey,
    DarkGrey,
    Red,
    Green,
    Yellow,
    Blue,
    Magenta,
    Cyan,
    White
};

inline QVector<QRgb> Palette16() {
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

inline QString ResPath(const QString& relative) {
    return QStringLiteral(MARBIX_RES_DIR "/") + relative;
}

inline QImage Picture(int id) {
    return QImage(ResPath(QStringLiteral("bmp/%1.png").arg(id)));
}

inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The RGB colour of a pixel, whatever the image's format.
inline QRgb At(const QImage& image, int x, int y) {
    return image.pixel(x, y) | 0xff000000u;
}

inline QRgb Colour(int index) {
    return Palette16().at(index);
}

inline int Count(const QImage& image, QRgb colour, QRect area = {}) {
    if (area.isNull()) area = image.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (At(image, x, y) == (colour | 0xff000000u)) ++n;
    return n;
}

// PNG header fields: bit depth and colour type (3 = palette).
struct PngHeader {
    int bitDepth = -1, colourType = -1;
};

inline PngHeader ReadPngHeader(const QString& path) {
    const QByteArray bytes = ReadFile(path);
    if (bytes.size() < 33 || bytes.mid(12, 4) != "IHDR") return {};
    return {uchar(bytes[24]), uchar(bytes[25])};
}

// A parsed plain PCM WAVE file; valid is false when it is not one.
struct Wave {
    bool valid = false;
    int format = 0, channels = 0, rate = 0, byteRate = 0, blockAlign = 0, bits = 0;
    std::vector<double> samples; // −1..1
    int rawMin = 0, rawMax = 0;  // extreme raw sample values
    double Seconds() const { return rate ? double(samples.size()) / rate : 0; }
};

inline std::uint32_t Le32(const QByteArray& b, int at) {
    return std::uint32_t(uchar(b[at])) | std::uint32_t(uchar(b[at + 1])) << 8 |
           std::uint32_t(uchar(b[at + 2])) << 16 | std::uint32_t(uchar(b[at + 3])) << 24;
}

inline unsigned Le16(const QByteArray& b, int at) {
    return unsigned(uchar(b[at])) | unsigned(uchar(b[at + 1])) << 8;
}

inline Wave ParseWave(const QByteArray& b) {
    Wave w;
    if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE") return w;
    if (Le32(b, 4) != std::uint32_t(b.size() - 8)) return w;
    bool haveFormat = false;
    for (int at = 12; at + 8 <= b.size();) {
        const QByteArray id = b.mid(at, 4);
        const std::uint32_t size = Le32(b, at + 4);
        const int body = at + 8;
        if (std::uint64_t(body) + size > std::uint64_t(b.size())) return w;
        if (id == "fmt " && size >= 16) {
            w.format = int(Le16(b, body));
            w.channels = int(Le16(b, body + 2));
            w.rate = int(Le32(b, body + 4));
            w.byteRate = int(Le32(b, body + 8));
            w.blockAlign = int(Le16(b, body + 12));
            w.bits = int(Le16(b, body + 14));
            haveFormat = true;
        } else if (id == "data" && haveFormat) {
            const int step = w.bits / 8;
            if (step != 1 && step != 2) return w;
            w.rawMin = 1 << 20, w.rawMax = -(1 << 20);
            for (int i = body; i + step <= body + int(size); i += step) {
                const int raw = step == 1 ? int(uchar(b[i])) : int(std::int16_t(Le16(b, i)));
                w.rawMin = std::min(w.rawMin, raw), w.rawMax = std::max(w.rawMax, raw);
                w.samples.push_back(step == 1 ? (raw - 128) / 128.0 : raw / 32768.0);
            }
            w.valid = true;
        }
        at = body + int(size) + int(size % 2);
    }
    return w;
}

} // namespace restest
