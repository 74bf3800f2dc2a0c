// The program's command line, read before any window or display connection
// is made: --help and --version answer and end the run, an unknown option is
// refused, the options of the toolkit itself are let through, and one file,
// a recorded game to watch, is taken. The texts
// are written in English and shown through the translation the caller gives.
#pragma once

#include <functional>
#include <ostream>
#include <string>

struct CCommandLineResult {
    bool exit = false; // the run ends here, with exitCode
    int exitCode = 0;
    std::string file; // the recorded game to watch, if one is given
};

// A text of the given context in the player's language.
using CTranslate = std::function<std::string(const char* context, const char* text)>;

// Without a translation the texts are shown as written.
CCommandLineResult ReadCommandLine(int argc, const char* const* argv, std::ostream& out,
                                   std::ostream& err, const CTranslate& translate = nullptr);
