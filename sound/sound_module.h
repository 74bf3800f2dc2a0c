// The optional sound module: a bundle of sounds found and mapped at start-up.
#pragma once

#include <QString>
#include <QStringList>

// Where the module file is looked for, in order: beside the executable in
// exeDir, then in the marbix folder of the user's data directory and of each
// system data directory (XDG_DATA_HOME, XDG_DATA_DIRS).
QStringList SoundModuleCandidates(const QString& exeDir);

// Maps the first of paths that is a usable module bundle. Sets g_soundModule
// to its handle, or to null when none is usable, and returns it.
const void* LoadSoundModuleFrom(const QStringList& paths);

// LoadSoundModuleFrom the candidates beside this program's executable.
const void* LoadSoundModule();

// The file of the mapped module; empty when none is mapped.
QString SoundModulePath();
