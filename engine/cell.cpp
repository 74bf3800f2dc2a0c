#include "engine/collaborators.h"

#include "sound/cue.h"

void CCell::PlayColourCue(int kind) {
    if (kind < 1 || kind > 3) return;
    PlayCue(600u + 4u * static_cast<unsigned>(m_colour) + static_cast<unsigned>(kind));
}
