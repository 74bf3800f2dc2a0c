// Sound cues: every sound of the program goes through PlayCue, which applies
// the sound switch and picks the source, then hands the cue to one player.
#pragma once

#include "engine/identifiers.h"
#include "engine/settings.h"

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

// Starts cue id unless sound is off, and returns at once.
void PlayCue(unsigned id);
inline void PlayCue(Cue cue) {
    PlayCue(static_cast<unsigned>(cue));
}
