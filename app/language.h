// The language of the texts: the catalogue for the system's locale, when one
// is shipped, and the layout direction of that locale. Without a catalogue the
// texts stay as they are written in the code.
#pragma once

#include "app/command_line.h"

class QString;

// Loads and installs the catalogue for the system locale and sets the
// application's layout direction from it. True when a catalogue was found.
bool InstallLanguage();

// The folders searched for catalogues, first match wins: beside the program
// (the build tree), then the installed data folders.
QString FindCatalogue(const QString& locale);

// The catalogue for the system locale as a translation of the command line,
// usable before the application object exists; the texts stay as written
// without one.
CTranslate CommandLineLanguage();
