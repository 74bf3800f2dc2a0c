// The user settings, process-wide flags: 0 is off, any other value on. All
// hold 0 until start-up reads them from the profile. They sit at the lowest
// layer because the turn flow reads the style and PlayCue the sound switch;
// the application loads, flips and saves them. Each is declared once, in the
// table of settings, with its key in section SETTINGS and its default.
#pragma once

#include <span>

extern int g_classical; // nonzero: "Classical style"; 0: "Advanced style"
extern int g_soundOn;
extern int g_saveOnExit;
extern int g_roundBalls;
extern int g_zoom; // the board's zoom in tenths, 10 (as drawn) to 30

// Handle of the optional sound module, or null when it is not loaded.
extern const void* g_soundModule;

// One setting as the profile keeps it: its key, where the program holds it,
// and the value when the key is missing.
struct CSetting {
    const char* key;
    int* value;
    int defaultValue;
    // Written only where it differs from the default or the file has the key
    // already: a setting the program gained later leaves the file of a
    // player who never changed it as it was.
    bool sparse = false;
};

// Every setting, in the order they are read and written. A new setting is a
// new row of this table.
std::span<const CSetting> Settings();

// Every setting to its default, as a first start without a profile has them.
void ResetSettings();
