// The menu items as assistive technology sees them: named by their text
// without the access mark and without the key name set off after a tab; the
// key itself is the item's key binding.
#pragma once

#include <QKeySequence>

class QAction;

// Registers the menu items' accessible interface.
void InstallMenuAccessibility();

// Gives the action the key that carries out its command, for the binding.
void SetAccessibleKey(QAction* action, const QKeySequence& key);
