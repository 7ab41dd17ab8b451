#include "toolkit/sheet.h"

#include "toolkit/form_window.h"
#include "toolkit/palette.h"

#include <QPaintEvent>
#include <QPainter>

namespace toolkit {

namespace {

// The light palette with every role set, so nothing of the form's palette shows through.
const QPalette &whole_light_palette() {
    static const QPalette whole = [] {
        QPalette p;
        for_each_colour([&](QPalette::ColorGroup group, QPalette::ColorRole role) {
            p.setBrush(group, role, light_palette().brush(group, role));
        });
        return p;
    }();
    return whole;
}

} // namespace

Sheet::Sheet(FormWindow &form, const QRectF &twips)
    : GraphicArea(&form)
    , form_(form)
    , twips_(twips) {}

void Sheet::refresh() {
    const bool light = !is_light(form_.palette()) && !form_.canvas().display_list().empty();
    if (light == light_)
        return;
    light_ = light;
    // An empty palette sets no role: everything comes from the form's again.
    setPalette(light ? whole_light_palette() : QPalette());
}

QRect Sheet::box() const {
    const Scale &scale = form_.scale();
    return {scale.point(twips_.left(), twips_.top()), scale.point(twips_.right(), twips_.bottom())};
}

void Sheet::paintEvent(QPaintEvent *event) {
    QPainter painter(this);
    // In the form's pixels, where the canvas and the lines are.
    painter.translate(-pos());
    const QRect exposed = event->rect().translated(pos());
    const Scale &scale = form_.scale();
    // The form has painted its background here; the sheet's own colour goes inside the box,
    // but for what the drawing's first operation, a filled box, surely covers anyway (its
    // far edge may leave a device pixel uncovered at a higher pixel ratio).
    const std::vector<DrawOp> &ops = form_.canvas().display_list();
    const bool erased = !ops.empty() && ops.front().kind == DrawOp::Kind::Box && ops.front().filled;
    const QRect covered = erased ? box_rect(ops.front(), scale).adjusted(0, 0, -1, -1) : QRect();
    const QColor sheet = to_qcolor(system_button_face, palette());
    for (const QRect &r : QRegion(exposed & box()) - QRegion(covered))
        painter.fillRect(r, sheet);
    form_.canvas().paint(painter, palette(), exposed, scale);
    form_.paint_lines(painter);
}

} // namespace toolkit
