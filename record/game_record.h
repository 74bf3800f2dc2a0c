// A recorded game: the seed and style it started with, every action that
// changed it with its time from the start, and how it ended. Its text, the
// .marbix-game file, is a first line naming the format and its version, then
// one line per fact or action:
//
//   marbix-game 1
//   seed 1733603877          the deal's seed when the game started
//   style advanced           or classical
//   click 1520 4 6           ms from the start, column and row (0 to 8)
//   undo 2210
//   skip 3105
//   expire 34105             the move clock ran out
//   name Alice               empty when no name was entered
//   score 124
//   date 2026-12-07T20:37:57Z
//   playtime 345             seconds
//   board 0031a...           the 81 cells at the end, row by row
//
// The reader is strict and bounded: a text that is not exactly this, in this
// order, ending with its line break, is refused with the reason.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct CRecordedAction {
    enum class Kind { Click, Undo, Skip, Expire };
    Kind kind = Kind::Click;
    long long ms = 0; // from the start of the game
    int col = 0;      // clicks only
    int row = 0;

    bool operator==(const CRecordedAction&) const = default;
};

struct CGameRecord {
    static constexpr int kVersion = 1;
    static constexpr std::size_t kMaxActions = 100000;
    static constexpr std::size_t kMaxBytes = std::size_t{4} << 20;
    static constexpr std::size_t kMaxNameBytes = 60;
    static constexpr long long kMaxMs = 10'000'000'000LL; // about 115 days
    static constexpr unsigned kMaxNumber = 1'000'000'000u;
    static constexpr std::size_t kBoardChars = 81;

    int seed = 0;
    bool classical = false;
    std::vector<CRecordedAction> actions;
    std::string name;
    unsigned score = 0;
    std::string date; // YYYY-MM-DDTHH:MM:SSZ, universal time
    unsigned playSeconds = 0;
    // Row by row: '0' an empty cell, '1' to '7' a ball, 'a' to 'g' a preview.
    std::string board = std::string(kBoardChars, '0');

    bool operator==(const CGameRecord&) const = default;
};

// The record's text.
std::string RecordText(const CGameRecord& record);

// Reads a record's text; false with the reason in error when it is not one.
bool ParseRecord(std::string_view text, CGameRecord& record, std::string& error);

// The board character of a cell's colour and whether it is a preview.
char BoardChar(int colour, bool preview);

// The date text of a time in seconds since 1970.
std::string RecordDate(long long secondsSince1970);
