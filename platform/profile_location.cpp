#include "platform/profile_location.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// As many links as the system follows in one path.
constexpr int kMaxLinks = 40;

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home && home[0]) return home;
    const passwd* pw = ::getpwuid(::getuid());
    if (pw && pw->pw_dir && pw->pw_dir[0]) return pw->pw_dir;
    std::cerr << program_invocation_short_name << ": no home folder (HOME is not set and user "
              << ::getuid()
              << " has no entry in the password database): settings and results are kept for "
                 "this run only\n";
    return {};
}

// Whether the link could only have been made by the player or by whoever
// owns its folder, when that is the player, root, or in a sticky folder that
// all may write the link's owner (the kernel's rule for protected links).
bool MayFollow(const struct stat& link, const std::string& folder) {
    const uid_t me = ::geteuid();
    struct stat dir {};
    if (link.st_uid == me) return true;
    if (::stat(folder.c_str(), &dir) != 0) return false;
    if ((dir.st_mode & S_ISVTX) && (dir.st_mode & S_IWOTH)) return link.st_uid == dir.st_uid;
    return (dir.st_mode & (S_IWGRP | S_IWOTH)) == 0 && (dir.st_uid == me || dir.st_uid == 0);
}

bool Fail(const std::string& path, int error, std::string& failure) {
    failure = path + ": " + std::strerror(error) +
              (error == ENOENT ? " (a symbolic link to a missing file)" : "");
    return false;
}

} // namespace

std::string DefaultProfilePath(const std::string& executablePath) {
    std::string stem = fs::path(executablePath).stem().string();
    if (stem.empty()) stem = "marbix";
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/') return (fs::path(xdg) / (stem + ".INI")).string();
    const std::string home = HomeFolder();
    return home.empty() ? std::string() : (fs::path(home) / ".config" / (stem + ".INI")).string();
}

std::string CurrentExecutablePath() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.string();
}

std::string FolderOf(const std::string& path) {
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? "." : parent.string();
}

bool FileToChange(const std::string& path, std::string& target, std::string& failure) {
    if (path.empty()) {
        failure = "no profile file";
        return false;
    }
    target = path;
    for (int links = 0;; ++links) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0) return links == 0 || Fail(path, errno, failure);
        if (!S_ISLNK(st.st_mode)) break;
        if (links == kMaxLinks) return Fail(path, ELOOP, failure);
        if (!MayFollow(st, FolderOf(target))) {
            failure = path + ": " + std::strerror(EACCES) + " (a symbolic link of another user)";
            return false;
        }
        std::error_code ec;
        const fs::path next = fs::read_symlink(target, ec);
        if (ec) return Fail(path, ec.value(), failure);
        target = next.is_absolute() ? next.string() : (fs::path(FolderOf(target)) / next).string();
    }
    if (target == path) return true;
    // The folders on the way named as they are, as in every message about the file.
    char* real = ::realpath(target.c_str(), nullptr);
    if (!real) return Fail(path, errno, failure);
    target = real;
    std::free(real);
    return true;
}
