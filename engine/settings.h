// The user settings, process-wide flags: 0 is off, any other value on. All
// hold 0 until start-up reads them from the profile. They sit at the lowest
// layer because the turn flow reads the style and PlayCue the sound switch;
// the application loads, flips and saves them.
#pragma once

extern int g_classical; // nonzero: "Classical style"; 0: "Advanced style"
extern int g_soundOn;
extern int g_saveOnExit;
extern int g_roundBalls;

// Handle of the optional sound module, or null when it is not loaded.
extern const void* g_soundModule;
