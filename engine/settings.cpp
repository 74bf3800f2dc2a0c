#include "engine/settings.h"

int g_classical = 0;
int g_soundOn = 0;
int g_saveOnExit = 0;
int g_roundBalls = 0;
int g_zoom = 0;
const void* g_soundModule = nullptr;

namespace {

const CSetting kSettings[] = {
    {"CLASSICAL", &g_classical, 0, false},
    {"SOUND_ON", &g_soundOn, 1, false},
    {"SAVE_ON_EXIT", &g_saveOnExit, 1, false},
    {"ROUND_BALLS", &g_roundBalls, 1, false},
    {"ZOOM", &g_zoom, 10, true},
};

} // namespace

std::span<const CSetting> Settings() {
    return kSettings;
}

void ResetSettings() {
    for (const CSetting& setting : kSettings) *setting.value = setting.defaultValue;
}
