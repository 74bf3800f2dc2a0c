#include "engine/cue.h"

namespace {
CCuePlayer* g_cuePlayer = nullptr;
}

void SetCuePlayer(CCuePlayer* player) {
    g_cuePlayer = player;
}

void PlayCue(unsigned id) {
    if (g_soundOn == 0 || g_cuePlayer == nullptr) return;
    // Per-colour cues come from the sound module when it is loaded; the
    // program's own cues never do.
    const bool fromModule = id >= kFirstModuleCue && g_soundModule != nullptr;
    g_cuePlayer->PlaySound(id & 0xFFFFu, fromModule);
}
