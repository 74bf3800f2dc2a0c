#include "app/app_settings.h"

#include "app/zoom.h"
#include "engine/settings.h"
#include "platform/profile.h"

namespace {

constexpr const char* kSection = "SETTINGS";

int Read(const CProfileFile& file, const char* key, int defaultValue) {
    return static_cast<int>(file.GetInt(kSection, key, defaultValue));
}

bool HasKey(const CProfileFile& file, const char* key) {
    return file.GetInt(kSection, key, 1) == file.GetInt(kSection, key, 2);
}

} // namespace

int g_zoom = kZoomOne;

int ReadZoom(const CProfile& profile) {
    return StoredZoom(Read(profile.Read(), "ZOOM", kZoomOne));
}

void LoadSettings(const CProfile& profile) {
    const CProfileFile file = profile.Read();
    g_classical = Read(file, "CLASSICAL", 0);
    g_soundOn = Read(file, "SOUND_ON", 1);
    g_saveOnExit = Read(file, "SAVE_ON_EXIT", 1);
    g_roundBalls = Read(file, "ROUND_BALLS", 1);
}

bool SaveSettings(const CProfile& profile) {
    if (g_saveOnExit == 0) return false;
    return profile.EditOrTell("settings", [](CProfileFile& file) {
        file.WriteInt(kSection, "CLASSICAL", g_classical);
        file.WriteInt(kSection, "SOUND_ON", g_soundOn);
        file.WriteInt(kSection, "SAVE_ON_EXIT", g_saveOnExit);
        file.WriteInt(kSection, "ROUND_BALLS", g_roundBalls);
        if (g_zoom != kZoomOne || HasKey(file, "ZOOM")) file.WriteInt(kSection, "ZOOM", g_zoom);
    });
}
