// The board pictures 132, 182 and 183 and the tile 179 around the board.
#pragma once

#include <QImage>

enum class BoardLook { Playing, Paused, Stopped };

QImage DrawBoard(BoardLook look);
QImage DrawTile();
