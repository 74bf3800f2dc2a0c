#include "app/app_settings.h"

#include "engine/settings.h"
#include "platform/profile.h"

namespace {

constexpr const char* kSection = "SETTINGS";

int Read(const char* key, int defaultValue) {
    return static_cast<int>(GetProfileInt(kSection, key, defaultValue));
}

} // namespace

void LoadSettings() {
    g_classical = Read("CLASSICAL", 0);
    g_soundOn = Read("SOUND_ON", 1);
    g_saveOnExit = Read("SAVE_ON_EXIT", 1);
    g_roundBalls = Read("ROUND_BALLS", 1);
}

bool SaveSettings() {
    if (g_saveOnExit == 0) return false;
    WriteProfileInt(kSection, "CLASSICAL", g_classical);
    WriteProfileInt(kSection, "SOUND_ON", g_soundOn);
    WriteProfileInt(kSection, "SAVE_ON_EXIT", g_saveOnExit);
    WriteProfileInt(kSection, "ROUND_BALLS", g_roundBalls);
    return true;
}
