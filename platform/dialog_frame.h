// The frame of a fixed-size dialog: a caption, the close box where the dialog
// has one, and no minimise or maximise button; fixed in size, it offers no
// maximising. A window manager that still minimises it, with the game along,
// would leave nothing on the screen to bring them back: a dialog minimised by
// the player comes back at once, with the game.
#pragma once

class QWidget;

void SetDialogFrame(QWidget* dialog, bool closeBox);
