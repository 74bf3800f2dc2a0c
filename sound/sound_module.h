// The optional sound module: a file holding nothing but sounds, in a format
// of our own that the build makes. A module is checked in full before any of
// it is used; one that fails the check counts as no module at all.
//
// Layout, all numbers little-endian:
//   "MBXSOUND"  u16 version (1)  u16 count
//   count entries: u16 sound name, u16 zero, u32 offset, u32 size
//   the sounds: whole WAVE files at the offsets the entries give
// Names strictly ascend; every sound lies after the table inside the file and
// is a playable WAVE file.
#pragma once

#include "sound/wave_file.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

constexpr std::size_t kMaxModuleBytes = 16u << 20;
constexpr std::size_t kMaxModuleSounds = 1024;

// The sounds of a module by name (a cue identifier's low 16 bits), each a
// view into the module's bytes.
struct CSoundModule {
    std::map<unsigned, CByteView> sounds;
};

// Checks a module held in memory and finds its sounds in it; nothing when any
// part is amiss.
std::optional<CSoundModule> ParseSoundModule(CByteView file);
// Bytes about to vanish would leave the sounds' views dangling.
std::optional<CSoundModule> ParseSoundModule(CBytes&& file) = delete;

// A module file as read: the one copy of its bytes in memory, and its sounds
// inside them. Read whole rather than mapped, so that a file cut or replaced
// on disk while the game runs changes nothing the game holds.
struct CSoundModuleFile {
    CBytes bytes;
    CSoundModule module;
};

// The module file for these sounds (names below 65536, each a WAVE file).
CBytes BuildSoundModule(const std::map<unsigned, CBytes>& sounds);

// Reads and checks the module file at path. A file over kMaxModuleBytes, or
// anything but a regular file, is not read at all.
std::unique_ptr<const CSoundModuleFile> ReadSoundModuleFile(const std::string& path);

// Where the module is looked for, in order: its own place beside the program
// (ownPath), then the marbix folder of the user's data directory and of each
// system data directory. The data directories follow the XDG rules: unset or
// empty variables take their defaults, and relative entries are ignored.
std::vector<std::string> SoundModuleCandidates(const std::string& ownPath, const char* dataHome,
                                               const char* dataDirs, const char* home);

// The first candidate that is a sound module passing the check; g_soundModule
// is set to it, or to null when there is none. Returns g_soundModule. Every
// module loaded stays in memory to the end of the process, so that a sound
// still on its way to the server never loses its samples; the program loads
// one.
const CSoundModule* LoadSoundModuleFrom(const std::vector<std::string>& paths);

// The file of the module that LoadSoundModuleFrom took; empty when none.
const std::string& SoundModulePath();

// The sound named name of the loaded module, in place; empty when none.
CByteView ModuleSound(unsigned name);
