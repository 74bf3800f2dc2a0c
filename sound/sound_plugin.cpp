// The plugin side of the sound service: the cues read once, their samples
// left where the loader keeps them, and handed to the libpulse player.
#include "engine/identifiers.h"
#include "sound/pulse_player.h"
#include "sound/sound_service.h"

#include <map>

namespace {

constexpr int kColours = 7;

class CPluginSoundService final : public CSoundService {
public:
    explicit CPluginSoundService(CWaveLoaderFn loader) : m_loader(loader) {}

    void PlaySound(unsigned id, bool fromModule) override { m_player.Play(Lookup(id, fromModule)); }

    void Preload(bool withModule) override {
        // The program's own cues, all read ahead of their first use.
        for (Cue cue : kEveryProgramCue) Lookup(static_cast<unsigned>(cue), false);
        if (!withModule) return;
        for (int colour = 1; colour <= kColours; ++colour)
            for (int kind = kBallSelected; kind <= kBallsRemoved; ++kind)
                Lookup(ColourCue(colour, kind), true);
    }

    std::vector<std::int64_t> StartDelaysUs() const override { return m_player.StartDelaysUs(); }

private:
    // A sound that cannot be played is remembered as null and not read again.
    std::shared_ptr<const CWaveSound> Lookup(unsigned id, bool fromModule) {
        const unsigned key = (fromModule ? 0x10000u : 0u) | (id & 0xFFFFu);
        if (auto it = m_cache.find(key); it != m_cache.end()) return it->second;
        std::shared_ptr<const CWaveSound> sound;
        if (std::optional<CWaveSound> parsed = ParseWave(m_loader(id & 0xFFFFu, fromModule)))
            sound = std::make_shared<const CWaveSound>(*parsed);
        return m_cache[key] = sound;
    }

    CWaveLoaderFn m_loader;
    std::map<unsigned, std::shared_ptr<const CWaveSound>> m_cache;
    CPulsePlayer m_player;
};

} // namespace

extern "C" __attribute__((visibility("default"))) CSoundService*
MarbixCreateSoundService(CWaveLoaderFn loader) {
    return new CPluginSoundService(loader);
}
