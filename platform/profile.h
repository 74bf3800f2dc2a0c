// The private profile file: one text file of [SECTION] lines and key=value
// lines that holds the settings, the window placement and the hall of fame.
//
// Reading: section and key names match without regard to ASCII case; blanks
// around names and values are dropped, and so is one pair of double quotes
// around a value; the first of duplicate keys wins; a missing file, section or
// key yields the default.
//
// Writing changes that one key in place, or appends it to its section, or
// appends the section, and keeps every other byte of the file as it was. The
// new file is written beside the old one, flushed to disk and renamed over it,
// so a failed write leaves the old file whole.
#pragma once

#include <string>

// The file that every call below uses, for the whole process. Empty (the
// start) means none: reads yield the defaults and writes fail.
void SetProfilePath(std::string path);
const std::string& GetProfilePath();

// The program's own file: the executable's file name without directory and
// extension, plus ".INI", directly in $XDG_CONFIG_HOME (by default ~/.config).
std::string DefaultProfilePath(const std::string& executablePath);

// The path of the running executable, or empty when it cannot be found.
std::string CurrentExecutablePath();

// An optional minus sign and the decimal digits that follow it (none: 0),
// taken modulo 2^32, so that what WriteProfileInt wrote of any 32-bit value,
// signed or unsigned, reads back as that value. The default when the file,
// section or key is missing.
unsigned GetProfileInt(const std::string& section, const std::string& key, int defaultValue);

std::string GetProfileString(const std::string& section, const std::string& key,
                             const std::string& defaultValue = std::string());

// Writes value as signed decimal text. False when the file could not be written.
bool WriteProfileInt(const std::string& section, const std::string& key, int value);

// Line breaks and NUL bytes in the value are written as blanks, so that no
// value can break the file into other lines. False when the file could not be
// written, or is over 1 MiB and so not a profile we wrote; the old file then
// stays as it was.
bool WriteProfileString(const std::string& section, const std::string& key,
                        const std::string& value);
