// The board pictures 132, 182 and 183 and the tile 179 around the board.
#pragma once

#include "catalogues.h"

#include <QImage>

enum class BoardLook { Playing, Paused, Stopped };

// At scale k (1 or 2) every length is k times as long, in as many pixels.
// The paused board's word is the language's, at the largest size that fits
// between the frame's sides; the stopped board's title is the game's name in
// every language.
QImage DrawBoard(BoardLook look, int k, const PictureLanguage& language = English());
QImage DrawTile(int k);
