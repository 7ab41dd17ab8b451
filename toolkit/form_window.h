#pragma once

#include "toolkit/canvas.h"
#include "toolkit/controls.h"

#include <QPalette>
#include <QPointer>
#include <QWidget>

#include <deque>
#include <vector>

namespace toolkit {

// A fixed-size form in twips: its drawn output (the canvas) and its line shapes are
// painted here, beneath the child controls, on the form's background colour.
//
// A form may name a light sheet: a rectangle that always paints in a light palette (the
// current one when it is light, light_palette() otherwise), so a drawing whose colours the
// program fixes stays legible in a dark theme. The canvas paints with the sheet's palette,
// and controls put on the sheet take their system colours from it too.
class FormWindow : public QWidget {
public:
    FormWindow(double client_width_twips, double client_height_twips, QWidget *parent = nullptr);

    Canvas &canvas() { return canvas_; }
    const Canvas &canvas() const { return canvas_; }

    // The light sheet, in twips of the client area (edges included), and its pixels.
    void set_light_sheet(double left, double top, double right, double bottom);
    QRect sheet_rect() const;
    // What the sheet paints with: the current palette if light, else light_palette().
    QPalette sheet_palette() const;
    // A control standing on the sheet: colours of its own stay, the rest come from the
    // sheet's palette.
    void put_on_sheet(QWidget *control);

protected:
    LineShape &add_line(const LineShape &line);
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct SheetControl {
        QPointer<QWidget> control;
        QPalette own; // the roles it set itself
    };

    void paint_sheet_controls();

    Canvas canvas_;
    std::deque<LineShape> lines_; // deque: handles to its lines stay valid
    bool has_sheet_ = false;
    double sheet_[4] = {}; // left, top, right, bottom
    std::vector<SheetControl> sheet_controls_;
};

} // namespace toolkit
