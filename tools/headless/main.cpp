// marbix-headless: plays the game from a script on standard input and prints
// what happens, or verifies recorded games. The formats are described in
// README.md beside this file.
#include <iostream>
#include <string>
#include <vector>

#include "platform/profile.h"
#include "script.h"
#include "session.h"
#include "verify.h"

namespace {

constexpr const char* kProgram = "marbix-headless";
constexpr const char* kUsage = "usage: marbix-headless [--profile FILE] < SCRIPT\n";

struct COptions {
    std::string profile;
    std::string games;
    bool verify = false;
    std::vector<std::string> files;
};

bool TakeValue(int argc, char** argv, int& i, std::string& value) {
    if (i + 1 >= argc || argv[i + 1][0] == '\0') return false;
    value = argv[++i];
    return true;
}

// Reads the command line; false (with a message and the usage) when it is
// not understood. Without --profile no file is read or written; without
// --games no game is recorded on disk. After --verify every word is a file.
bool ReadOptions(int argc, char** argv, COptions& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (options.verify) {
            options.files.push_back(option);
            continue;
        }
        if (option == "--verify") {
            options.verify = true;
            continue;
        }
        if ((option == "--profile" && TakeValue(argc, argv, i, options.profile)) ||
            (option == "--games" && TakeValue(argc, argv, i, options.games)))
            continue;
        if (option == "--profile" || option == "--games")
            std::cerr << kProgram << ": " << option
                      << (option == "--games" ? " needs a FOLDER\n" : " needs a FILE\n");
        else
            std::cerr << kProgram << ": unknown option '" << option << "'\n";
        std::cerr << kUsage;
        return false;
    }
    if (options.verify && options.files.empty()) {
        std::cerr << kProgram << ": --verify needs a FILE\n" << kUsage;
        return false;
    }
    return true;
}

int PlayScript(const COptions& options) {
    // The hall of fame is read from here when the session starts, and written
    // here by every game that ends with a named result.
    CHeadlessSession session(std::cout, CProfile(options.profile), options.games);
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

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    COptions options;
    if (!ReadOptions(argc, argv, options)) return 2;
    if (options.verify) return VerifyFiles(options.files, std::cout) ? 0 : 1;
    return PlayScript(options);
}
