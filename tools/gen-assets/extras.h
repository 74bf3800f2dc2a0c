// The toolbar strip 171, the icon 128 with its desktop sizes, and the
// decoration 176 of the score panel.
#pragma once

#include <QImage>
#include <QString>

// At scale k (1 or 2) every length is k times as long, in as many pixels.
QImage DrawToolbar(int k);
QImage DrawIcon(int k);
QImage DrawDesktopIcon(int size);
QString IconSvg();
QImage DrawDecoration(int k);
