// libFuzzer target: the sound module reader and the WAVE reader on any bytes.
// What they accept must hold together: every sound of a module is playable,
// and a sound's samples are whole frames taken from the input.
#include "sound/sound_module.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const CByteView input(data, size);
    if (const auto module = ParseSoundModule(input)) {
        if (module->sounds.empty()) std::abort();
        for (const auto& [name, wave] : module->sounds)
            if (name > 0xFFFF || !ParseWave(wave)) std::abort();
    }
    if (const auto sound = ParseWave(input)) {
        const std::size_t frame = static_cast<std::size_t>(sound->BytesPerFrame());
        if (frame == 0 || sound->pcm.empty() || sound->pcm.size() % frame != 0 ||
            sound->pcm.data() < data || sound->pcm.size() > size - (sound->pcm.data() - data))
            std::abort();
    }
    return 0;
}
