#pragma once

#include "toolkit/canvas.h"
#include "toolkit/controls.h"
#include "toolkit/twips.h"

#include <QWidget>

#include <deque>

namespace toolkit {

class Sheet;
class TwipsLayout;

// A form in twips: its line shapes are painted here, beneath the child controls, on the
// form's background colour, and its drawn output (the canvas) on its sheet.
//
// The form's controls stand in a TwipsLayout: the window opens at the defined size (larger
// when the desktop's font is larger) and may grow, never shrink, and the whole form scales
// with it, zoom = the smaller of width and height over the defined ones, centred in any
// spare space. The zoom the window asks for is a property of the form: Ctrl++ (or Ctrl+=),
// Ctrl+- and Ctrl+0 change it in steps, and the window follows by its size hint.
//
// The sheet is a child widget over part of the form on which the canvas paints: in a dark
// theme it takes a light palette once there is a drawing, so a drawing whose colours the
// program fixes stays legible, and the controls put on it take their colours from it.
class FormWindow : public QWidget {
    Q_OBJECT

public:
    FormWindow(double client_width_twips, double client_height_twips, QWidget *parent = nullptr);

    Canvas &canvas() { return canvas_; }
    const Canvas &canvas() const { return canvas_; }

    // The mapping from twips to pixels of this window at the current size.
    const Scale &scale() const;
    double zoom() const { return scale().zoom; }
    // A rectangle of the client area in twips, in pixels of this window.
    QRect px_rect(double left, double top, double width, double height) const {
        return scale().rect(left, top, width, height);
    }
    // The colour the form paints behind its controls.
    QColor background() const;

    // The window's size at zoom 1.
    QSize defined_size() const;

    // The zoom the window asks for, and resizes itself to (a maximised or full-screen
    // window first returns to normal).
    void set_zoom(double zoom);
    // The next zoom step up or down (100%, 125%, 150%, 175%, 200%, 250%, 300%, 400%, ...)
    // within the screen, or back to the defined size.
    void zoom_in();
    void zoom_out();
    void zoom_reset();

    // Makes the sheet over a rectangle in twips of the client area, edges included.
    Sheet *make_sheet(double left, double top, double right, double bottom);
    // Moves a control of the form onto the sheet; it keeps its place in the form's twips.
    void put_on_sheet(QWidget *control);
    // The sheet's pixels in this window, or an empty rectangle without one.
    QRect sheet_rect() const;

    // The line shapes in the form's palette, in pixels of this window.
    void paint_lines(QPainter &painter) const;

protected:
    LineShape &add_line(const LineShape &line);
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    Canvas canvas_;
    std::deque<LineShape> lines_; // deque: handles to its lines stay valid
    TwipsLayout *layout_;
    Sheet *sheet_ = nullptr;
};

// The form a widget stands on (the widget itself if it is one), or none.
const FormWindow *form_of(const QWidget *widget);

// Places a control at a twips rectangle relative to its container, as the window
// definition gives it, and keeps it there at every zoom of the form it belongs to, its
// font scaled alike (the font it has when first placed is its size at zoom 1). A control
// of the form itself is placed relative to the form's origin, one in a frame relative to
// the frame, one on the sheet in the form's twips.
void place(QWidget *control, double left, double top, double width, double height);

} // namespace toolkit
