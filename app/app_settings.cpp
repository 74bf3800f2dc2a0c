#include "app/app_settings.h"

#include "app/zoom.h"
#include "engine/settings.h"
#include "platform/profile.h"

namespace {

constexpr const char* kSection = "SETTINGS";

bool HasKey(const CProfileFile& file, const char* key) {
    return file.GetInt(kSection, key, 1) == file.GetInt(kSection, key, 2);
}

} // namespace

int ReadZoom(const CProfile& profile) {
    return StoredZoom(static_cast<int>(profile.Read().GetInt(kSection, "ZOOM", kZoomOne)));
}

void LoadSettings(const CProfile& profile) {
    const CProfileFile file = profile.Read();
    for (const CSetting& setting : Settings())
        *setting.value = static_cast<int>(file.GetInt(kSection, setting.key, setting.defaultValue));
}

bool SaveSettings(const CProfile& profile) {
    if (g_saveOnExit == 0) return false;
    return profile.EditOrTell("settings", [](CProfileFile& file) {
        for (const CSetting& setting : Settings())
            if (!setting.sparse || *setting.value != setting.defaultValue ||
                HasKey(file, setting.key))
                file.WriteInt(kSection, setting.key, *setting.value);
    });
}
