// The one table of the main window's commands, in menu order: the menu with
// its popups and separators, the keys and the toolbar are all built from it.
// Prompts come from the string table under the command's identifier; the
// handlers and the enable and check rules are CFrameLogic's, by identifier.
#pragma once

#include <cstddef>
#include <span>

enum class CCommandKey { None, Backspace, F1, F2, F3, F4, F5 };

struct CCommandRow {
    const char* popup; // the popup the row belongs to
    unsigned id;       // 0: a separator
    const char* text;  // the menu text; "\t" sets the key name off at the right
    CCommandKey key;   // the accelerator, without modifiers
    int toolbarSlot;   // 1-7 on the toolbar, 0 not there
    bool hasCheck;     // the item shows a check mark by its rule
};

std::span<const CCommandRow> CommandTable();

// Seven toolbar slots; the two without a command are separators.
constexpr int kToolbarSlots = 7;
