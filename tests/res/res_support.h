// Shared helpers of the resource tests: file reading and a small WAVE reader.
#pragma once

#include <QFile>
#include <QtEndian>
#include <vector>

namespace restest {

inline QString ResPath(const QString& relative) {
    return MARBIX_RES_DIR "/" + relative;
}
inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
