#include "toolkit/form_window.h"

#include "toolkit/twips.h"

#include <QPaintEvent>
#include <QPainter>

namespace toolkit {

FormWindow::FormWindow(double client_width_twips, double client_height_twips, QWidget *parent)
    : QWidget(parent) {
    setFixedSize(twips_to_px(client_width_twips), twips_to_px(client_height_twips));
    // The form's background is the button-face colour, which the plots also erase with.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, to_qcolor(system_button_face, pal));
    setPalette(pal);
    setAutoFillBackground(true);
    // Only the part that an operation paints: repainting the whole window, controls and
    // all, after every plot would cost several times the plot itself.
    canvas_.on_change = [this](const DrawOp &op) { update(painted_rect(op)); };
}

LineShape &FormWindow::add_line(const LineShape &line) {
    lines_.push_back(line);
    return lines_.back();
}

void FormWindow::paintEvent(QPaintEvent *event) {
    QPainter painter(this);
    // A control repainting over the form (a caret blink, a key typed) exposes only its own
    // rectangle: the plot's operations elsewhere are skipped.
    canvas_.paint(painter, palette(), event->rect());
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const LineShape &line : lines_) {
        painter.setPen(QPen(to_qcolor(line.BorderColor, palette()), 1));
        painter.drawLine(QPoint(twips_to_px(line.X1), twips_to_px(line.Y1)),
                         QPoint(twips_to_px(line.X2), twips_to_px(line.Y2)));
    }
}

} // namespace toolkit
