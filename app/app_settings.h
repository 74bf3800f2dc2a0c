// The settings (engine/settings.h) in section SETTINGS of the profile file.
#pragma once

class CProfile;

// ZOOM as stored when it is one of the zoom steps, else 10: what the frame
// shows from the start, before the settings are read.
int ReadZoom(const CProfile& profile);

// Reads every setting of the table, in its order; a missing file, section or
// key gives the setting's default.
void LoadSettings(const CProfile& profile);

// Writes every setting back in the same order, in one edit, only while saving
// is on. Returns whether it wrote; a failure is told on standard error.
bool SaveSettings(const CProfile& profile);
