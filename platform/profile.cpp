#include "platform/profile.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A profile is a few kilobytes; a file beyond this is damaged or hostile. Reads
// take its first MiB (whole lines only) and writes leave it alone.
constexpr std::size_t kMaxFileSize = std::size_t{1} << 20;

std::string& ProfilePath() {
    static std::string path;
    return path;
}

enum class FileState { Missing, Read, Huge, Unusable };

// Reads at most kMaxFileSize + 1 bytes; only regular files count.
FileState ReadFile(const std::string& path, std::string& data) {
    data.clear();
    if (path.empty()) return FileState::Missing;
    // O_NONBLOCK so that a FIFO put in the file's place cannot hang the open.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return errno == ENOENT ? FileState::Missing : FileState::Unusable;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return FileState::Unusable;
    }
    char buffer[65536];
    while (data.size() <= kMaxFileSize) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return FileState::Unusable;
        }
        if (n == 0) break;
        data.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return data.size() > kMaxFileSize ? FileState::Huge : FileState::Read;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

char Fold(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Fold(a[i]) != Fold(b[i])) return false;
    return true;
}

enum class LineKind { Other, Section, Key };

struct Line {
    LineKind kind = LineKind::Other;
    std::string_view name;  // section or key name, trimmed
    std::string_view value; // key lines: the raw value, trimmed
    std::size_t begin = 0;  // first byte of the line
    std::size_t end = 0;    // end of its text, before "\r\n" or "\n"
    std::size_t next = 0;   // first byte of the next line
    bool terminated = false;
};

// Splits data into lines. A line holding a NUL byte is not text and counts as
// neither section nor key; so do lines without '=' and ';' comments.
std::vector<Line> ParseLines(std::string_view data) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    if (data.substr(0, 3) == "\xEF\xBB\xBF") pos = 3;
    while (pos < data.size()) {
        Line line;
        line.begin = pos;
        std::size_t nl = data.find('\n', pos);
        line.terminated = nl != std::string_view::npos;
        line.next = line.terminated ? nl + 1 : data.size();
        line.end = line.terminated ? nl : data.size();
        if (line.end > line.begin && data[line.end - 1] == '\r') --line.end;
        std::string_view text = data.substr(line.begin, line.end - line.begin);
        std::string_view trimmed = Trim(text);
        if (text.find('\0') != std::string_view::npos || trimmed.empty()) {
        } else if (trimmed.front() == '[') {
            std::string_view name = trimmed.substr(1);
            name = name.substr(0, name.find(']'));
            line.kind = LineKind::Section;
            line.name = Trim(name);
        } else if (trimmed.front() != ';') {
            std::size_t eq = trimmed.find('=');
            if (eq != std::string_view::npos && !Trim(trimmed.substr(0, eq)).empty()) {
                line.kind = LineKind::Key;
                line.name = Trim(trimmed.substr(0, eq));
                line.value = Trim(trimmed.substr(eq + 1));
            }
        }
        lines.push_back(line);
        pos = line.next;
    }
    return lines;
}

// The index of the first key line of that name in a section of that name;
// sections of the same name count as one, in file order.
std::optional<std::size_t> FindKey(const std::vector<Line>& lines, std::string_view section,
                                   std::string_view key) {
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == LineKind::Section)
            inSection = SameName(lines[i].name, section);
        else if (inSection && lines[i].kind == LineKind::Key && SameName(lines[i].name, key))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> ReadValue(const std::string& section, const std::string& key) {
    std::string data;
    FileState state = ReadFile(ProfilePath(), data);
    if (state == FileState::Missing || state == FileState::Unusable) return std::nullopt;
    if (state == FileState::Huge) {
        // Only whole lines of the first MiB; the rest is as good as absent.
        std::size_t lastNewline = data.rfind('\n', kMaxFileSize - 1);
        data.resize(lastNewline == std::string::npos ? 0 : lastNewline + 1);
    }
    std::vector<Line> lines = ParseLines(data);
    std::optional<std::size_t> at = FindKey(lines, section, key);
    if (!at) return std::nullopt;
    std::string_view value = lines[*at].value;
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

// Keys, sections and values never carry a line break or a NUL into the file.
std::string OneLine(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == '\r' || c == '\n' || c == '\0') c = ' ';
    return out;
}

// Reading drops the blanks around a value and then one pair of quotes, so a
// value that starts or ends with a blank, or stands in quotes itself, is put
// in quotes: it then reads back exactly as it was written.
std::string Stored(const std::string& value) {
    const bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
    return Trim(value).size() != value.size() || quoted ? '"' + value + '"' : value;
}

