// The driver's --verify: each recorded game played again through the engine,
// with one line per file saying whether it reproduces its recorded score.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "record/game_record.h"

// The line for one file: "FILE: NAME, SCORE points: reproduces", or
// "...: does not reproduce (WHY)", or "FILE: refused: REASON" when the file
// is not a record that can be read.
std::string VerifyLine(const std::string& file, bool read, const std::string& readError,
                       bool reproduces, const CGameRecord& record, const std::string& failure);

// Verifies every file and prints its line; true when every one reproduces.
bool VerifyFiles(const std::vector<std::string>& files, std::ostream& out);
