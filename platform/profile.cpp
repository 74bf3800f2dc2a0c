#include "platform/profile.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string_view>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/whole_file.h"

namespace fs = std::filesystem;

namespace {

// Another copy holds the lock for a few milliseconds; one that holds it this
// long is stuck, and the save fails rather than hang the game.
constexpr auto kLockWait = std::chrono::seconds(3);
constexpr std::string_view kTempInfix = ".saving-";
// The sections this program writes: all that a fresh file keeps of one that
// an edit would take over the cap.
const std::vector<std::string> kOwnSections = {"SETTINGS", "WINDOW", "HISCORES"};

enum class FileState { Missing, Read, Damaged, Unusable };

struct CRead {
    FileState state = FileState::Missing;
    std::string data;   // at most kMaxSize + 1 bytes
    std::string reason; // Unusable: why; Damaged: what is wrong
    struct stat st {};
};

// Only a regular file is read, never through a link (FileToChange has followed
// those that may be).
CRead ReadFile(const std::string& path) {
    CRead read;
    const int error = ReadRegularFile(path, O_NOFOLLOW, CProfileFile::kMaxSize, read.data, read.st);
    if (error == ENOENT) return read;
    if (error != 0) {
        const std::string why = error == kNotRegularFile ? "Not a regular file" : Reason(error);
        return {FileState::Unusable, {}, why};
    }
    read.state = FileState::Read;
    if (read.data.size() > CProfileFile::kMaxSize) {
        // Whole lines of the first MiB are what can be read of it.
        const std::size_t lastNewline = read.data.rfind('\n', CProfileFile::kMaxSize - 1);
        read.data.resize(lastNewline == std::string::npos ? 0 : lastNewline + 1);
        read.state = FileState::Damaged;
        read.reason = "over 1 MiB";
    } else if (read.data.find('\0') != std::string::npos) {
        read.state = FileState::Damaged;
        read.reason = "binary data";
    }
    return read;
}

// Anything there but a regular file is not ours to replace or lock beside.
bool NoOtherKind(const std::string& target, std::string& failure) {
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0 || S_ISREG(st.st_mode)) return true;
    failure = target + ": " + (S_ISDIR(st.st_mode) ? Reason(EISDIR) : "Not a regular file");
    return false;
}

// The lock file beside the profile, held with flock. Whoever holds the lock
// removes the file before letting go; a waiter that then finds its file gone
// or replaced starts again on the new one.
class CLock {
public:
    ~CLock() {
        if (m_fd < 0) return;
        ::unlink(m_path.c_str());
        ::close(m_fd);
    }

    bool Take(const std::string& target, std::string& failure) {
        m_path = target + ".lock";
        const auto deadline = std::chrono::steady_clock::now() + kLockWait;
        for (;;) {
            m_fd = ::open(m_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
            if (m_fd < 0) return Fail(target + ": " + Reason(errno), failure);
            while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
                if (errno != EWOULDBLOCK && errno != EINTR)
                    return Fail(target + ": " + Reason(errno), failure);
                if (std::chrono::steady_clock::now() > deadline)
                    return Fail(target + ": locked by another running copy", failure);
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
            struct stat held {
            }, named{};
            if (::fstat(m_fd, &held) == 0 && ::stat(m_path.c_str(), &named) == 0 &&
                held.st_dev == named.st_dev && held.st_ino == named.st_ino)
                return true;
            ::close(m_fd);
        }
    }

private:
    bool Fail(std::string why, std::string& failure) {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = -1;
        failure = std::move(why);
        return false;
    }

    std::string m_path;
    int m_fd = -1;
};

// A read-only profile is the user's wish to keep it as it is; root, who could
// write it anyway, is held to the same.
bool MayWrite(const std::string& path, const struct stat& st) {
    return (st.st_mode & 0222) != 0 && ::access(path.c_str(), W_OK) == 0;
}

mode_t NewFileMode() {
    // The process umask, read without changing it.
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word)
        if (word == "Umask:" && status >> word)
            return static_cast<mode_t>(0666 & ~std::strtoul(word.c_str(), nullptr, 8));
    return 0644;
}

// New files of killed saves: while the lock is held, no other save is writing one.
void RemoveStaleTemps(const std::string& target) {
    const std::string prefix = fs::path(target).filename().string() + std::string(kTempInfix);
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(FolderOf(target), ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0)
            fs::remove(entry.path(), ec);
    }
}

