#include "app/zoom.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<int, 5> kSteps = {10, 15, 20, 25, 30};

} // namespace

std::span<const int> ZoomSteps() {
    return kSteps;
}

int ZoomedIn(int current, const CZoomFits& fits) {
    for (int step : kSteps)
        if (step > current && fits(step)) return step;
    return current;
}

int ZoomedOut(int current, const CZoomFits& fits) {
    for (auto it = kSteps.rbegin(); it != kSteps.rend(); ++it)
        if (*it < current && fits(*it)) return *it;
    return kZoomOne;
}

int FittingZoom(int wanted, const CZoomFits& fits) {
    for (auto it = kSteps.rbegin(); it != kSteps.rend(); ++it)
        if (*it <= wanted && fits(*it)) return *it;
    return kZoomOne;
}

int StoredZoom(int value) {
    return std::find(kSteps.begin(), kSteps.end(), value) != kSteps.end() ? value : kZoomOne;
}
