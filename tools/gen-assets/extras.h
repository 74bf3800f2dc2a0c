// The toolbar strip 171, the icon 128 with its desktop sizes, and the
// decoration 176 of the score panel.
#pragma once

#include <QImage>
#include <QString>

QImage DrawToolbar();
QImage DrawIcon();
QImage DrawDesktopIcon(int size);
QString IconSvg();
QImage DrawDecoration();
