#include "toolkit/form_window.h"

#include "toolkit/twips.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

namespace toolkit {

FormWindow::FormWindow(double client_width_twips, double client_height_twips, QWidget *parent)
    : QWidget(parent) {
    setFixedSize(twips_to_px(client_width_twips), twips_to_px(client_height_twips));
    // paintEvent covers every pixel with the form's background, read from the palette
    // each time, so a change of theme repaints it in the new colour.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Only the part that an operation paints: repainting the whole window, controls and
    // all, after every plot would cost several times the plot itself.
    canvas_.on_change = [this](const DrawOp &op) { update(painted_rect(op)); };
}

LineShape &FormWindow::add_line(const LineShape &line) {
    lines_.push_back(line);
    return lines_.back();
}

void FormWindow::set_light_sheet(double left, double top, double right, double bottom) {
    has_sheet_ = true;
    sheet_[0] = left, sheet_[1] = top, sheet_[2] = right, sheet_[3] = bottom;
    update();
}

QRect FormWindow::sheet_rect() const {
    if (!has_sheet_)
        return {};
    // The pixels the canvas's box with these corners covers, outline included.
    return QRect(Scale{}.point(sheet_[0], sheet_[1]), Scale{}.point(sheet_[2], sheet_[3]))
        .adjusted(0, 0, -1, -1);
}

QPalette FormWindow::sheet_palette() const {
    return !has_sheet_ || is_light(palette()) ? palette() : light_palette();
}

void FormWindow::put_on_sheet(QWidget *control) {
    sheet_controls_.push_back({control, control->palette()});
    paint_sheet_controls();
}

void FormWindow::paint_sheet_controls() {
    const QPalette sheet = sheet_palette();
    for (const SheetControl &c : sheet_controls_) {
        if (c.control.isNull())
            continue;
        // Every role set, so nothing of the window's own palette shows through.
        QPalette p;
        for (int g = 0; g < QPalette::NColorGroups; ++g) {
            for (int r = 0; r < QPalette::NColorRoles; ++r) {
                const auto group = static_cast<QPalette::ColorGroup>(g);
                const auto role = static_cast<QPalette::ColorRole>(r);
                p.setBrush(group, role,
                           c.own.isBrushSet(group, role) ? c.own.brush(group, role)
                                                         : sheet.brush(group, role));
            }
        }
        c.control->setPalette(p);
    }
}

void FormWindow::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        paint_sheet_controls();
        update();
    }
}

void FormWindow::paintEvent(QPaintEvent *event) {
    QPainter painter(this);
    // The form's background, spare space around a zoomed form included.
    painter.fillRect(event->rect(), to_qcolor(system_button_face, palette()));
    const QPalette sheet = sheet_palette();
    if (has_sheet_)
        painter.fillRect(sheet_rect() & event->rect(), to_qcolor(system_button_face, sheet));
    // A control repainting over the form (a caret blink, a key typed) exposes only its own
    // rectangle: the plot's operations elsewhere are skipped.
    canvas_.paint(painter, sheet, event->rect());
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const LineShape &line : lines_) {
        painter.setPen(QPen(to_qcolor(line.BorderColor, palette()), 1));
        painter.drawLine(Scale{}.point(line.X1, line.Y1), Scale{}.point(line.X2, line.Y2));
    }
}

} // namespace toolkit
