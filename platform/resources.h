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

// Makes the sounds of the module file at path available to LoadWave(id, true).
// The file is a container of sounds only; false when it cannot be used.
bool RegisterSoundModule(const QString& path);
