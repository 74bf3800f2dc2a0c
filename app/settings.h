// The four user settings, process-wide flags: 0 is off, any other value on.
// All hold 0 until start-up reads them from the profile.
#pragma once

extern int g_classical; // nonzero: "Classical style"; 0: "Advanced style"
extern int g_soundOn;
extern int g_saveOnExit;
extern int g_roundBalls;
