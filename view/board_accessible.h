// What assistive technology learns of the board: a table of nine rows of nine
// cells, each named by where it is and what it holds ("Column 3, row 5: red
// ball"), the names following the board as it changes.
#pragma once

class CCellButton;
class QString;

// Registers the board's and the cells' accessible interfaces.
void InstallBoardAccessibility();

// What the player would be told of a cell: its place and its contents.
QString CellAccessibleName(const CCellButton& cell);

// Tells assistive technology that a cell's contents changed.
void NotifyCellChanged(CCellButton* cell);
