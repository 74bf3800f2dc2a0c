#include "platform/profile_location.h"

#include <cstdlib>
#include <filesystem>

#include <pwd.h>
#include <unistd.h>

namespace fs = std::filesystem;

std::string DefaultProfilePath(const std::string& executablePath) {
    std::string stem = fs::path(executablePath).stem().string();
    if (stem.empty()) stem = "marbix";
    std::string dir;
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/') {
        dir = xdg;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || !home[0]) {
            const passwd* pw = ::getpwuid(::getuid());
            home = pw ? pw->pw_dir : nullptr;
        }
        if (home && home[0]) dir = std::string(home) + "/.config";
    }
    return dir.empty() ? stem + ".INI" : (fs::path(dir) / (stem + ".INI")).string();
}

std::string CurrentExecutablePath() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.string();
}
