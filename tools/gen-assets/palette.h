// The standard 16-colour palette and the helpers that turn drawings into
// palette-indexed pictures.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QVector>

namespace pal {

// Indices into the 16-colour palette, in its standard order.
enum Index {
    Black,
    DarkRed,
    DarkGreen,
    DarkYellow,
    DarkBlue,
    DarkMagenta,
    DarkCyan,
    LightGrey,
    DarkGrey,
    Red,
    Green,
    Yellow,
    Blue,
    Magenta,
    Cyan,
    White,
    Transparent // only in the icon, as its mask
};

QVector<QRgb> Table16();
QRgb Rgb(int index);

// A 16-colour indexed picture filled with one palette entry.
QImage Blank16(int w, int h, int index);

// Maps every pixel of an RGB drawing to the nearest entry of the table
// (no dithering), blending partly transparent pixels over the ground first.
QImage Quantise(const QImage& src, const QVector<QRgb>& table, QRgb ground);

// Builds a colour table of at most 256 entries for a full-colour drawing by
// median cut, then maps every pixel to its nearest entry.
QImage Quantise256(const QImage& src);

// Writes a PNG, creating the folder; aborts the program on failure.
void Save(const QImage& image, const QString& path);

} // namespace pal
