// The platform's sound service: cues played through the sound server with
// libpulse's asynchronous API, on a sound thread of libpulse's own.
#pragma once

#include "sound/wave_file.h"

#include <cstdint>
#include <memory>
#include <vector>

class CSoundThread;

// Plays one sound at a time. Play only hands the sound over and returns: the
// caller never waits for the sound thread or the server. A sound plays to its
// last sample (the server reports it drained) unless a later one cuts it off
// at once. Without a server everything stays silent; a server that dies is
// connected to again on the next cue, one that hangs holds up nothing.
class CPulsePlayer {
public:
    CPulsePlayer();
    ~CPulsePlayer();
    CPulsePlayer(const CPulsePlayer&) = delete;
    CPulsePlayer& operator=(const CPulsePlayer&) = delete;

    void Play(std::shared_ptr<const CWaveSound> sound);

    // From Play to the server reporting the sound started, for each started
    // sound, in microseconds.
    std::vector<std::int64_t> StartDelaysUs() const;

private:
    CSoundThread* m_thread; // left to the end of the process if it cannot stop
};
