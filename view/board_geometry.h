// Where the board's squares lie. At whole device pixel ratios the board keeps
// its one layout: squares 32 pixels wide, 37 pixels apart across and 35 down,
// each length as many times as long as the board is zoomed. Where a length
// would fall between pixels (a zoom by a half, a ratio between whole numbers)
// some seams would come out a pixel wider than others; there the margins and
// distances are moved to the nearest lengths that are whole in device pixels,
// and the board picture is redrawn to that grid.
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>

struct CBoardGeometry {
    int left = 10, top = 6;       // the first square's corner
    int pitchX = 37, pitchY = 35; // from one square to the next
    int right = 9, bottom = 7;    // from the last square to the edge
    int square = 32;              // a square's side
    int step = 1;                 // offsets that are whole in device pixels
    int zoom = 10;                // in tenths of the board's own size

    // For device pixel ratio and zoom (10 to 30).
    static CBoardGeometry For(qreal ratio, int zoom = 10);

    // The board as drawn, shown by the committed pictures one to one.
    bool Regular() const { return step == 1 && zoom == 10; }
    QSize Size() const;
    QPoint Cell(int col, int row) const { return {left + pitchX * col, top + pitchY * row}; }
    QSize CellSize() const { return {square, square}; }
    // The centring offset for a client area of cx × cy, rounded down to a step.
    QPoint Offset(int cx, int cy) const;
};

// The board picture drawn for the regular layout at a scale at least the
// zoomed one (its own device pixel ratio), redrawn to the grid of geometry in
// device pixels of ratio: squares, seams and margins each keep their look, so
// every seam has the same width.
QImage FitBoardPicture(const QImage& picture, const CBoardGeometry& geometry, qreal ratio);
