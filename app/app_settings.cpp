#include "app/app_settings.h"

#include "engine/settings.h"
#include "platform/profile.h"

namespace {
constexpr const char* kSection = "SETTINGS";
} // namespace

void LoadSettings(const CProfile& profile) {
    const CProfileFile file = profile.Read();
    for (const CSetting& setting : Settings())
        *setting.value = static_cast<int>(file.GetInt(kSection, setting.key, setting.defaultValue));
}

bool SaveSettings(const CProfile& profile) {
    if (g_saveOnExit == 0) return false;
    return profile.EditOrTell("settings", [](CProfileFile& file) {
        for (const CSetting& setting : Settings())
            file.WriteInt(kSection, setting.key, *setting.value);
    });
}
