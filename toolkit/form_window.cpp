#include "toolkit/form_window.h"

#include <QEvent>
#include <QKeySequence>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>

#include <algorithm>
#include <array>
#include <cmath>

namespace toolkit {

namespace {

// Where place() keeps a control's twips rectangle and the size of its font at zoom 1.
constexpr const char *twips_key = "toolkit_twips";
constexpr const char *pixel_size_key = "toolkit_font_pixels";
constexpr const char *point_size_key = "toolkit_font_points";

constexpr std::array<double, 11> zoom_steps{1, 1.25, 1.5, 1.75, 2, 2.5, 3, 4, 5, 6, 8};
// Window sizes are whole pixels, so a zoom read back from one is a little off its step.
constexpr double step_tolerance = 0.01;

void apply_placement(QWidget *control, const FormWindow *form) {
    const QRectF r = control->property(twips_key).toRectF();
    const Scale scale = form == nullptr ? Scale{} : form->scale();
    const bool on_form = form != nullptr && control->parentWidget() == form;
    control->setGeometry(
        (on_form ? scale : scale.inside()).rect(r.left(), r.top(), r.width(), r.height()));

    QFont font = control->font();
    if (const QVariant pixels = control->property(pixel_size_key); pixels.isValid())
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels.toInt() * scale.zoom))));
    else if (const QVariant points = control->property(point_size_key); points.isValid())
        font.setPointSizeF(points.toDouble() * scale.zoom);
    if (font != control->font())
        control->setFont(font);
}

} // namespace

const FormWindow *form_of(const QWidget *widget) {
    for (const QWidget *w = widget; w != nullptr; w = w->parentWidget()) {
        if (const auto *form = qobject_cast<const FormWindow *>(w))
            return form;
    }
    return nullptr;
}

void place(QWidget *control, double left, double top, double width, double height) {
    control->setProperty(twips_key, QRectF(left, top, width, height));
    if (!control->property(pixel_size_key).isValid() &&
        !control->property(point_size_key).isValid()) {
        const QFont font = control->font();
        if (font.pixelSize() > 0)
            control->setProperty(pixel_size_key, font.pixelSize());
        else
            control->setProperty(point_size_key, font.pointSizeF());
    }
    apply_placement(control, form_of(control->parentWidget()));
}

FormWindow::FormWindow(double client_width_twips, double client_height_twips, QWidget *parent)
    : QWidget(parent)
    , defined_size_(twips_to_px(client_width_twips), twips_to_px(client_height_twips))
    , width_twips_(client_width_twips)
    , height_twips_(client_height_twips) {
    setMinimumSize(defined_size_);
    resize(defined_size_);
    // paintEvent covers every pixel with the form's background, read from the palette
    // each time, so a change of theme repaints it in the new colour.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Only the part that an operation paints: repainting the whole window, controls and
    // all, after every plot would cost several times the plot itself.
    canvas_.on_change = [this](const DrawOp &op) { update(painted_rect(op, scale_)); };

    const auto shortcut = [this](const QKeySequence &keys, void (FormWindow::*action)()) {
        auto *s = new QShortcut(keys, this);
        connect(s, &QShortcut::activated, this, action);
    };
    shortcut(QKeySequence(QKeySequence::ZoomIn), &FormWindow::zoom_in);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), &FormWindow::zoom_in);
    shortcut(QKeySequence(QKeySequence::ZoomOut), &FormWindow::zoom_out);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_0), &FormWindow::zoom_reset);
}

LineShape &FormWindow::add_line(const LineShape &line) {
    lines_.push_back(line);
    return lines_.back();
}

Scale FormWindow::scale_for(QSize size) const {
    Scale s;
    s.zoom = std::min(double(size.width()) / defined_size_.width(),
                      double(size.height()) / defined_size_.height());
    const int form_width = s.px(width_twips_);
    const int form_height = s.px(height_twips_);
    s.origin = {std::max(0, (size.width() - form_width) / 2),
                std::max(0, (size.height() - form_height) / 2)};
    return s;
}

void FormWindow::rescale() {
    const Scale next = scale_for(size());
    if (next == scale_)
        return;
    scale_ = next;
    for (QWidget *control : findChildren<QWidget *>()) {
        if (control->property(twips_key).isValid())
            apply_placement(control, this);
    }
    update();
    emit zoom_changed();
}

void FormWindow::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    rescale();
}

void FormWindow::zoom_in() {
    const auto next = std::find_if(zoom_steps.begin(), zoom_steps.end(),
                                   [&](double step) { return step > zoom() + step_tolerance; });
    if (next == zoom_steps.end())
        return;
    // Within the screen's free area, title bar and borders included: a step that does not
    // fit goes as far as fits.
    const QRect room = screen()->availableGeometry();
    const QSize frame = frameGeometry().size() - geometry().size();
    const double fits = std::min(double(room.width() - frame.width()) / defined_size_.width(),
                                 double(room.height() - frame.height()) / defined_size_.height());
    const double target = std::min(*next, fits);
    if (target > zoom() + step_tolerance || isMaximized() || isFullScreen())
        resize_to_zoom(std::max(target, 1.0));
}

void FormWindow::zoom_out() {
    const auto next = std::find_if(zoom_steps.rbegin(), zoom_steps.rend(),
                                   [&](double step) { return step < zoom() - step_tolerance; });
    if (next != zoom_steps.rend())
        resize_to_zoom(*next);
}

void FormWindow::zoom_reset() {
    resize_to_zoom(1);
}

void FormWindow::resize_to_zoom(double zoom) {
    if (isMaximized() || isFullScreen())
        setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    const Scale target{zoom, {}};
    resize(target.px(width_twips_), target.px(height_twips_));
    // Grown past the screen's edge: move it back in.
    if (isWindow()) {
        const QRect room = screen()->availableGeometry();
        const QSize frame = frameGeometry().size() - geometry().size();
        QRect outer(frameGeometry().topLeft(), size() + frame);
        outer.moveRight(std::min(outer.right(), room.right()));
        outer.moveBottom(std::min(outer.bottom(), room.bottom()));
        outer.moveLeft(std::max(outer.left(), room.left()));
        outer.moveTop(std::max(outer.top(), room.top()));
        if (outer.topLeft() != frameGeometry().topLeft())
            move(outer.topLeft());
    }
}

void FormWindow::set_light_sheet(double left, double top, double right, double bottom) {
    has_sheet_ = true;
    sheet_[0] = left, sheet_[1] = top, sheet_[2] = right, sheet_[3] = bottom;
    update();
}

QRect FormWindow::sheet_rect() const {
    if (!has_sheet_)
        return {};
    // The pixels the canvas's box with these corners covers, outline included: corner to
    // corner, both corners' pixels in it.
    return {scale_.point(sheet_[0], sheet_[1]), scale_.point(sheet_[2], sheet_[3])};
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
        for_each_colour([&](QPalette::ColorGroup group, QPalette::ColorRole role) {
            p.setBrush(group, role,
                       c.own.isBrushSet(group, role) ? c.own.brush(group, role)
                                                     : sheet.brush(group, role));
        });
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
    canvas_.paint(painter, sheet, event->rect(), scale_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const LineShape &line : lines_) {
        painter.setPen(QPen(to_qcolor(line.BorderColor, palette()), scale_.pen_width(1)));
        painter.drawLine(scale_.point(line.X1, line.Y1), scale_.point(line.X2, line.Y2));
    }
}

} // namespace toolkit
