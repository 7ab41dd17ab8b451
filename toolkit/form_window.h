#pragma once

#include "toolkit/canvas.h"
#include "toolkit/controls.h"
#include "toolkit/twips.h"

#include <QPalette>
#include <QPointer>
#include <QWidget>

#include <deque>
#include <vector>

namespace toolkit {

// A form in twips: its drawn output (the canvas) and its line shapes are painted here,
// beneath the child controls, on the form's background colour.
//
// The window opens at the defined size and may grow, never shrink: the whole form then
// scales with it, zoom = the smaller of width and height over the defined ones, centred in
// any spare space. Controls placed with place() keep their twips rectangles and get their
// pixels and font sizes anew at every zoom; the canvas and the lines repaint from twips.
// Ctrl++ (or Ctrl+=), Ctrl+- and Ctrl+0 resize the window in steps, and back.
//
// A form may name a light sheet: a rectangle that always paints in a light palette (the
// current one when it is light, light_palette() otherwise), so a drawing whose colours the
// program fixes stays legible in a dark theme. The canvas paints with the sheet's palette,
// and controls put on the sheet take their system colours from it too.
class FormWindow : public QWidget {
    Q_OBJECT

public:
    FormWindow(double client_width_twips, double client_height_twips, QWidget *parent = nullptr);

    Canvas &canvas() { return canvas_; }
    const Canvas &canvas() const { return canvas_; }

    // The mapping from twips to pixels of this window at the current zoom.
    const Scale &scale() const { return scale_; }
    double zoom() const { return scale_.zoom; }
    // A rectangle of the client area in twips, in pixels of this window.
    QRect px_rect(double left, double top, double width, double height) const {
        return scale_.rect(left, top, width, height);
    }
    // The window's size at zoom 1.
    QSize defined_size() const { return defined_size_; }

    // Resizes the window to the next zoom step up or down (100%, 125%, 150%, 175%, 200%,
    // 250%, 300%, 400%, ...) within the screen, or back to the defined size; a maximised
    // or full-screen window first returns to normal.
    void zoom_in();
    void zoom_out();
    void zoom_reset();

    // The light sheet, in twips of the client area (edges included), and its pixels.
    void set_light_sheet(double left, double top, double right, double bottom);
    QRect sheet_rect() const;
    // What the sheet paints with: the current palette if light, else light_palette().
    QPalette sheet_palette() const;
    // A control standing on the sheet: colours of its own stay, the rest come from the
    // sheet's palette.
    void put_on_sheet(QWidget *control);

signals:
    // The zoom or the form's origin changed; placed controls already have their new pixels.
    void zoom_changed();

protected:
    LineShape &add_line(const LineShape &line);
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct SheetControl {
        QPointer<QWidget> control;
        QPalette own; // the roles it set itself
    };

    Scale scale_for(QSize size) const;
    void rescale();
    void paint_sheet_controls();
    void resize_to_zoom(double zoom);

    Canvas canvas_;
    std::deque<LineShape> lines_; // deque: handles to its lines stay valid
    QSize defined_size_;
    double width_twips_, height_twips_;
    Scale scale_;
    bool has_sheet_ = false;
    double sheet_[4] = {}; // left, top, right, bottom
    std::vector<SheetControl> sheet_controls_;
};

// The form a widget stands on (the widget itself if it is one), or none.
const FormWindow *form_of(const QWidget *widget);

// Places a control at a twips rectangle relative to its container, as the window
// definition gives it, and keeps it there at every zoom of the form it belongs to, its
// font scaled alike (the font it has when first placed is its size at zoom 1). A control
// of the form itself is placed relative to the form's origin.
void place(QWidget *control, double left, double top, double width, double height);

} // namespace toolkit
