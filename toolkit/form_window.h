#pragma once

#include "toolkit/canvas.h"
#include "toolkit/controls.h"

#include <QWidget>

#include <deque>

namespace toolkit {

// A fixed-size form in twips: its drawn output (the canvas) and its line shapes
// are painted here, beneath the child controls.
class FormWindow : public QWidget {
public:
    FormWindow(double client_width_twips, double client_height_twips, QWidget *parent = nullptr);

    Canvas &canvas() { return canvas_; }
    const Canvas &canvas() const { return canvas_; }

protected:
    LineShape &add_line(const LineShape &line);
    void paintEvent(QPaintEvent *event) override;

private:
    Canvas canvas_;
    std::deque<LineShape> lines_; // deque: handles to its lines stay valid
};

} // namespace toolkit
