// The board's zoom: the steps it takes, from its own size to three times it
// by halves, counted in tenths (10 is the board as drawn), and which step a
// key, a turn of the wheel or a start chooses when some would not fit.
#pragma once

#include <functional>
#include <span>

constexpr int kZoomOne = 10;

// 10, 15, 20, 25 and 30.
std::span<const int> ZoomSteps();

// Whether the board at this zoom would fit on the screen.
using CZoomFits = std::function<bool(int zoom)>;

// The next larger step that fits, skipping those that do not; current when
// there is none.
int ZoomedIn(int current, const CZoomFits& fits);
// The next smaller step that fits; 1× below every other.
int ZoomedOut(int current, const CZoomFits& fits);
// The largest step up to wanted that fits, and 1× when none does: what a
// start with a stored zoom shows.
int FittingZoom(int wanted, const CZoomFits& fits);

// A stored value: one of the steps as it is, anything else 1×.
int StoredZoom(int value);
