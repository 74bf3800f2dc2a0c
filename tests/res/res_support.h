// Shared helpers of the resource tests: the palette, file reading, pixel
// counting and a small WAVE reader.
#pragma once

#include <QFile>
#include <QImage>
#include <QtEndian>
#include <vector>

namespace restest {

// The sixteen standard colours, in palette order.
constexpr int Black = 0, DarkRed = 1, DarkGreen = 2, DarkYellow = 3, DarkBlue = 4, DarkMagenta = 5,
              DarkCyan = 6, LightGrey = 7, DarkGrey = 8, Red = 9, Green = 10, Yellow = 11,
              Blue = 12, Magenta = 13, Cyan = 14, White = 15;

inline QVector<QRgb> Palette16() {
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

inline QString ResPath(const QString& relative) {
    return MARBIX_RES_DIR "/" + relative;
}
inline QString PicturePath(int id) {
    return ResPath(QStringLiteral("bmp/%1.png").arg(id));
}
inline QImage Picture(int id) {
    return QImage(PicturePath(id));
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

inline int Count(const QImage& image, int index, QRect area = {}) {
    if (area.isNull()) area = image.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += At(image, x, y) == Colour(index);
    return n;
}

// The bit depth of a palette PNG, -1 for any other file.
inline int PaletteBitDepth(const QString& path) {
    const QByteArray bytes = ReadFile(path);
    return bytes.size() > 25 && bytes.mid(12, 4) == "IHDR" && bytes[25] == 3 ? bytes[24] : -1;
}

// A plain PCM WAVE file; samples stay empty when it is not one.
struct Wave {
    int format = 0, channels = 0, rate = 0, byteRate = 0, blockAlign = 0, bits = 0;
    std::vector<double> samples; // -1..1
};

template <typename T> T Le(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<T>(b.constData() + at);
}

inline Wave ParseWave(const QByteArray& b) {
    Wave w;
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE" ||
        Le<quint32>(b, 4) != quint32(b.size() - 8))
        return w;
    for (qsizetype at = 12, size = 0; at + 8 <= b.size(); at += 8 + size + size % 2) {
        const QByteArray id = b.mid(at, 4);
        size = Le<quint32>(b, at + 4);
        if (at + 8 + size > b.size()) return {};
        if (id == "fmt " && size >= 16)
            w = {Le<quint16>(b, at + 8),
                 Le<quint16>(b, at + 10),
                 Le<qint32>(b, at + 12),
                 Le<qint32>(b, at + 16),
                 Le<quint16>(b, at + 20),
                 Le<quint16>(b, at + 22),
                 {}};
        const int step = w.bits / 8;
        if (id == "data" && (step == 1 || step == 2))
            for (qsizetype i = at + 8; i + step <= at + 8 + size; i += step)
                w.samples.push_back(step == 1 ? (quint8(b[i]) - 128) / 128.0
                                              : Le<qint16>(b, i) / 32768.0);
    }
    return w;
}

} // namespace restest
