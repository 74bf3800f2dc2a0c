// Every number the program names a thing by, in one table: its sound cues,
// pictures, strings and commands, and the two numberings of the board's
// cells. The engine is the lowest layer that needs any of them (cues and cell
// commands), so the table lives here; the windows, the resource lookups, the
// tools and the tests take their numbers from it.
#pragma once

// The program's own sound cues, by the event they mark.
enum class Cue : unsigned {
    GameStart = 136,
    GameStop = 137,
    AboutOpened = 138,
    NothingSelected = 140,
    NoPath = 141,
    MoveExpired = 147,
    FirstPlace = 149,
    MovedUp = 150,
    Undo = 151,
    NewBest = 153,
    AmongBest = 154,
    Skip = 175,
};

// All twelve, in identifier order.
inline constexpr Cue kEveryProgramCue[] = {
    Cue::GameStart, Cue::GameStop,    Cue::AboutOpened, Cue::NothingSelected,
    Cue::NoPath,    Cue::MoveExpired, Cue::FirstPlace,  Cue::MovedUp,
    Cue::Undo,      Cue::NewBest,     Cue::AmongBest,   Cue::Skip,
};

// Cues from 600 on belong to the sound module: three per ball colour.
inline constexpr unsigned kFirstModuleCue = 600;
enum ColourCueKind : int { kBallSelected = 1, kBallMoved = 2, kBallsRemoved = 3 };
constexpr unsigned ColourCue(int colour, int kind) {
    return kFirstModuleCue + 4u * static_cast<unsigned>(colour) + static_cast<unsigned>(kind);
}

// Pictures. A cell's picture is computed from its colour and state.
namespace PictureId {
inline constexpr int kIcon = 128;
inline constexpr int kBoard = 132;
inline constexpr int kToolbar = 171;
inline constexpr int kDecoration = 176;
inline constexpr int kTile = 179;
inline constexpr int kBoardPaused = 182;
inline constexpr int kBoardStopped = 183;
constexpr int Cell(int colour, int state, bool round) {
    return (round ? 400 : 500) + 4 * colour + state;
}
} // namespace PictureId

// Strings. A command's prompt is the string under the command's identifier.
namespace StringId {
inline constexpr unsigned kTitle = 128;
inline constexpr unsigned kPlayTime = 130;
inline constexpr unsigned kFirstEpigraph = 2000;
inline constexpr unsigned kAppName = 57344;
inline constexpr unsigned kIdle = 57345;
} // namespace StringId

// Commands of the main window.
enum : unsigned {
    ID_GAME_START = 32772,
    ID_GAME_STOP = 32773,
    ID_GAME_UNDO = 32775,
    ID_GAME_SKIP = 32776,
    ID_HELP_HOWTOPLAY = 32781,
    ID_GAME_PAUSE = 32782,
    ID_OPTIONS_CLASSICAL = 32784,
    ID_OPTIONS_ADVANCED = 32786,
    ID_OPTIONS_SOUND = 32787,
    ID_OPTIONS_SAVE = 32788,
    ID_OPTIONS_NONROUND = 32789,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
};

// The board window, a child of the main window.
inline constexpr int kFieldWndId = 131;

// The board: 9 columns of 9 rows. Cells are stored column by column, but a
// cell's command identifier counts row by row from 10000.
inline constexpr int kSide = 9;
inline constexpr int kBoardCells = kSide * kSide;
inline constexpr int kFirstCellId = 10000;
inline constexpr int kLastCellId = kFirstCellId + kBoardCells - 1;

constexpr int CellIndex(int col, int row) {
    return kSide * col + row;
}
constexpr int IndexCol(int index) {
    return index / kSide;
}
constexpr int IndexRow(int index) {
    return index % kSide;
}
constexpr int CellCommandId(int col, int row) {
    return kFirstCellId + kSide * row + col;
}
constexpr int CommandCol(int id) {
    return (id - kFirstCellId) % kSide;
}
constexpr int CommandRow(int id) {
    return (id - kFirstCellId) / kSide;
}
