// The toolbar strip 171 in any language, the icon 128 with its desktop sizes, and the
// decoration 176 of the score panel.
#pragma once

#include "catalogues.h"

#include <QImage>
#include <QString>

// At scale k (1 or 2) every length is k times as long, in as many pixels.
// The toolbar's words are those of the language, each in the first face
// that keeps it clear of its button's edges.
QImage DrawToolbar(int k, const PictureLanguage& language = English());
QImage DrawIcon(int k);
QImage DrawDesktopIcon(int size);
QString IconSvg();
QImage DrawDecoration(int k);
