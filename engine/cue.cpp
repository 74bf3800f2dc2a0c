#include "engine/cue.h"

void PlayCue(CCuePlayer& player, unsigned id) {
    if (g_soundOn == 0) return;
    // Per-colour cues come from the sound module when it is loaded; the
    // program's own cues never do.
    const bool fromModule = id >= kFirstModuleCue && g_soundModule != nullptr;
    player.PlaySound(id & 0xFFFFu, fromModule);
}
