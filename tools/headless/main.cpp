// marbix-headless: plays the game from a script on standard input and prints
// what happens. The script format is described in README.md beside this file.
#include <iostream>
#include <string>

#include "script.h"
#include "session.h"

namespace {

constexpr const char* kProgram = "marbix-headless";

// Reads the command line; false (with a message) when it is not understood.
bool ReadOptions(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        std::cerr << kProgram << ": unknown option '" << argv[i] << "'\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    if (!ReadOptions(argc, argv)) return 2;

    CHeadlessSession session(std::cout);
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
