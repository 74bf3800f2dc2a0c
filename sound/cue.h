// Sound cues: every sound of the program goes through PlayCue.
#pragma once

// Where cues end up: the platform's sound service in the program, a recorder
// in tests and tools. fromModule says whether the sound comes from the
// optional sound module or from the program's own sounds.
class CCuePlayer {
public:
    virtual ~CCuePlayer() = default;
    virtual void PlaySound(unsigned id, bool fromModule) = 0;
};

// The player that PlayCue hands cues to; null plays nothing.
void SetCuePlayer(CCuePlayer* player);

// Handle of the optional sound module, or null when it is not loaded.
extern const void* g_soundModule;

// Starts cue id unless sound is off, and returns at once.
void PlayCue(unsigned id);
