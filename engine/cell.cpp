#include "engine/collaborators.h"

#include "engine/cue.h"

void CCell::PlayColourCue(int kind) {
    if (kind < kBallSelected || kind > kBallsRemoved) return;
    PlayCue(ColourCue(m_colour, kind));
}
