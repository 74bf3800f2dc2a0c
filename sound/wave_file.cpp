#include "sound/wave_file.h"

#include <algorithm>

namespace {

constexpr int kHeaderSize = 12; // "RIFF", size, "WAVE"
constexpr int kChunkHeader = 8; // id, size
constexpr int kMinFmtSize = 16; // PCM format block
constexpr quint16 kFormatPcm = 1;
constexpr int kMinRate = 1000;
constexpr int kMaxRate = 384000;

quint16 ReadU16(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return static_cast<quint16>(b[0] | (b[1] << 8));
}

quint32 ReadU32(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return static_cast<quint32>(b[0]) | (static_cast<quint32>(b[1]) << 8) |
           (static_cast<quint32>(b[2]) << 16) | (static_cast<quint32>(b[3]) << 24);
}

bool HasId(const char* p, const char* id) {
    return p[0] == id[0] && p[1] == id[1] && p[2] == id[2] && p[3] == id[3];
}

// Fills the format fields from a 'fmt ' chunk body; false when it is not a
// format we play.
bool ReadFormat(const char* body, qint64 size, CWaveSound& sound) {
    if (size < kMinFmtSize) return false;
    const quint16 tag = ReadU16(body);
    const quint16 channels = ReadU16(body + 2);
    const quint32 rate = ReadU32(body + 4);
    const quint16 blockAlign = ReadU16(body + 12);
    const quint16 bits = ReadU16(body + 14);
    if (tag != kFormatPcm) return false;
    if (channels != 1 && channels != 2) return false;
    if (bits != 8 && bits != 16) return false;
    if (rate < kMinRate || rate > kMaxRate) return false;
    if (blockAlign != channels * bits / 8) return false;
    sound.sampleRate = static_cast<int>(rate);
    sound.channels = channels;
    sound.bitsPerSample = bits;
    return true;
}

} // namespace

qint64 CWaveSound::DurationMs() const {
    const qint64 frameBytes = BytesPerFrame();
    if (frameBytes <= 0 || sampleRate <= 0) return 0;
    return pcm.size() / frameBytes * 1000 / sampleRate;
}

std::optional<CWaveSound> ParseWave(const QByteArray& file) {
    const qint64 size = file.size();
    const char* data = file.constData();
    if (size < kHeaderSize || !HasId(data, "RIFF") || !HasId(data + 8, "WAVE")) return {};

    CWaveSound sound;
    bool haveFormat = false;
    qint64 dataOffset = -1;
    qint64 dataSize = 0;
    // Chunks may come in any order; the first 'fmt ' and 'data' count.
    for (qint64 pos = kHeaderSize; pos + kChunkHeader <= size;) {
        const char* chunk = data + pos;
        const qint64 body = pos + kChunkHeader;
        const qint64 claimed = ReadU32(chunk + 4);
        const qint64 available = std::min(claimed, size - body);
        if (!haveFormat && HasId(chunk, "fmt ")) {
            if (claimed > available || !ReadFormat(data + body, claimed, sound)) return {};
            haveFormat = true;
        } else if (dataOffset < 0 && HasId(chunk, "data")) {
            dataOffset = body;
            dataSize = available;
        }
        pos = body + claimed + (claimed & 1); // chunks are padded to even sizes
    }
    if (!haveFormat || dataOffset < 0) return {};

    dataSize -= dataSize % sound.BytesPerFrame();
    if (dataSize <= 0) return {};
    sound.pcm = file.mid(dataOffset, dataSize);
    return sound;
}
