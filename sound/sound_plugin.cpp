// The plugin side of the sound service: the Qt Multimedia player.
#include "sound/qt_cue_player.h"
#include "sound/sound_service.h"

namespace {

class CPluginSoundService final : public CSoundService {
public:
    explicit CPluginSoundService(CWaveLoaderFn loader) : m_player(loader) {}

    void PlaySound(unsigned id, bool fromModule) override { m_player.PlaySound(id, fromModule); }
    void Preload(bool withModule) override { m_player.Preload(withModule); }

private:
    CQtCuePlayer m_player;
};

} // namespace

extern "C" Q_DECL_EXPORT CSoundService* MarbixCreateSoundService(CWaveLoaderFn loader) {
    return new CPluginSoundService(loader);
}
