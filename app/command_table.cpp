#include "app/command_table.h"

#include "app/frame_logic.h"
#include "platform/text_mark.h"

namespace {

using K = CCommandKey;

constexpr const char* kGame = QT_TRANSLATE_NOOP("menu", "&Game");
constexpr const char* kOptions = QT_TRANSLATE_NOOP("menu", "&Options");
constexpr const char* kHelp = QT_TRANSLATE_NOOP("menu", "&Help");

constexpr CCommandRow kTable[] = {
    {kGame, ID_GAME_START, QT_TRANSLATE_NOOP("menu", "Start\tF2"), K::F2, 1, false},
    {kGame, ID_GAME_STOP, QT_TRANSLATE_NOOP("menu", "Stop\tF3"), K::F3, 2, false},
    {kGame, 0, nullptr, K::None, 0, false},
    {kGame, ID_GAME_UNDO, QT_TRANSLATE_NOOP("menu", "Undo\tBckSpc"), K::Backspace, 4, false},
    {kGame, ID_GAME_SKIP, QT_TRANSLATE_NOOP("menu", "Skip"), K::F4, 5, false},
    {kGame, ID_GAME_PAUSE, QT_TRANSLATE_NOOP("menu", "Pause"), K::F5, 7, false},
    {kGame, 0, nullptr, K::None, 0, false},
    {kGame, ID_APP_EXIT, QT_TRANSLATE_NOOP("menu", "Exit"), K::None, 0, false},
    {kOptions, ID_OPTIONS_CLASSICAL, QT_TRANSLATE_NOOP("menu", "Classical style"), K::None, 0,
     true},
    {kOptions, ID_OPTIONS_ADVANCED, QT_TRANSLATE_NOOP("menu", "&Advanced style"), K::None, 0, true},
    {kOptions, 0, nullptr, K::None, 0, false},
    {kOptions, ID_OPTIONS_NONROUND, QT_TRANSLATE_NOOP("menu", "Non-round balls"), K::None, 0, true},
    {kOptions, 0, nullptr, K::None, 0, false},
    {kOptions, ID_OPTIONS_SOUND, QT_TRANSLATE_NOOP("menu", "&Sound"), K::None, 0, true},
    {kOptions, 0, nullptr, K::None, 0, false},
    {kOptions, ID_OPTIONS_SAVE, QT_TRANSLATE_NOOP("menu", "Save &options on exit"), K::None, 0,
     true},
    {kHelp, ID_HELP_HOWTOPLAY, QT_TRANSLATE_NOOP("menu", "How to play"), K::None, 0, false},
    {kHelp, 0, nullptr, K::None, 0, false},
    {kHelp, ID_APP_ABOUT, QT_TRANSLATE_NOOP("menu", "About Marbix...\tF1"), K::F1, 0, false},
};

} // namespace

std::span<const CCommandRow> CommandTable() {
    return kTable;
}
