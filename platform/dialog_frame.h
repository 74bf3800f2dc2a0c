// The frame of a fixed-size dialog: a caption, the close box where the dialog
// has one, and no minimise or maximise button. A window manager that still
// minimises it would take the game with it, with nothing to bring it back:
// such a dialog comes back at once.
#pragma once

class QWidget;

void SetDialogFrame(QWidget* dialog, bool closeBox);
