#include "app/placement.h"

#include <algorithm>

#include "engine/settings.h"
#include "platform/profile.h"

namespace {

constexpr const char* kSection = "WINDOW";
constexpr int kLargestSide = 16384;

int Read(const CProfileFile& file, const char* key, int defaultValue) {
    return static_cast<int>(file.GetInt(kSection, key, defaultValue));
}

int SaneSide(int side, int defaultSide) {
    return side > 0 && side <= kLargestSide ? side : defaultSide;
}

bool Meets(const CWindowRect& a, const CWindowRect& b) {
    const long long left = std::max<long long>(a.left, b.left);
    const long long right = std::min<long long>(0LL + a.left + a.width, 0LL + b.left + b.width);
    const long long top = std::max<long long>(a.top, b.top);
    const long long bottom = std::min<long long>(0LL + a.top + a.height, 0LL + b.top + b.height);
    return left < right && top < bottom;
}

} // namespace

CPlacement ReadPlacement() {
    const CProfileFile file = ReadProfile();
    const CPlacement defaults;
    CPlacement placement;
    placement.rect.left = Read(file, "X", defaults.rect.left);
    placement.rect.top = Read(file, "Y", defaults.rect.top);
    placement.rect.width = SaneSide(Read(file, "WIDTH", defaults.rect.width), defaults.rect.width);
    placement.rect.height =
        SaneSide(Read(file, "HEIGHT", defaults.rect.height), defaults.rect.height);
    placement.state = Read(file, "STATE", defaults.state);
    return placement;
}

CPlacement PlacementAtClose(const CWindowRect& frame, bool minimised, bool maximised) {
    if (minimised || maximised) return CPlacement{};
    return CPlacement{frame, 0};
}

bool SavePlacement(const CPlacement& placement) {
    if (g_saveOnExit == 0) return false;
    return EditProfileOrTell("window placement", [&placement](CProfileFile& file) {
        file.WriteInt(kSection, "X", placement.rect.left);
        file.WriteInt(kSection, "Y", placement.rect.top);
        file.WriteInt(kSection, "WIDTH", placement.rect.width);
        file.WriteInt(kSection, "HEIGHT", placement.rect.height);
        file.WriteInt(kSection, "STATE", placement.state);
    });
}

CWindowRect KeepOnScreens(const CWindowRect& rect, std::span<const CWindowRect> screens) {
    if (screens.empty()) return rect;
    for (const CWindowRect& screen : screens) {
        if (Meets(rect, screen)) return rect;
    }
    CWindowRect moved = rect;
    moved.left = screens.front().left;
    moved.top = screens.front().top;
    return moved;
}
