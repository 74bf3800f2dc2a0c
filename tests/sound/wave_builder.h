// Builds WAVE files and sound modules in memory for the sound tests.
#pragma once

#include "sound/wave_file.h"

#include <cstdint>
#include <string>

inline CBytes Le(std::uint32_t v, int bytes) {
    CBytes b;
    for (int i = 0; i < bytes; ++i) b.push_back(static_cast<unsigned char>(v >> (8 * i)));
    return b;
}

inline CBytes operator+(CBytes a, const CBytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline CBytes Text(const std::string& s) {
    return CBytes(s.begin(), s.end());
}

inline CBytes Chunk(const char* id, const CBytes& body) {
    CBytes c = Text(std::string(id, 4)) + Le(static_cast<std::uint32_t>(body.size()), 4) + body;
    if (body.size() % 2) c.push_back(0);
    return c;
}

inline CBytes FmtBody(int tag, int channels, std::uint32_t rate, int bits) {
    const int align = channels * bits / 8;
    return Le(tag, 2) + Le(channels, 2) + Le(rate, 4) + Le(rate * align, 4) + Le(align, 2) +
           Le(bits, 2);
}

inline CBytes Riff(const CBytes& chunks) {
    return Text("RIFF") + Le(static_cast<std::uint32_t>(4 + chunks.size()), 4) + Text("WAVE") +
           chunks;
}

// frames frames of a square wave whose half period is halfPeriod frames.
inline CBytes SquarePcm(int frames, int halfPeriod, int channels, int bits) {
    CBytes pcm;
    for (int i = 0; i < frames * channels; ++i) {
        const int sign = (i / channels / halfPeriod) % 2 == 0 ? 1 : -1;
        const CBytes sample = bits == 8 ? Le(static_cast<std::uint32_t>(128 + 60 * sign), 1)
                                        : Le(static_cast<std::uint16_t>(15000 * sign), 2);
        pcm.insert(pcm.end(), sample.begin(), sample.end());
    }
    return pcm;
}

inline CBytes SquareWave(int rate, int bits, int channels, int frames, int halfPeriod) {
    return Riff(Chunk("fmt ", FmtBody(1, channels, static_cast<std::uint32_t>(rate), bits)) +
                Chunk("data", SquarePcm(frames, halfPeriod, channels, bits)));
}
