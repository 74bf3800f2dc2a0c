#include "sound/sound_module.h"

#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char kMagic[8] = {'M', 'B', 'X', 'S', 'O', 'U', 'N', 'D'};
constexpr std::uint16_t kVersion = 1;
constexpr std::size_t kHeaderBytes = 12;
constexpr std::size_t kEntryBytes = 12;

void PutLe(CBytes& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

} // namespace

std::optional<CSoundModule> ParseSoundModule(CByteView file) {
    if (file.size() < kHeaderBytes || file.size() > kMaxModuleBytes) return {};
    if (std::memcmp(file.data(), kMagic, sizeof kMagic) != 0) return {};
    if (ReadLe16(&file[8]) != kVersion) return {};
    const std::size_t count = ReadLe16(&file[10]);
    if (count == 0 || count > kMaxModuleSounds) return {};
    const std::size_t tableEnd = kHeaderBytes + count * kEntryBytes;
    if (tableEnd > file.size()) return {};

    CSoundModule module;
    long previous = -1;
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned char* entry = &file[kHeaderBytes + i * kEntryBytes];
        const unsigned name = ReadLe16(entry);
        const std::size_t offset = ReadLe32(entry + 4);
        const std::size_t size = ReadLe32(entry + 8);
        if (static_cast<long>(name) <= previous || ReadLe16(entry + 2) != 0) return {};
        if (offset < tableEnd || offset > file.size() || size > file.size() - offset) return {};
        const CByteView sound = file.subspan(offset, size);
        if (!ParseWave(sound)) return {};
        module.sounds.emplace(name, sound);
        previous = name;
    }
    return module;
}

CBytes BuildSoundModule(const std::map<unsigned, CBytes>& sounds) {
    CBytes out(kMagic, kMagic + sizeof kMagic);
    PutLe(out, kVersion, 2);
    PutLe(out, static_cast<std::uint32_t>(sounds.size()), 2);
    std::size_t offset = kHeaderBytes + sounds.size() * kEntryBytes;
    for (const auto& [name, wave] : sounds) {
        PutLe(out, name, 2);
        PutLe(out, 0, 2);
        PutLe(out, static_cast<std::uint32_t>(offset), 4);
        PutLe(out, static_cast<std::uint32_t>(wave.size()), 4);
        offset += wave.size();
    }
    for (const auto& entry : sounds)
        out.insert(out.end(), entry.second.begin(), entry.second.end());
    return out;
}

std::unique_ptr<const CSoundModuleFile> ReadSoundModuleFile(const std::string& path) {
    // Not blocking: a pipe or a device by the module's name must not hold
    // up the start.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return {};
    std::unique_ptr<int, void (*)(int*)> closer(new int(fd), [](int* f) {
        close(*f);
        delete f;
    });
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return {};
    if (info.st_size < 0 || static_cast<std::size_t>(info.st_size) > kMaxModuleBytes) return {};
    // One byte more than the file should hold tells a file that grew since.
    auto file = std::make_unique<CSoundModuleFile>();
    CBytes& bytes = file->bytes;
    bytes.resize(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0) return {};
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    if (got != static_cast<std::size_t>(info.st_size)) return {};
    bytes.resize(got);
    std::optional<CSoundModule> module = ParseSoundModule(bytes);
    if (!module) return {};
    file->module = std::move(*module);
    return file;
}
