// The board pictures 132, 182 and 183 and the tile 179 around the board.
#pragma once

#include <QImage>

enum class BoardLook { Playing, Paused, Stopped };

// At scale k (1 or 2) every length is k times as long, in as many pixels.
QImage DrawBoard(BoardLook look, int k);
QImage DrawTile(int k);
