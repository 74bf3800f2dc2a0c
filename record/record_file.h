// Recorded games on disk. Reading takes only a regular file of at most the
// record's size cap and never blocks (a FIFO or a device is refused at once).
// Writing is whole or nothing: the text goes to a temporary file in the same
// folder, which is flushed and then renamed to its name, and the folder is
// flushed; whatever kills the program meanwhile leaves at most a temporary
// file, whose name a reader of the folder passes over.
#pragma once

#include <string>

#include "record/game_record.h"

// The file name ending of a record, and the part that marks a temporary one.
inline constexpr const char* kRecordSuffix = ".marbix-game";
inline constexpr const char* kRecordTempMark = ".partial-";

// Reads and checks the record at path; false with "PATH: REASON" in error.
bool ReadRecordFile(const std::string& path, CGameRecord& record, std::string& error);

// Writes the record to path, whole or not at all; false with "PATH: REASON".
bool WriteRecordFile(const std::string& path, const CGameRecord& record, std::string& error);
