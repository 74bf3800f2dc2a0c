// Plain PCM sounds read from whole WAVE files held in memory.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

using CBytes = std::vector<unsigned char>;
using CByteView = std::span<const unsigned char>;

// The playable content of a WAVE file: its format and its samples, cut to
// whole frames. The samples are not copied: pcm views them inside the file's
// bytes, which must outlive the sound.
struct CWaveSound {
    int sampleRate = 0;
    int channels = 0;      // 1 or 2
    int bitsPerSample = 0; // 8 (unsigned) or 16 (signed little-endian)
    CByteView pcm;

    int BytesPerFrame() const { return channels * bitsPerSample / 8; }
    std::int64_t Frames() const;
    // Playing time in milliseconds.
    std::int64_t DurationMs() const;
};

// Reads a RIFF/WAVE file. Only uncompressed PCM, mono or stereo, 8 or 16 bits,
// is accepted; anything else, a damaged header or a file without samples gives
// nothing. A data chunk that claims more than the file holds is cut to what is
// there. Every read stays inside file.
std::optional<CWaveSound> ParseWave(CByteView file);
// Bytes about to vanish would leave the samples' view dangling.
std::optional<CWaveSound> ParseWave(CBytes&& file) = delete;

// Little-endian reads; the caller makes sure the bytes are there.
std::uint16_t ReadLe16(const unsigned char* p);
std::uint32_t ReadLe32(const unsigned char* p);
