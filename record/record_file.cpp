#include "record/record_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Reason(int error) {
    return std::strerror(error);
}

std::string Folder(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// At most limit + 1 bytes of a regular file, so that a larger one shows.
bool ReadCapped(const std::string& path, std::size_t limit, std::string& data, std::string& why) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        why = Reason(errno);
        return false;
    }
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0;
    if (!ok) why = Reason(errno);
    if (ok && !S_ISREG(st.st_mode)) {
        why = S_ISDIR(st.st_mode) ? Reason(EISDIR) : "not a regular file";
        ok = false;
    }
    char buffer[65536];
    while (ok && data.size() <= limit) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            why = Reason(errno);
            ok = false;
        }
        if (n <= 0) break;
        data.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return ok;
}

bool WriteAll(int fd, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

bool ReadRecordFile(const std::string& path, CGameRecord& record, std::string& error) {
    std::string data, why;
    if (!ReadCapped(path, CGameRecord::kMaxBytes, data, why) || !ParseRecord(data, record, why)) {
        error = path + ": " + why;
        return false;
    }
    return true;
}

bool WriteRecordFile(const std::string& path, const CGameRecord& record, std::string& error) {
    const std::string text = RecordText(record);
    std::string temp = path + kRecordTempMark + "XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        error = path + ": " + Reason(errno);
        return false;
    }
    bool ok = ::fchmod(fd, 0644) == 0 && WriteAll(fd, text) && ::fsync(fd) == 0;
    int failure = ok ? 0 : (errno ? errno : EIO);
    if (::close(fd) != 0 && ok) failure = errno;
    if (failure == 0 && ::rename(temp.c_str(), path.c_str()) != 0) failure = errno;
    if (failure != 0) {
        ::unlink(temp.c_str());
        error = path + ": " + Reason(failure);
        return false;
    }
    const int dir = ::open(Folder(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}
