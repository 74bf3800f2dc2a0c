// Checks of the pictures the generator draws: sizes and palettes, the exact
// grid of the boards, the cell pictures' rules, and that each double-size
// picture is drawn on its own, not blown up from the single-size one.
#pragma once

#include <QImage>
#include <QStringList>
#include <map>

// The pictures by identifier, of one scale.
using PictureSet = std::map<int, QImage>;

// Every rule a picture set of scale k breaks, one line each; empty when all
// hold.
QStringList VerifyPictures(const PictureSet& pictures, int k);

// Rules that bind the two scales together.
QStringList VerifyPair(const PictureSet& single, const PictureSet& twice);
