// marbix-headless: plays the game from a script on standard input and prints
// what happens. The script format is described in README.md beside this file.
#include <iostream>
#include <string>

#include "platform/profile.h"
#include "script.h"
#include "session.h"

namespace {

constexpr const char* kProgram = "marbix-headless";
constexpr const char* kUsage = "usage: marbix-headless [--profile FILE] < SCRIPT\n";

// Reads the command line; false (with a message and the usage) when it is
// not understood. Without --profile no file is read or written.
bool ReadOptions(int argc, char** argv, std::string& profile) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--profile" && i + 1 < argc && argv[i + 1][0] != '\0') {
            profile = argv[++i];
            continue;
        }
        if (option == "--profile")
            std::cerr << kProgram << ": --profile needs a FILE\n";
        else
            std::cerr << kProgram << ": unknown option '" << option << "'\n";
        std::cerr << kUsage;
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::string profile;
    if (!ReadOptions(argc, argv, profile)) return 2;
    // The hall of fame is read from here when the session starts, and written
    // here by every game that ends with a named result.
    CHeadlessSession session(std::cout, CProfile(profile));
    std::string line;
    CScriptCommand command;
    std::string error;
    for (long long number = 1; std::getline(std::cin, line); ++number) {
        if (!ParseScriptLine(line, command, error)) {
            std::cout.flush();
            std::cerr << kProgram << ": line " << number << ": " << error << '\n';
            return 2;
        }
        session.Execute(command);
    }
    std::cout.flush();
    return 0;
}
