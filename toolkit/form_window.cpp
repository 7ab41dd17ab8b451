#include "toolkit/form_window.h"

#include "toolkit/application.h"
#include "toolkit/sheet.h"
#include "toolkit/twips_layout.h"

#include <QEvent>
#include <QKeySequence>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>

#include <algorithm>
#include <array>

namespace toolkit {

namespace {

constexpr std::array<double, 11> zoom_steps{1, 1.25, 1.5, 1.75, 2, 2.5, 3, 4, 5, 6, 8};
// Window sizes are whole pixels, so a zoom read back from one is a little off its step.
constexpr double step_tolerance = 0.01;

} // namespace

const FormWindow *form_of(const QWidget *widget) {
    for (const QWidget *w = widget; w != nullptr; w = w->parentWidget()) {
        if (const auto *form = qobject_cast<const FormWindow *>(w))
            return form;
    }
    return nullptr;
}

void place(QWidget *control, double left, double top, double width, double height) {
    QWidget *container = control->parentWidget();
    TwipsLayout *layout = TwipsLayout::of(container);
    if (layout == nullptr) {
        // A frame of the form, met for its first control: its own layout, at the form's
        // zoom, its twips relative to its corner.
        const FormWindow *form = form_of(container);
        TwipsLayout *outer = form != nullptr ? TwipsLayout::of(form) : nullptr;
        if (outer == nullptr) {
            control->setGeometry(twips_rect(left, top, width, height));
            return;
        }
        layout = new TwipsLayout(container, *outer, false);
    }
    layout->place(control, QRectF(left, top, width, height));
}

FormWindow::FormWindow(double client_width_twips, double client_height_twips, QWidget *parent)
    : QWidget(parent)
    , layout_(new TwipsLayout(this, QSizeF(client_width_twips, client_height_twips))) {
    setMinimumSize(defined_size());
    // Twips place every control from the left, in every language.
    setLayoutDirection(Qt::LeftToRight);
    layout_->set_preferred_zoom(opening_zoom(screen(), defined_size()));
    resize(layout_->sizeHint());
    layout_->setGeometry(rect());
    layout_->on_rescale = [this] { update(); };
    // paintEvent covers every pixel with the form's background, read from the palette
    // each time, so a change of theme repaints it in the new colour; Qt leaves out the
    // children that paint their whole rectangle (the sheet, the group boxes).
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Only the sheet: repainting the whole window, controls and all, after every plot would
    // cost several times the plot itself.
    canvas_.on_change = [this] {
        if (sheet_ != nullptr)
            sheet_->drawing_changed();
    };

    const auto shortcut = [this](const QKeySequence &keys, void (FormWindow::*action)()) {
        auto *s = new QShortcut(keys, this);
        connect(s, &QShortcut::activated, this, action);
    };
    shortcut(QKeySequence(QKeySequence::ZoomIn), &FormWindow::zoom_in);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), &FormWindow::zoom_in);
    shortcut(QKeySequence(QKeySequence::ZoomOut), &FormWindow::zoom_out);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_0), &FormWindow::zoom_reset);
}

QColor FormWindow::background() const {
    return to_qcolor(system_button_face, palette());
}

const Scale &FormWindow::scale() const {
    return layout_->scale();
}

QSize FormWindow::defined_size() const {
    return layout_->size_at(1);
}

LineShape &FormWindow::add_line(const LineShape &line) {
    lines_.push_back(line);
    return lines_.back();
}

void FormWindow::set_zoom(double zoom) {
    if (isMaximized() || isFullScreen())
        setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    layout_->set_preferred_zoom(zoom);
    resize(sizeHint());
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
    const double fits = std::min(double(room.width() - frame.width()) / defined_size().width(),
                                 double(room.height() - frame.height()) / defined_size().height());
    const double target = std::min(*next, fits);
    if (target > zoom() + step_tolerance || isMaximized() || isFullScreen())
        set_zoom(std::max(target, 1.0));
}

void FormWindow::zoom_out() {
    const auto next = std::find_if(zoom_steps.rbegin(), zoom_steps.rend(),
                                   [&](double step) { return step < zoom() - step_tolerance; });
    if (next != zoom_steps.rend())
        set_zoom(*next);
}

void FormWindow::zoom_reset() {
    set_zoom(1);
}

Sheet *FormWindow::make_sheet(double left, double top, double right, double bottom) {
    const QRectF twips(QPointF(left, top), QPointF(right, bottom));
    sheet_ = new Sheet(*this, twips);
    layout_->place(sheet_, twips, true);
    new TwipsLayout(sheet_, *layout_, true);
    sheet_->refresh();
    return sheet_;
}

void FormWindow::put_on_sheet(QWidget *control) {
    const bool hidden = control->isHidden();
    // Its twips: read back from where the form's layout placed it.
    const std::optional<QRectF> twips = layout_->twips_of(control);
    control->setParent(sheet_);
    TwipsLayout::of(sheet_)->place(control, twips.value_or(QRectF()));
    control->setHidden(hidden);
}

QRect FormWindow::sheet_rect() const {
    return sheet_ == nullptr ? QRect() : sheet_->geometry();
}

void FormWindow::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && sheet_ != nullptr)
        sheet_->refresh();
}

void FormWindow::paint_lines(QPainter &painter) const {
    const Scale &s = scale();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const LineShape &line : lines_) {
        painter.setPen(QPen(to_qcolor(line.BorderColor, palette()), s.pen_width(1)));
        painter.drawLine(s.point(line.X1, line.Y1), s.point(line.X2, line.Y2));
    }
}

void FormWindow::paintEvent(QPaintEvent *event) {
    QPainter painter(this);
    // The form's background, spare space around a zoomed form included.
    for (const QRect &r : event->region())
        painter.fillRect(r, background());
    paint_lines(painter);
}

} // namespace toolkit
