#include "record/record_file.h"

#include <sys/stat.h>

#include "platform/whole_file.h"

bool ReadRecordFile(const std::string& path, CGameRecord& record, std::string& error) {
    std::string data, why;
    struct stat st {};
    const int read = ReadRegularFile(path, 0, CGameRecord::kMaxBytes, data, st);
    if (read != 0) why = read == kNotRegularFile ? "not a regular file" : Reason(read);
    if (read != 0 || !ParseRecord(data, record, why)) {
        error = path + ": " + why;
        return false;
    }
    return true;
}

bool WriteRecordFile(const std::string& path, const CGameRecord& record, std::string& error) {
    return WriteWholeFile(path, RecordText(record), CFileWrite{.tempMark = kRecordTempMark}, error);
}
