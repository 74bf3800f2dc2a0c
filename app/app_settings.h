// The settings (engine/settings.h) in section SETTINGS of the profile file.
#pragma once

class CProfile;

// Reads every setting of the table, in its order; a missing file, section or
// key gives the setting's default.
void LoadSettings(const CProfile& profile);

// Writes every setting back in the same order, in one edit, only while saving
// is on. Returns whether it wrote; a failure is told on standard error.
bool SaveSettings(const CProfile& profile);
