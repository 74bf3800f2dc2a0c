#include "engine/collaborators.h"

#include "engine/cue.h"

void CCell::PlayColourCue(CCuePlayer& player, int kind) {
    if (kind < kBallSelected || kind > kBallsRemoved) return;
    PlayCue(player, ColourCue(m_colour, kind));
}
