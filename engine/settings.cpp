#include "engine/settings.h"

int g_classical = 0;
int g_soundOn = 0;
int g_saveOnExit = 0;
int g_roundBalls = 0;
const void* g_soundModule = nullptr;

namespace {

const CSetting kSettings[] = {
    {"CLASSICAL", &g_classical, 0},
    {"SOUND_ON", &g_soundOn, 1},
    {"SAVE_ON_EXIT", &g_saveOnExit, 1},
    {"ROUND_BALLS", &g_roundBalls, 1},
};

} // namespace

std::span<const CSetting> Settings() {
    return kSettings;
}

void ResetSettings() {
    for (const CSetting& setting : kSettings) *setting.value = setting.defaultValue;
}
