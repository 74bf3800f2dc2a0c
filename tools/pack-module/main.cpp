// marbix-pack-module OUT NAME.wav...: writes the sound module OUT holding each
// WAVE file under the number its file is named by. Every file must be a
// playable WAVE file with a number below 65536 for a name.
#include "sound/sound_module.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

bool Fail(const std::string& what) {
    std::fprintf(stderr, "marbix-pack-module: %s\n", what.c_str());
    return false;
}

bool AddSound(std::map<unsigned, CBytes>& sounds, const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    CBytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string stem = path.stem().string();
    if (stem.empty() || stem.size() > 5 ||
        stem.find_first_not_of("0123456789") != std::string::npos)
        return Fail(path.string() + ": not named by a number");
    const unsigned name = static_cast<unsigned>(std::stoul(stem));
    if (name > 0xFFFF || !ParseWave(bytes)) return Fail(path.string() + ": not a playable sound");
    sounds[name] = std::move(bytes);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) return Fail("usage: marbix-pack-module OUT NAME.wav..."), 2;
    std::map<unsigned, CBytes> sounds;
    for (int i = 2; i < argc; ++i)
        if (!AddSound(sounds, argv[i])) return 1;
    const CBytes module = BuildSoundModule(sounds);
    if (!ParseSoundModule(module)) return Fail("the module does not pass its own check"), 1;
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(module.data()),
              static_cast<std::streamsize>(module.size()));
    return out.good() ? 0 : (Fail(std::string(argv[1]) + ": cannot write"), 1);
}
