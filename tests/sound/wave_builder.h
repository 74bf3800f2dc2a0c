// Builds WAVE files in memory for the sound tests.
#pragma once

#include <QByteArray>
#include <QtEndian>
#include <cstdint>

inline QByteArray Le16(quint16 v) {
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

inline QByteArray Le32(quint32 v) {
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

inline QByteArray Chunk(const char* id, const QByteArray& body) {
    QByteArray c = QByteArray(id, 4) + Le32(static_cast<quint32>(body.size())) + body;
    if (body.size() % 2) c.append('\0');
    return c;
}

inline QByteArray FmtBody(quint16 tag, quint16 channels, quint32 rate, quint16 bits) {
    const quint16 align = static_cast<quint16>(channels * bits / 8);
    return Le16(tag) + Le16(channels) + Le32(rate) + Le32(rate * align) + Le16(align) + Le16(bits);
}

inline QByteArray Riff(const QByteArray& chunks) {
    return "RIFF" + Le32(static_cast<quint32>(4 + chunks.size())) + "WAVE" + chunks;
}

// A square wave of frames frames whose half period is halfPeriod frames, at
// half loudness, mono or stereo, 8 or 16 bits.
inline QByteArray SquarePcm(int frames, int halfPeriod, int channels, int bits) {
    QByteArray pcm;
    for (int i = 0; i < frames * channels; ++i) {
        const int sign = (i / channels / halfPeriod) % 2 == 0 ? 1 : -1;
        pcm += bits == 8 ? QByteArray(1, static_cast<char>(128 + 60 * sign))
                         : Le16(static_cast<quint16>(static_cast<qint16>(15000 * sign)));
    }
    return pcm;
}

// A whole plain PCM file: 'fmt ' then 'data'.
inline QByteArray SquareWave(int rate, int bits, int channels, double seconds, int halfPeriod) {
    const int frames = static_cast<int>(rate * seconds);
    return Riff(Chunk("fmt ", FmtBody(1, static_cast<quint16>(channels), static_cast<quint32>(rate),
                                      static_cast<quint16>(bits))) +
                Chunk("data", SquarePcm(frames, halfPeriod, channels, bits)));
}
