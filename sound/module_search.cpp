// Where the sound module is looked for, and the one loaded at start-up.
#include "engine/cue.h"
#include "sound/sound_module.h"

#include <memory>

namespace {

const char* const kDataFolder = "/marbix/";
const char* const kModuleFile = "MarbixX.snd";

struct CLoaded {
    std::string path;
    std::unique_ptr<const CSoundModuleFile> file;
};

// Every module loaded, kept to the end of the process; the last is the
// current one while g_soundModule points to it.
std::vector<CLoaded>& Kept() {
    static std::vector<CLoaded> kept;
    return kept;
}

const CLoaded* Loaded() {
    const std::vector<CLoaded>& kept = Kept();
    return !kept.empty() && g_soundModule == &kept.back().file->module ? &kept.back() : nullptr;
}

// Absolute entries of a colon-separated list; fallback when none is set.
void AddDataDirs(std::vector<std::string>& out, const char* list, const std::string& fallback) {
    const std::string value = list && *list ? list : fallback;
    std::size_t start = 0;
    while (start <= value.size()) {
        std::size_t end = value.find(':', start);
        if (end == std::string::npos) end = value.size();
        const std::string dir = value.substr(start, end - start);
        if (!dir.empty() && dir[0] == '/') out.push_back(dir + kDataFolder + kModuleFile);
        start = end + 1;
    }
}

} // namespace

std::vector<std::string> SoundModuleCandidates(const std::string& ownPath, const char* dataHome,
                                               const char* dataDirs, const char* home) {
    std::vector<std::string> paths{ownPath};
    const std::string homeData = home && home[0] == '/' ? std::string(home) + "/.local/share" : "";
    AddDataDirs(paths, dataHome, homeData);
    AddDataDirs(paths, dataDirs, "/usr/local/share:/usr/share");
    return paths;
}

const CSoundModule* LoadSoundModuleFrom(const std::vector<std::string>& paths) {
    g_soundModule = nullptr;
    for (const std::string& path : paths) {
        // A broken copy in one place does not hide a good one further on.
        std::unique_ptr<const CSoundModuleFile> file = ReadSoundModuleFile(path);
        if (!file) continue;
        Kept().push_back({path, std::move(file)});
        g_soundModule = &Kept().back().file->module;
        break;
    }
    return static_cast<const CSoundModule*>(g_soundModule);
}

const std::string& SoundModulePath() {
    static const std::string none;
    return Loaded() ? Loaded()->path : none;
}

CByteView ModuleSound(unsigned name) {
    if (!Loaded()) return {};
    const auto& sounds = Loaded()->file->module.sounds;
    const auto it = sounds.find(name & 0xFFFFu);
    return it == sounds.end() ? CByteView() : it->second;
}
