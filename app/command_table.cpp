#include "app/command_table.h"

#include "app/frame_logic.h"

namespace {

using K = CCommandKey;

constexpr const char* kGame = "&Game";
constexpr const char* kOptions = "&Options";
constexpr const char* kHelp = "&Help";

constexpr CCommandRow kTable[] = {
    {kGame, ID_GAME_START, "Start\tF2", K::F2, 1, false},
    {kGame, ID_GAME_STOP, "Stop\tF3", K::F3, 2, false},
    {kGame, 0, nullptr, K::None, 0, false},
    {kGame, ID_GAME_UNDO, "Undo\tBckSpc", K::Backspace, 4, false},
    {kGame, ID_GAME_SKIP, "Skip", K::None, 5, false},
    {kGame, ID_GAME_PAUSE, "Pause", K::None, 7, false},
    {kGame, 0, nullptr, K::None, 0, false},
    {kGame, ID_APP_EXIT, "Exit", K::None, 0, false},
    {kOptions, ID_OPTIONS_CLASSICAL, "Classical style", K::None, 0, true},
    {kOptions, ID_OPTIONS_ADVANCED, "&Advanced style", K::None, 0, true},
    {kOptions, 0, nullptr, K::None, 0, false},
    {kOptions, ID_OPTIONS_NONROUND, "Non-round balls", K::None, 0, true},
    {kOptions, 0, nullptr, K::None, 0, false},
    {kOptions, ID_OPTIONS_SOUND, "&Sound", K::None, 0, true},
    {kOptions, 0, nullptr, K::None, 0, false},
    {kOptions, ID_OPTIONS_SAVE, "Save &options on exit", K::None, 0, true},
    {kHelp, ID_HELP_HOWTOPLAY, "How to play", K::None, 0, false},
    {kHelp, 0, nullptr, K::None, 0, false},
    {kHelp, ID_APP_ABOUT, "About Marbix...\tF1", K::F1, 0, false},
};

} // namespace

std::span<const CCommandRow> CommandTable() {
    return kTable;
}
