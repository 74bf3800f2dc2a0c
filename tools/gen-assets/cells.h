// The 64 cell pictures 400–431 (round balls) and 500–531 (non-round balls).
#pragma once

#include <QImage>

// The picture of a cell: colour 0–7, state 0–3, round or non-round set.
QImage DrawCell(int colour, int state, bool round);

// A ball face drawn on its own, for the toolbar and the icon: a filled
// disc of the given diameter in the given palette colours.
enum class Mood { Smile, Frown, Laugh, Puzzled, Cool };
void DrawFaceBall(QImage& image, int left, int top, int diameter, int fill, int shade, Mood mood);
