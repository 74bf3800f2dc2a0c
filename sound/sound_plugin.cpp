// The plugin side of the sound service: the cues read once and handed to the
// libpulse player.
#include "sound/pulse_player.h"
#include "sound/sound_service.h"

#include <map>

namespace {

// The program's own cues, all read ahead of their first use.
constexpr unsigned kProgramCues[] = {136, 137, 138, 140, 141, 147, 149, 150, 151, 153, 154, 175};
constexpr unsigned kModuleBase = 600;
constexpr unsigned kColours = 7;
constexpr unsigned kKinds = 3;

class CPluginSoundService final : public CSoundService {
public:
    explicit CPluginSoundService(CWaveLoaderFn loader) : m_loader(loader) {}

    void PlaySound(unsigned id, bool fromModule) override { m_player.Play(Lookup(id, fromModule)); }

    void Preload(bool withModule) override {
        for (unsigned id : kProgramCues) Lookup(id, false);
        if (!withModule) return;
        for (unsigned colour = 1; colour <= kColours; ++colour)
            for (unsigned kind = 1; kind <= kKinds; ++kind)
                Lookup(kModuleBase + 4 * colour + kind, true);
    }

    std::vector<std::int64_t> StartDelaysUs() const override { return m_player.StartDelaysUs(); }
    int DrainedCount() const override { return m_player.DrainedCount(); }

private:
    // A sound that cannot be played is remembered as null and not read again.
    std::shared_ptr<const CWaveSound> Lookup(unsigned id, bool fromModule) {
        const unsigned key = (fromModule ? 0x10000u : 0u) | (id & 0xFFFFu);
        if (auto it = m_cache.find(key); it != m_cache.end()) return it->second;
        std::shared_ptr<const CWaveSound> sound;
        if (std::optional<CWaveSound> parsed = ParseWave(m_loader(id & 0xFFFFu, fromModule)))
            sound = std::make_shared<const CWaveSound>(std::move(*parsed));
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
