// The sound service as the program sees it. It lives in a plugin of its own,
// marbix-sound.so, loaded once the window is on screen, so that the sound
// library costs nothing before the first paint and its absence only makes
// the program silent.
#pragma once

#include "engine/cue.h"
#include "sound/sound_module.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The WAVE file of a cue, in place: its bytes must stay as long as the
// process (the program's own compiled-in sounds, a loaded module's).
using CWaveLoaderFn = CByteView (*)(unsigned id, bool fromModule);

class CSoundService : public CCuePlayer {
public:
    // Reads every cue ahead of its first use.
    virtual void Preload(bool withModule) = 0;
    // From PlaySound to the server starting the sound, per started cue.
    virtual std::vector<std::int64_t> StartDelaysUs() const = 0;
};

// The plugin's one entry point.
extern "C" CSoundService* MarbixCreateSoundService(CWaveLoaderFn loader);

// The one place of the plugin and of the program's own sound module for a
// program whose executable lies in exeDir: beside it in the build folder,
// else where the installation put them. Empty for a relative exeDir.
std::string SoundPluginPath(const std::string& exeDir);
std::string OwnSoundModulePath(const std::string& exeDir);

// The folder of this process's executable.
std::string ProgramDir();

// Loads the plugin from this absolute path and starts the service on loader;
// null when it cannot be had, and the program then plays nothing.
std::unique_ptr<CSoundService> LoadSoundServiceFrom(const std::string& pluginPath,
                                                    CWaveLoaderFn loader);

// The same from the program's own plugin.
std::unique_ptr<CSoundService> LoadSoundService(CWaveLoaderFn loader);

// Loads the sound module from its own place or the data directories.
const CSoundModule* LoadSoundModule();
