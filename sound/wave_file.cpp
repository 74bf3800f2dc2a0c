#include "sound/wave_file.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kHeaderSize = 12; // "RIFF", size, "WAVE"
constexpr std::size_t kChunkHeader = 8; // id, size
constexpr std::size_t kMinFmtSize = 16; // PCM format block
constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint32_t kMinRate = 1000;
constexpr std::uint32_t kMaxRate = 384000;

bool HasId(const unsigned char* p, const char* id) {
    return std::memcmp(p, id, 4) == 0;
}

// Fills the format fields from a 'fmt ' chunk body; false when it is not a
// format we play.
bool ReadFormat(CByteView body, CWaveSound& sound) {
    if (body.size() < kMinFmtSize) return false;
    const std::uint16_t tag = ReadLe16(&body[0]);
    const std::uint16_t channels = ReadLe16(&body[2]);
    const std::uint32_t rate = ReadLe32(&body[4]);
    const std::uint16_t blockAlign = ReadLe16(&body[12]);
    const std::uint16_t bits = ReadLe16(&body[14]);
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

std::uint16_t ReadLe16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t ReadLe32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::int64_t CWaveSound::Frames() const {
    const int frameBytes = BytesPerFrame();
    return frameBytes > 0 ? static_cast<std::int64_t>(pcm.size()) / frameBytes : 0;
}

std::int64_t CWaveSound::DurationMs() const {
    return sampleRate > 0 ? Frames() * 1000 / sampleRate : 0;
}

std::optional<CWaveSound> ParseWave(CByteView file) {
    const std::size_t size = file.size();
    if (size < kHeaderSize || !HasId(&file[0], "RIFF") || !HasId(&file[8], "WAVE")) return {};

    CWaveSound sound;
    bool haveFormat = false;
    CByteView data;
    bool haveData = false;
    // Chunks may come in any order; the first 'fmt ' and 'data' count. Sizes
    // are compared against what is left, never added to a position first.
    for (std::size_t pos = kHeaderSize; size - pos >= kChunkHeader;) {
        const unsigned char* chunk = &file[pos];
        const std::size_t body = pos + kChunkHeader;
        const std::size_t claimed = ReadLe32(chunk + 4);
        const std::size_t available = std::min(claimed, size - body);
        if (!haveFormat && HasId(chunk, "fmt ")) {
            if (claimed > available || !ReadFormat(file.subspan(body, claimed), sound)) return {};
            haveFormat = true;
        } else if (!haveData && HasId(chunk, "data")) {
            data = file.subspan(body, available);
            haveData = true;
        }
        const std::size_t padded = claimed + (claimed & 1); // chunks are padded to even sizes
        if (padded >= size - body) break;
        pos = body + padded;
    }
    if (!haveFormat || !haveData) return {};

    const std::size_t frameBytes = static_cast<std::size_t>(sound.BytesPerFrame());
    const std::size_t whole = data.size() - data.size() % frameBytes;
    if (whole == 0) return {};
    sound.pcm = data.first(whole);
    return sound;
}
