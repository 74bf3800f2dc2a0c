// The program's command line, read before any window or display connection
// is made: --help and --version answer and end the run, an unknown option is
// refused, and the options of the toolkit itself are let through.
#pragma once

#include <ostream>

struct CCommandLineResult {
    bool exit = false; // the run ends here, with exitCode
    int exitCode = 0;
};

CCommandLineResult ReadCommandLine(int argc, const char* const* argv, std::ostream& out,
                                   std::ostream& err);
