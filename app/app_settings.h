// The four settings in section SETTINGS of the profile file.
#pragma once

class CProfile;

// Reads CLASSICAL, SOUND_ON, SAVE_ON_EXIT and ROUND_BALLS, in that order, into
// the settings flags; a missing file, section or key gives the default.
void LoadSettings(const CProfile& profile);

// Writes the four flags back in the same order, in one edit, only while
// saving is on. Returns whether it wrote; a failure is told on standard error.
bool SaveSettings(const CProfile& profile);
