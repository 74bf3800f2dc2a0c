// One line of a driver script, read into a command.
#pragma once

#include <string>
#include <string_view>

struct CScriptCommand {
    enum Kind {
        None, // a blank line or a comment
        Seed,
        Start,
        Stop,
        Undo,
        Skip,
        Pause,
        Classical,
        Advanced,
        Sound,
        Click,
        Tick,
        Name,
        Ok,
        Escape,
        Show,
    };
    Kind kind = None;
    long long number = 0; // seed (as a signed 32-bit value), click, tick or pause count, sound 0/1
    std::string text;     // the name of a name answer
};

// Reads one line (without its line feed). On failure returns false and puts
// what is wrong into error.
bool ParseScriptLine(std::string_view line, CScriptCommand& command, std::string& error);
