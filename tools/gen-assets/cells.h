// The 64 cell pictures 400–431 (round balls) and 500–531 (non-round balls).
#pragma once

#include <QImage>

// The picture of a cell: colour 0–7, state 0–3, round or non-round set; at
// scale k the 32k × 32k picture, for screens of double density and for the
// zoomed board.
QImage DrawCell(int colour, int state, bool round, int k);

// A ball face drawn on its own, for the toolbar and the icon: a filled
// disc of the given diameter in the given palette colours.
enum class Mood { Smile, Frown, Laugh, Puzzled, Cool };
// At scale k the diameter is already k times the single-size one; outline
// and features grow with it.
void DrawFaceBall(QImage& image, int left, int top, int diameter, int fill, int shade, Mood mood,
                  int k = 1);
