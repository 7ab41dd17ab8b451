#pragma once

// The program's icon: three phasors A (black), B (red) and C (blue) at 0, -120 and +120
// degrees from a common hub, on a light disc. One list of shapes feeds both the SVG and
// the PNG renderer, so the scalable icon and the bitmaps cannot drift apart.

#include <QColor>
#include <QPointF>
#include <QString>

#include <vector>

class QImage;

namespace icon_art {

// Coordinates are in a 256 x 256 canvas, y downwards.
inline constexpr double canvas_size = 256.0;

struct Disc {
    QPointF centre;
    double radius;
    QColor fill;
    QColor stroke; // transparent for none
    double stroke_width;
};

struct Bar {
    QPointF from, to;
    QColor colour;
    double width;
};

struct Triangle {
    QPointF tip, left, right;
    QColor colour;
};

struct Shapes {
    std::vector<Disc> discs_below; // the background disc
    std::vector<Bar> bars;         // the phasor shafts
    std::vector<Triangle> heads;   // the arrowheads
    std::vector<Disc> discs_above; // the hub over the shafts' common end
};

// The icon drawn at size_px, in drawing order: discs below, bars, heads, discs above.
// Positions never change with the size; only the smallest sizes get bolder strokes.
Shapes shapes(int size_px);

// Where phasor A, B or C (0, 1, 2) ends, and its colour.
QPointF phasor_tip(int phase);
QColor phasor_colour(int phase);

QString svg();
QImage render(int size_px);

} // namespace icon_art
