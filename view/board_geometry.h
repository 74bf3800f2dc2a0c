// Where the board's squares lie. At whole device pixel ratios the board keeps
// its one layout: squares 32 pixels wide, 37 pixels apart across and 35 down.
// At a ratio between whole numbers those distances would fall between device
// pixels, so that some seams came out a pixel wider than others; there the
// margins and distances are moved to the nearest lengths that are whole in
// device pixels, and the board picture is redrawn to that grid.
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>

struct CBoardGeometry {
    int left = 10, top = 6;       // the first square's corner
    int pitchX = 37, pitchY = 35; // from one square to the next
    int right = 9, bottom = 7;    // from the last square to the edge
    int step = 1;                 // offsets that are whole in device pixels

    static CBoardGeometry For(qreal ratio);

    bool Regular() const { return step == 1; }
    QSize Size() const;
    QPoint Cell(int col, int row) const { return {left + pitchX * col, top + pitchY * row}; }
    // The centring offset for a client area of cx × cy, rounded down to a step.
    QPoint Offset(int cx, int cy) const;
};

// The board picture drawn for the regular layout at double size, redrawn to
// the grid of geometry in device pixels of ratio: squares, seams and
// margins each keep their look, so every seam has the same width.
QImage FitBoardPicture(const QImage& picture2x, const CBoardGeometry& geometry, qreal ratio);
