// Plain PCM sounds read from whole WAVE files.
#pragma once

#include <QByteArray>
#include <optional>

// The playable content of a WAVE file: its format and its samples, cut to
// whole frames.
struct CWaveSound {
    int sampleRate = 0;
    int channels = 0;      // 1 or 2
    int bitsPerSample = 0; // 8 (unsigned) or 16 (signed little-endian)
    QByteArray pcm;

    int BytesPerFrame() const { return channels * bitsPerSample / 8; }
    // Playing time in milliseconds.
    qint64 DurationMs() const;
};

// Reads a RIFF/WAVE file held in memory. Only uncompressed PCM, mono or stereo,
// 8 or 16 bits, is accepted; anything else, a damaged header or a file without
// samples gives nothing. A data chunk that claims more than the file holds is
// cut to what is there.
std::optional<CWaveSound> ParseWave(const QByteArray& file);
