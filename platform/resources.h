// The program's pictures and sounds, looked up by integer identifier.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// The picture with this identifier; a null image when the program has none.
QImage LoadPicture(int id);

// The WAVE sound with this identifier, from the loaded sound module when
// fromModule is set, else from the program; empty when there is none.
QByteArray LoadWave(unsigned id, bool fromModule);
