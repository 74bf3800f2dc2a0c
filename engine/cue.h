// Sound cues: every sound of the program goes through PlayCue, which applies
// the sound switch and picks the source, then hands the cue to the player it
// is given. A game's parts are given the game's own player, its cue sink.
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

// A player that passes every cue on to the one it points at, and drops them
// while it points nowhere, as it does at first: the cue sink of a game whose
// sound service comes later, or never.
class CCueForwarder : public CCuePlayer {
public:
    // From now on cues go to player; null drops them.
    void ForwardTo(CCuePlayer* player) { m_player = player; }

    void PlaySound(unsigned id, bool fromModule) override {
        if (m_player) m_player->PlaySound(id, fromModule);
    }

private:
    CCuePlayer* m_player = nullptr;
};

// Starts cue id on player unless sound is off, and returns at once.
void PlayCue(CCuePlayer& player, unsigned id);
inline void PlayCue(CCuePlayer& player, Cue cue) {
    PlayCue(player, static_cast<unsigned>(cue));
}
