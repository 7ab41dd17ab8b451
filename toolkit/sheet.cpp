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
    , twips_(twips) {
    // paintEvent covers every pixel.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Sheet::refresh() {
    const bool light = !is_light(form_.palette()) && !form_.canvas().display_list().empty();
    if (light == light_)
        return;
    light_ = light;
    // An empty palette sets no role: everything comes from the form's again.
    setPalette(light ? whole_light_palette() : QPalette());
}

void Sheet::paintEvent(QPaintEvent *event) {
    QPainter painter(this);
    // In the form's pixels, where the canvas and the lines are.
    painter.translate(-pos());
    const QRect exposed = event->rect().translated(pos());
    const Scale &scale = form_.scale();
    const QRect box(scale.point(twips_.left(), twips_.top()),
                    scale.point(twips_.right(), twips_.bottom()));
    painter.fillRect(exposed, to_qcolor(system_button_face, form_.palette()));
    painter.fillRect(exposed & box, to_qcolor(system_button_face, palette()));
    form_.canvas().paint(painter, palette(), exposed, scale);
    form_.paint_lines(painter);
}

} // namespace toolkit
