// The four settings in section SETTINGS of the profile file, and the board's
// zoom beside them under a key of its own, ZOOM, in tenths.
#pragma once

class CProfile;

// The board's zoom in tenths: 10 (1×) until the frame reads it.
extern int g_zoom;

// ZOOM as stored when it is one of the zoom steps, else 10.
int ReadZoom(const CProfile& profile);

// Reads CLASSICAL, SOUND_ON, SAVE_ON_EXIT and ROUND_BALLS, in that order, into
// the settings flags; a missing file, section or key gives the default.
void LoadSettings(const CProfile& profile);

// Writes the four flags back in the same order, in one edit, only while
// saving is on, and then ZOOM when the board is zoomed or the file already
// has the key: a player who never zoomed gets no new key. Returns whether it
// wrote; a failure is told on standard error.
bool SaveSettings(const CProfile& profile);
