#pragma once

#include "toolkit/palette.h"
#include "toolkit/twips.h"

#include <QFont>
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

// The device's pixels per logical pixel where a copy gives exactly the pixels of painting:
// a raster device at a whole ratio, moved by whole pixels only; 0 elsewhere (a printer, a
// recording, a scaled painter).
int copying_ratio(const QPainter &painter);
// The pixels of the form at a zoom that an operation may paint, its pen included.
QRect painted_rect(const DrawOp &op, const Scale &scale);
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
// drawing code again. An opaque filled box drops what it hides from the list, so erasing
// and drawing again never grows it.
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
    // the owner is not told of each operation: end_call() tells it once if the picture
    // changed (a conversion that draws the same picture again repaints nothing).
    void begin_call();
    void end_call();
    const std::vector<DrawOp> &last_call() const { return last_call_; }
    const std::vector<DrawOp> &display_list() const { return display_; }

    // The captions that go with the drawing wherever it goes without the form's own labels.
    void set_captions(std::vector<Caption> captions);
    const std::vector<Caption> &captions() const { return captions_; }

    enum class Captions { without, with };
    // Draws the picture onto any paint device: the retained list at a zoom, then, if asked,
    // the captions. Pen widths scale with the zoom; one-pixel outlines stay one crisp pixel
    // at the defined size, circles and boxes lie on whole pixels, and a line keeps its exact
    // length and direction from a whole-pixel start (at a circle's centre it starts where
    // the circle is centred).
    void paint(QPainter &painter, const QPalette &palette, const Scale &scale = {},
               Captions captions = Captions::without) const;

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

    // Called when the picture changes: after each operation recorded outside a call, and
    // at end_call() if the call left a different picture, so the owner can repaint it.
    std::function<void()> on_change;

private:
    void record(const DrawOp &op);
    void paint_op(QPainter &painter, const QPalette &palette, const DrawOp &op,
                  const Scale &scale) const;

    std::vector<DrawOp> display_;
    std::vector<DrawOp> last_call_;
    bool in_call_ = false;
    std::vector<DrawOp> before_call_; // the retained list when the call began
    std::vector<Caption> captions_;
};

} // namespace toolkit
