// The program's pictures and sounds, looked up by integer identifier.
#pragma once

#include "sound/wave_file.h"

#include <QImage>
#include <QString>

// The scale of the pictures the screens want: the smallest drawn one not
// below their device pixel ratio (2 from just above 1 to 2).
int PictureScale();

// The language whose own pictures, those with words drawn in, are shown
// in place of the English ones: the name of its catalogue ("de", "pt_BR"),
// set once that catalogue is loaded; empty, as at first, for English alone.
void SetPictureLanguage(const QString& language);

// The largest scale the board's pictures are drawn at.
constexpr int kLargestPictureScale = 6;

// The scale of the pictures to draw a board zoomed by zoom tenths from at
// this device pixel ratio: the smallest drawn one not below their product, so
// that no picture is ever enlarged (the largest above it).
int PictureScaleFor(qreal ratio, int zoom);

// Whether the board zoomed by zoom tenths has pictures drawn for it at this
// device pixel ratio, none enlarged; the board at its own size (10 tenths
// or less) always has.
bool ZoomDrawn(qreal ratio, int zoom);

// The picture with this identifier, drawn for the screens' scale (see
// PictureScale) or for the given scale (else at double, else at single size),
// in the picture language where it has one of its own; a null image when the
// program has none. A picture of scale k carries device pixel ratio k, so it
// keeps the single-size picture's size in the layout.
QImage LoadPicture(int id);
QImage LoadPicture(int id, int scale);

// The WAVE sound with this identifier, from the loaded sound module when
// fromModule is set, else from the program; empty when there is none. Never
// a copy: the bytes lie where the program or the module keeps them, for the
// whole process.
CByteView WaveBytes(unsigned id, bool fromModule);
