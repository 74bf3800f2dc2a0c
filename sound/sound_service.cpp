#include "sound/sound_service.h"

#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

// The program's folder in the build tree (the top of the build folder, with
// its CMakeCache.txt), where plugin and module lie beside it; from an
// installation, their places relative to the program's folder. No build path
// is compiled in, so that builds from any folder install the same program.
bool InBuildTree(const std::string& exeDir) {
    std::error_code ec;
    return fs::is_regular_file(fs::path(exeDir) / "CMakeCache.txt", ec);
}

std::string Place(const std::string& exeDir, const char* buildName, const char* installed) {
    if (exeDir.empty() || exeDir[0] != '/') return {};
    const fs::path path = fs::path(exeDir) / (InBuildTree(exeDir) ? buildName : installed);
    return path.lexically_normal().string();
}

} // namespace

std::string SoundPluginPath(const std::string& exeDir) {
    return Place(exeDir, "marbix-sound.so", MARBIX_PLUGIN_RELPATH);
}

std::string OwnSoundModulePath(const std::string& exeDir) {
    return Place(exeDir, "MarbixX.snd", MARBIX_MODULE_RELPATH);
}

std::string ProgramDir() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

std::unique_ptr<CSoundService> LoadSoundServiceFrom(const std::string& pluginPath,
                                                    CWaveLoaderFn loader) {
    if (pluginPath.empty() || pluginPath[0] != '/') return nullptr;
    // Never unloaded: the service's code must outlive the service.
    void* library = dlopen(pluginPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) return nullptr;
    auto create = reinterpret_cast<decltype(&MarbixCreateSoundService)>(
        dlsym(library, "MarbixCreateSoundService"));
    return create ? std::unique_ptr<CSoundService>(create(loader)) : nullptr;
}

std::unique_ptr<CSoundService> LoadSoundService(CWaveLoaderFn loader) {
    return LoadSoundServiceFrom(SoundPluginPath(ProgramDir()), loader);
}

const CSoundModule* LoadSoundModule() {
    return LoadSoundModuleFrom(
        SoundModuleCandidates(OwnSoundModulePath(ProgramDir()), std::getenv("XDG_DATA_HOME"),
                              std::getenv("XDG_DATA_DIRS"), std::getenv("HOME")));
}
