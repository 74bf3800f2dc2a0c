#include "record/record_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/whole_file.h"

namespace {

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
    const int error = ok ? ReadAtMost(fd, limit, data) : 0;
    if (error != 0) {
        why = Reason(error);
        ok = false;
    }
    ::close(fd);
    return ok;
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
    return WriteWholeFile(path, RecordText(record), CFileWrite{.tempMark = kRecordTempMark}, error);
}
