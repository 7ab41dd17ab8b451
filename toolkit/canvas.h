#pragma once

#include "toolkit/palette.h"
#include "toolkit/twips.h"

#include <QFont>
#include <QImage>
#include <QBrush>
#include <QPen>
#include <QRect>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QPainter;
class QPalette;

namespace toolkit {

// One drawing operation, in the form's twips.
struct DrawOp {
    enum class Kind { Box, Circle, Line };
    Kind kind = Kind::Line;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0; // Box and Line: corners or ends
    float x = 0, y = 0, r = 0;            // Circle: centre and radius
    int style = 0;                        // DrawStyle: 0 solid, 2 dotted
    int width = 1;                        // DrawWidth in pixels
    bool filled = false;                  // FillStyle 0 (solid) at the time of drawing
    Colour fill_color = 0;
    std::optional<Colour> color; // none: the form's foreground colour

    bool operator==(const DrawOp &) const = default;
};

// The part of the form, in twips, that an operation may paint: its geometry with room for
// the pen around it.
struct TwipsBounds {
    float left, top, right, bottom;
};
TwipsBounds painted_bounds(const DrawOp &op);
// The same in pixels of the form at a zoom, rounded outwards.
QRect painted_rect(const DrawOp &op, const Scale &scale = {});
// The device's pixels per logical pixel where painting may copy pixels instead of drawing
// them: a raster device moved by whole pixels only; 0 elsewhere. The second is the same
// where it is a whole number, 0 where not.
qreal copying_ratio(const QPainter &painter);
int whole_copying_ratio(const QPainter &painter);
// Calls `paint` once for each band of `rect` (logical pixels), clipped to it: fewer device
// rows than the raster engine hands to its worker threads, each quicker done at once than
// shared out. The first and last bands reach beyond the rectangle. Where the rectangle is
// lower than that, or copying_ratio() is not whole, once, unclipped.
void in_bands(QPainter &painter, const QRect &rect, const std::function<void()> &paint);
// The pixels that a box's outline runs round at a zoom: a filled box covers all of them.
QRect box_rect(const DrawOp &box, const Scale &scale);

// A caption that belongs with the drawing: its text in a twips rectangle of the form, as a
// label shows it (font at the defined size, its own colour, its alignment in the rectangle).
struct Caption {
    QString text;
    float left = 0, top = 0, width = 0, height = 0;
    QFont font;
    Colour color = system_button_text;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;

    bool operator==(const Caption &) const = default;
};

// The drawing surface of a form. The setters keep the drawing state between calls,
// as a form does; every Line, Box and Circle is recorded in a retained display list
// that paint() replays, so the picture survives covering and repaints at any zoom and
// device-pixel ratio, in the colours of the palette it is given, without running the
// drawing code again.
class Canvas {
public:
    // Toolkit defaults, in force until a program sets them.
    int DrawStyle = 0;
    int DrawWidth = 1;
    int FillStyle = 1; // 1 = transparent
    Colour FillColor = rgb_black;
    Colour ForeColor = system_button_text;

    void Line(float x1, float y1, float x2, float y2, std::optional<Colour> color = std::nullopt);
    void Box(float x1, float y1, float x2, float y2); // Line with the box option, no colour
    void Circle(float x, float y, float r);

    // Starts a new "last call" record; the retained list is not affected. Until end_call()
    // the owner is not told of each operation: end_call() tells it of those that changed the
    // picture (a conversion that draws the same rings again repaints only its phasors).
    void begin_call();
    void end_call();
    const std::vector<DrawOp> &last_call() const { return last_call_; }
    const std::vector<DrawOp> &display_list() const { return display_; }

    // The captions that go with the drawing wherever it goes without the form's own labels.
    void set_captions(std::vector<Caption> captions);
    const std::vector<Caption> &captions() const { return captions_; }

    enum class Captions { without, with };
    // Draws the picture onto any paint device: the retained list at a zoom, then, if asked,
    // the captions. With an exposed rectangle (in pixels of the form), only the operations
    // that reach into it, since the painter clips the others away anyway. Pen widths scale
    // with the zoom; one-pixel outlines stay one crisp pixel at the defined size, circles
    // and boxes lie on whole pixels, and a line keeps its exact length and direction from a
    // whole-pixel start (at a circle's centre it starts where the circle is centred).
    // On a raster device the filled boxes and circles that no later line crosses are kept
    // in an image per zoom and pixel ratio and copied in one go while they stay the same.
    void paint(QPainter &painter, const QPalette &palette, const QRect &exposed = {},
               const Scale &scale = {}, Captions captions = Captions::without) const;

    // What the canvas shows and the state it draws its next operation in: put back, the
    // owner is told of every operation that goes or comes, so the drawing shows as it was.
    struct Picture {
        std::vector<DrawOp> display, last_call;
        int DrawStyle = 0, DrawWidth = 1, FillStyle = 1;
        Colour FillColor = rgb_black, ForeColor = system_button_text;
        bool operator==(const Picture &) const = default;
    };
    Picture picture() const;
    void show_picture(const Picture &picture);

    // Called with every recorded operation, or with those that end_call() finds changed,
    // so the owner can schedule a repaint of the part it paints.
    std::function<void(const DrawOp &)> on_change;

private:
    void record(const DrawOp &op);
    void paint_op(QPainter &painter, const QPalette &palette, const DrawOp &op,
                  const Scale &scale) const;
    bool paint_backdrop(QPainter &painter, const QPalette &palette, const QRect &exposed,
                        const Scale &scale) const;
    void draw_circle(QPainter &painter, QPoint centre, int r) const;

    std::vector<DrawOp> display_;
    std::vector<DrawOp> last_call_;
    bool in_call_ = false;
    std::vector<DrawOp> before_call_; // the retained list when the call began
    std::vector<Caption> captions_;

    // The backdrop's picture and what it was made from.
    struct Backdrop {
        std::vector<DrawOp> ops;
        Scale scale;
        qreal ratio = 0;
        QRgb face = 0, text = 0;
        QRect rect; // in pixels of the form
        QImage image;
        Scale seen_scale; // of the latest paint
        qreal seen_ratio = 0;
    };
    mutable Backdrop backdrop_;

    // Circles drawn without smoothing, each kind drawn once into an image per zoom and pixel
    // ratio and copied to every place it goes: the four diagrams share their discs and rings.
    struct Stamp {
        QPen pen;
        QBrush brush;
        int r = 0;
        int ratio = 0;
        QImage image; // centred on the middle of its middle pixel
    };
    mutable std::vector<Stamp> stamps_; // the last few, newest last
};

} // namespace toolkit
