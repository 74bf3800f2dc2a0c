// The cue player of the tests: notes every cue played, in order. Handed to a
// game as its cue sink.
#pragma once

#include <algorithm>
#include <vector>

#include "engine/cue.h"

using Cues = std::vector<unsigned>;
constexpr unsigned kModule = 0x10000; // added to a cue played from the sound module

struct CCueRecorder : CCuePlayer {
    CCueRecorder() = default;
    CCueRecorder(const CCueRecorder&) = delete;
    CCueRecorder& operator=(const CCueRecorder&) = delete;

    void PlaySound(unsigned id, bool fromModule) override {
        m_ids.push_back(id + (fromModule ? kModule : 0));
    }
    int Count(unsigned id) const { return int(std::count(m_ids.begin(), m_ids.end(), id)); }

    Cues m_ids;
};
