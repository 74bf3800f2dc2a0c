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

long long Right(const CWindowRect& r) {
    return 0LL + r.left + r.width;
}
long long Bottom(const CWindowRect& r) {
    return 0LL + r.top + r.height;
}

// Whether the screen shows part of the frame's top edge, where its title bar is.
bool HoldsTopEdge(const CWindowRect& screen, const CWindowRect& frame) {
    return frame.top >= screen.top && frame.top < Bottom(screen) &&
           std::max<long long>(frame.left, screen.left) < std::min(Right(frame), Right(screen));
}

bool Meets(const CWindowRect& a, const CWindowRect& b) {
    return std::max<long long>(a.left, b.left) < std::min(Right(a), Right(b)) &&
           std::max<long long>(a.top, b.top) < std::min(Bottom(a), Bottom(b));
}

} // namespace

CPlacement ReadPlacement(const CProfile& profile) {
    const CProfileFile file = profile.Read();
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

bool SavePlacement(const CProfile& profile, const CPlacement& placement) {
    if (g_saveOnExit == 0) return false;
    return profile.EditOrTell("window placement", [&placement](CProfileFile& file) {
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
        if (HoldsTopEdge(screen, rect)) return rect;
    }
    const CWindowRect* home = &screens.front();
    for (const CWindowRect& screen : screens) {
        if (Meets(rect, screen)) {
            home = &screen;
            break;
        }
    }
    CWindowRect moved = rect;
    moved.left = static_cast<int>(std::clamp<long long>(
        rect.left, home->left, std::max<long long>(home->left, Right(*home) - rect.width)));
    moved.top = static_cast<int>(std::clamp<long long>(
        rect.top, home->top, std::max<long long>(home->top, Bottom(*home) - rect.height)));
    return moved;
}
