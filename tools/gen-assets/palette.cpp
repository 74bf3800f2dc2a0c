#include "palette.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace pal {

QVector<QRgb> Table16() {
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

QRgb Rgb(int index) {
    return Table16().at(index);
}

QImage Blank16(int w, int h, int index) {
    QImage image(w, h, QImage::Format_Indexed8);
    image.setColorTable(Table16());
    image.fill(index);
    return image;
}

namespace {

int Distance(QRgb a, QRgb b) {
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

int Nearest(QRgb c, const QVector<QRgb>& table) {
    int best = 0, bestDistance = Distance(c, table[0]);
    for (int i = 1; i < table.size(); ++i) {
        if (qAlpha(table[i]) == 0) continue;
        const int d = Distance(c, table[i]);
        if (d < bestDistance) best = i, bestDistance = d;
    }
    return best;
}

QRgb Over(QRgb c, QRgb ground) {
    const int a = qAlpha(c);
    auto mix = [a](int fg, int bg) { return (fg * a + bg * (255 - a) + 127) / 255; };
    return qRgb(mix(qRed(c), qRed(ground)), mix(qGreen(c), qGreen(ground)),
                mix(qBlue(c), qBlue(ground)));
}

} // namespace

QImage Quantise(const QImage& src, const QVector<QRgb>& table, QRgb ground) {
    const QImage argb = src.convertToFormat(QImage::Format_ARGB32);
    QImage out(argb.size(), QImage::Format_Indexed8);
    out.setColorTable(table);
    const int clear =
        int(std::find_if(table.begin(), table.end(), [](QRgb c) { return qAlpha(c) == 0; }) -
            table.begin());
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        uchar* dst = out.scanLine(y);
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb c = line[x];
            if (clear < table.size() && qAlpha(c) < 128) {
                dst[x] = uchar(clear);
                continue;
            }
            dst[x] =
                uchar(Nearest(clear < table.size() ? (c | 0xff000000u) : Over(c, ground), table));
        }
    }
    return out;
}

namespace {

struct Box {
    std::vector<QRgb> colours;
    int Range(int shift) const {
        int lo = 255, hi = 0;
        for (QRgb c : colours) {
            const int v = (c >> shift) & 0xff;
            lo = std::min(lo, v), hi = std::max(hi, v);
        }
        return hi - lo;
    }
};

QRgb Mean(const std::vector<QRgb>& colours) {
    long r = 0, g = 0, b = 0;
    for (QRgb c : colours) r += qRed(c), g += qGreen(c), b += qBlue(c);
    const long n = long(colours.size());
    return qRgb(int(r / n), int(g / n), int(b / n));
}

} // namespace

QImage Quantise256(const QImage& src) {
    const QImage rgb = src.convertToFormat(QImage::Format_RGB32);
    std::vector<Box> boxes(1);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            boxes[0].colours.push_back(rgb.pixel(x, y) | 0xff000000u);
    while (boxes.size() < 256) {
        // Split the box with the widest channel range at its median.
        int pick = -1, pickRange = 0, pickShift = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            for (int shift : {16, 8, 0}) {
                const int r = boxes[i].Range(shift);
                if (boxes[i].colours.size() > 1 && r > pickRange)
                    pick = i, pickRange = r, pickShift = shift;
            }
        }
        if (pick < 0) break;
        auto& colours = boxes[pick].colours;
        std::sort(colours.begin(), colours.end(), [pickShift](QRgb a, QRgb b) {
            return ((a >> pickShift) & 0xff) < ((b >> pickShift) & 0xff);
        });
        Box upper;
        upper.colours.assign(colours.begin() + colours.size() / 2, colours.end());
        colours.resize(colours.size() / 2);
        boxes.push_back(std::move(upper));
    }
    QVector<QRgb> table;
    for (const Box& box : boxes) {
        const QRgb m = Mean(box.colours);
        if (!table.contains(m)) table.push_back(m);
    }
    return Quantise(rgb, table, qRgb(0, 0, 0));
}

namespace {

std::uint32_t Crc(const QByteArray& bytes) {
    std::uint32_t crc = 0xffffffffu;
    for (char ch : bytes) {
        crc ^= uchar(ch);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void Chunk(QByteArray& png, const char* type, const QByteArray& data) {
    auto be32 = [](std::uint32_t v) {
        QByteArray b(4, 0);
        for (int i = 0; i < 4; ++i) b[i] = char((v >> (24 - 8 * i)) & 0xff);
        return b;
    };
    const QByteArray body = QByteArray(type) + data;
    png += be32(std::uint32_t(data.size())) + body + be32(Crc(body));
}

// Qt writes indexed pictures with 8 bits a pixel; a 16-colour picture is
// stored with 4, two pixels to a byte.
QByteArray EncodePng4(const QImage& image) {
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    for (int v : {image.width(), image.height()})
        for (int i = 0; i < 4; ++i) header.append(char((v >> (24 - 8 * i)) & 0xff));
    header.append(char(4)).append(char(3)).append(char(0)).append(char(0)).append(char(0));
    Chunk(png, "IHDR", header);
    QByteArray palette;
    for (QRgb c : image.colorTable())
        palette.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    Chunk(png, "PLTE", palette);
    QByteArray raw;
    for (int y = 0; y < image.height(); ++y) {
        raw.append(char(0)); // no filter
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < image.width(); x += 2) {
            const int hi = line[x], lo = x + 1 < image.width() ? line[x + 1] : 0;
            raw.append(char((hi << 4) | lo));
        }
    }
    // qCompress gives a zlib stream after a 4-byte length.
    Chunk(png, "IDAT", qCompress(raw, 9).mid(4));
    Chunk(png, "IEND", {});
    return png;
}

void Fail(const QString& path) {
    std::fprintf(stderr, "marbix-gen-assets: cannot write %s\n", qPrintable(path));
    std::exit(1);
}

} // namespace

void Save(const QImage& image, const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    const bool sixteen = image.format() == QImage::Format_Indexed8 && image.colorCount() == 16;
    if (!sixteen) {
        if (!image.save(path, "PNG")) Fail(path);
        return;
    }
    QFile file(path);
    const QByteArray png = EncodePng4(image);
    if (!file.open(QIODevice::WriteOnly) || file.write(png) != png.size()) Fail(path);
}

} // namespace pal
