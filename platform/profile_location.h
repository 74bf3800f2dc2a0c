// Where the profile file lives: the program's own file in the user's
// configuration folder, and the file that an edit of it changes when it is a
// symbolic link.
#pragma once

#include <string>

// The program's own file: the executable's file name without directory and
// extension, plus ".INI", directly in $XDG_CONFIG_HOME (by default ~/.config,
// the home folder being $HOME or else the password database's). Never in the
// current folder: without a home folder it is empty (no profile), and
// standard error says so.
std::string DefaultProfilePath(const std::string& executablePath);

// The path of the running executable, or empty when it cannot be found.
std::string CurrentExecutablePath();

// The folder holding path ("." for a bare name).
std::string FolderOf(const std::string& path);

// The file an edit of the profile at path changes: path itself, or the file
// its symbolic links lead to. A link is followed only when it is the
// player's, or when no one else could have put it there: its folder is
// written by the player (or root) alone, or it is a sticky folder that all
// may write and the link is its owner's. False, with failure as
// "PATH: REASON", for a link not followed, one leading nowhere, or a loop.
bool FileToChange(const std::string& path, std::string& target, std::string& failure);
