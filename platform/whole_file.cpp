#include "platform/whole_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

#include "platform/profile_location.h"

namespace {

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

// The old file keeps its place until the new one takes it: it gets its second
// name first (a hard link or, where the file system has none, a rename) and
// loses it again when the new file cannot take its place.
int PutInPlace(const std::string& temp, const std::string& target, const std::string& aside) {
    bool linked = false, renamed = false;
    if (!aside.empty()) {
        linked = ::link(target.c_str(), aside.c_str()) == 0;
        if (!linked && ::rename(target.c_str(), aside.c_str()) != 0) return errno;
        renamed = !linked;
    }
    if (::rename(temp.c_str(), target.c_str()) == 0) return 0;
    const int error = errno;
    if (linked) ::unlink(aside.c_str());
    if (renamed) ::rename(aside.c_str(), target.c_str());
    return error;
}

} // namespace

std::string Reason(int error) {
    return std::strerror(error);
}

int ReadRegularFile(const std::string& path, int openFlags, std::size_t limit, std::string& data,
                    struct stat& st) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | openFlags);
    if (fd < 0) return errno;
    int error = ::fstat(fd, &st) != 0 ? errno : 0;
    if (error == 0 && !S_ISREG(st.st_mode)) error = S_ISDIR(st.st_mode) ? EISDIR : kNotRegularFile;
    char buffer[65536];
    while (error == 0 && data.size() <= limit) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) error = errno;
        if (n <= 0) break;
        data.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return error;
}

bool WriteWholeFile(const std::string& target, const std::string& data, const CFileWrite& how,
                    std::string& failure) {
    if (data.size() > how.maxSize) {
        failure = target + ": " + Reason(EFBIG);
        return false;
    }
    std::string temp = target + how.tempMark + "XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        failure = target + ": " + Reason(errno);
        return false;
    }
    bool ok = WriteAll(fd, data) && ::fchmod(fd, how.mode) == 0;
    if (ok && how.replaced) (void)!::fchown(fd, how.replaced->st_uid, how.replaced->st_gid);
    ok = ok && ::fsync(fd) == 0;
    int error = ok ? 0 : (errno != 0 ? errno : EIO);
    if (::close(fd) != 0 && ok) error = errno;
    if (error == 0) error = PutInPlace(temp, target, how.aside);
    if (error != 0) {
        ::unlink(temp.c_str());
        failure = target + ": " + Reason(error);
        return false;
    }
    const int dir = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}