// The file with section/key set to value, keeping every other byte.
std::string WithKey(const std::string& data, const std::string& section, const std::string& key,
                    const std::string& value) {
    std::vector<Line> lines = ParseLines(data);
    std::size_t firstNewline = data.find('\n');
    std::string eol =
        firstNewline != std::string::npos && firstNewline > 0 && data[firstNewline - 1] == '\r'
            ? "\r\n"
            : "\n";
    std::string keyLine = OneLine(key) + "=" + Stored(OneLine(value));
    std::string out = data;
    if (std::optional<std::size_t> at = FindKey(lines, section, key)) {
        out.replace(lines[*at].begin, lines[*at].end - lines[*at].begin, keyLine);
        return out;
    }
    // Append to the first section of that name, after its last non-blank line.
    std::optional<std::size_t> last;
    bool inFirst = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == LineKind::Section) {
            if (inFirst) break;
            inFirst = SameName(lines[i].name, section);
        }
        if (inFirst &&
            !Trim(std::string_view(data).substr(lines[i].begin, lines[i].end - lines[i].begin))
                 .empty())
            last = i;
    }
    if (last) {
        const Line& line = lines[*last];
        out.insert(line.next, (line.terminated ? "" : eol) + keyLine + eol);
        return out;
    }
    if (!out.empty() && out.back() != '\n') out += eol;
    out += "[" + OneLine(section) + "]" + eol + keyLine + eol;
    return out;
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

bool WriteAll(int fd, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes a new file beside target, flushes it and renames it over target.
bool ReplaceFile(const std::string& target, const std::string& data) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path parent = fs::path(target).parent_path();
    if (!parent.empty() && !fs::exists(parent, ec)) fs::create_directories(parent, ec);

    struct stat old {};
    bool existed = ::stat(target.c_str(), &old) == 0;
    std::string temp = target + ".XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    bool ok = WriteAll(fd, data);
    if (existed) {
        ok = ok && ::fchmod(fd, old.st_mode & 07777) == 0;
        // Keep the owner where we may; failing that the file is simply ours.
        if (ok) (void)!::fchown(fd, old.st_uid, old.st_gid);
    } else {
        ok = ok && ::fchmod(fd, NewFileMode()) == 0;
    }
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    int dir = ::open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool WriteValue(const std::string& section, const std::string& key, const std::string& value) {
    std::string target = ProfilePath();
    if (target.empty()) return false;
    // Through a symbolic link the file it names is replaced, not the link.
    std::error_code ec;
    if (std::filesystem::is_symlink(target, ec)) {
        std::filesystem::path real = std::filesystem::weakly_canonical(target, ec);
        if (!ec) target = real.string();
    }
    std::string data;
    FileState state = ReadFile(target, data);
    if (state == FileState::Huge || state == FileState::Unusable) return false;
    std::string changed = WithKey(data, section, key, value);
    if (state == FileState::Read && changed == data) return true;
    return ReplaceFile(target, changed);
}

} // namespace

void SetProfilePath(std::string path) {
    ProfilePath() = std::move(path);
}

const std::string& GetProfilePath() {
    return ProfilePath();
}

std::string DefaultProfilePath(const std::string& executablePath) {
    namespace fs = std::filesystem;
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
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.string();
}

unsigned GetProfileInt(const std::string& section, const std::string& key, int defaultValue) {
    std::optional<std::string> value = ReadValue(section, key);
    if (!value) return static_cast<unsigned>(defaultValue);
    // Unsigned arithmetic: longer numbers wrap modulo 2^32 instead of overflowing.
    std::uint32_t number = 0;
    std::size_t i = 0;
    bool negative = i < value->size() && (*value)[i] == '-';
    if (negative) ++i;
    for (; i < value->size() && (*value)[i] >= '0' && (*value)[i] <= '9'; ++i)
        number = number * 10u + static_cast<std::uint32_t>((*value)[i] - '0');
    return negative ? 0u - number : number;
}

std::string GetProfileString(const std::string& section, const std::string& key,
                             const std::string& defaultValue) {
    return ReadValue(section, key).value_or(defaultValue);
}

bool WriteProfileInt(const std::string& section, const std::string& key, int value) {
    return WriteProfileString(section, key, std::to_string(value));
}

bool WriteProfileString(const std::string& section, const std::string& key,
                        const std::string& value) {
    return WriteValue(section, key, value);
}
