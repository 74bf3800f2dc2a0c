// Where the profile file lives: the program's own file in the user's
// configuration folder.
#pragma once

#include <string>

// The program's own file: the executable's file name without directory and
// extension, plus ".INI", directly in $XDG_CONFIG_HOME (by default ~/.config).
std::string DefaultProfilePath(const std::string& executablePath);

// The path of the running executable, or empty when it cannot be found.
std::string CurrentExecutablePath();
