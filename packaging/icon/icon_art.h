#pragma once

// The program's icon: three phasors A (black), B (red) and C (blue) at 0, -120 and +120
// degrees from a common hub, on a light disc. One drawing function paints it on any
// QPainter: into images for the bitmaps and the window icon, and into an SVG generator for
// the scalable icon, so the two cannot drift apart.

#include <QColor>
#include <QPointF>

class QIcon;
class QImage;
class QPainter;

namespace icon_art {

// Coordinates are in a 256 x 256 canvas, y downwards.
inline constexpr double canvas_size = 256.0;

// Paints the icon over the canvas square of the painter's current coordinates, for showing
// at size_px pixels. Positions never change with the size; only below 24 px do the strokes
// get bolder, so they stay whole pixels wide.
void paint(QPainter &painter, int size_px);

// The icon as a size_px square bitmap with a transparent background.
QImage render(int size_px);

// The icon at the sizes window managers ask for, drawn here: the program shows it even
// when no icon theme holds the installed one. Needs a QGuiApplication.
QIcon icon();

// Where phasor A, B or C (0, 1, 2) ends, and its colour.
QPointF phasor_tip(int phase);
QColor phasor_colour(int phase);

} // namespace icon_art