// A file set aside goes to the first free NAME.damaged, NAME.damaged-2, ...
std::string AsideName(const std::string& target) {
    std::string aside = target + ".damaged";
    struct stat st {};
    for (int n = 2; ::lstat(aside.c_str(), &st) == 0; ++n)
        aside = target + ".damaged-" + std::to_string(n);
    return aside;
}

// The file with the change made. A damaged file, and one that the change
// would take over the cap, are kept aside once a fresh file has taken their
// place; standard error then says so.
bool Rewrite(const std::string& target, const CRead& read,
             const std::function<void(CProfileFile&)>& change, std::string& failure) {
    const bool damaged = read.state == FileState::Damaged;
    const bool existed = read.state == FileState::Read;
    CProfileFile file(damaged ? CProfileFile(read.data).Readable() : read.data);
    change(file);
    std::string text = file.Text(), trouble, fresh = "a fresh profile";
    if (damaged) trouble = "could not be read whole (" + read.reason + ")";
    if (existed && text.size() > CProfileFile::kMaxSize) {
        text = file.Fresh(kOwnSections);
        trouble = "would grow over 1 MiB";
        fresh += " of this program's sections";
    }
    if (existed && trouble.empty() && text == read.data) return true;
    const std::string aside = trouble.empty() ? std::string() : AsideName(target);
    const struct stat* old = existed ? &read.st : nullptr;
    const CFileWrite how{.tempMark = std::string(kTempInfix),
                         .mode = old ? old->st_mode & 07777 : NewFileMode(),
                         .replaced = old,
                         .maxSize = CProfileFile::kMaxSize,
                         .aside = aside};
    if (!WriteWholeFile(target, text, how, failure)) return false;
    if (!aside.empty())
        std::cerr << program_invocation_short_name << ": " << target << ' ' << trouble
                  << "; it is kept as " << aside << " and " << fresh << " is started\n";
    return true;
}

} // namespace

CProfileFile CProfile::Read() const {
    std::string target, ignored;
    CRead read = FileToChange(m_path, target, ignored) ? ReadFile(target) : CRead{};
    if (read.state == FileState::Damaged) {
        std::optional<CProfileFile> fresh;
        if (Edit([&fresh](CProfileFile& file) { fresh = file; })) return *fresh;
        return CProfileFile(CProfileFile(read.data).Readable());
    }
    return CProfileFile(read.state == FileState::Read ? read.data : std::string());
}

bool CProfile::Edit(const std::function<void(CProfileFile&)>& change, std::string* failure) const {
    std::string target, why;
    bool ok = FileToChange(m_path, target, why) && NoOtherKind(target, why);
    std::error_code ec;
    if (ok) fs::create_directories(FolderOf(target), ec);
    CLock lock;
    ok = ok && lock.Take(target, why);
    CRead read;
    if (ok) {
        RemoveStaleTemps(target);
        read = ReadFile(target);
    }
    if (ok && read.state == FileState::Unusable) {
        why = target + ": " + read.reason;
        ok = false;
    }
    if (ok && read.state == FileState::Read && !MayWrite(target, read.st)) {
        why = target + ": " + Reason(EACCES);
        ok = false;
    }
    ok = ok && Rewrite(target, read, change, why);
    if (!ok && failure) *failure = why;
    return ok;
}

bool CProfile::EditOrTell(const char* what,
                          const std::function<void(CProfileFile&)>& change) const {
    std::string failure;
    if (Edit(change, &failure)) return true;
    if (None()) return false; // said once, where the file was to be found
    std::cerr << program_invocation_short_name << ": the " << what
              << " could not be saved: " << failure << '\n';
    return false;
}

bool CProfile::Writable(std::string* why) const {
    std::string target, failure;
    bool ok = FileToChange(m_path, target, failure) && NoOtherKind(target, failure);
    struct stat st {};
    if (ok && ::stat(target.c_str(), &st) == 0 && !MayWrite(target, st)) {
        failure = target + ": " + Reason(EACCES);
        ok = false;
    }
    // The nearest folder that exists must take the new file.
    fs::path dir = FolderOf(target);
    std::error_code ec;
    while (ok && !fs::exists(dir, ec) && dir.has_parent_path() && dir != dir.parent_path())
        dir = dir.parent_path();
    if (ok && ::access(dir.c_str(), W_OK | X_OK) != 0) {
        failure = target + ": " + Reason(errno);
        ok = false;
    }
    if (!ok && why) *why = failure;
    return ok;
}
