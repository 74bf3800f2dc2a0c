#include "verify.h"

#include "app/replay.h"
#include "record/record_file.h"

std::string VerifyLine(const std::string& file, bool read, const std::string& readError,
                       bool reproduces, const CGameRecord& record, const std::string& failure) {
    if (!read) return file + ": refused: " + readError;
    const std::string name = record.name.empty() ? "(no name)" : record.name;
    std::string line = file + ": " + name + ", " + std::to_string(record.score) + " points: ";
    return line + (reproduces ? "reproduces" : "does not reproduce (" + failure + ")");
}

bool VerifyFiles(const std::vector<std::string>& files, std::ostream& out) {
    CReplayGame host;
    bool all = true;
    for (const std::string& file : files) {
        CGameRecord record;
        std::string error;
        const bool read = ReadRecordFile(file, record, error);
        // The reader's reason starts with the path already.
        if (!read) error = error.substr(std::min(error.size(), file.size() + 2));
        const CVerifyResult result = read ? VerifyRecord(host, record) : CVerifyResult();
        out << VerifyLine(file, read, error, result.reproduces, record, result.failure) << '\n';
        all = all && result.reproduces;
    }
    out.flush();
    return all;
}
