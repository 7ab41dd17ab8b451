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

QRect Sheet::box() const {
    const Scale &scale = form_.scale();
    return {scale.point(twips_.left(), twips_.top()), scale.point(twips_.right(), twips_.bottom())};
}

void Sheet::paint_picture(QPainter &painter) const {
    painter.fillRect(geometry(), form_.background());
    painter.fillRect(box(), to_qcolor(system_button_face, palette()));
    form_.canvas().paint(painter, palette(), form_.scale());
}

QPixmap Sheet::picture(int ratio) {
    Shown now{size(),
              ratio,
              form_.scale(),
              palette().cacheKey(),
              form_.background().rgb(),
              form_.canvas().display_list()};
    QPixmap pixmap;
    if (now == shown_ && QPixmapCache::find(picture_, &pixmap))
        return pixmap;
    pixmap = QPixmap(size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    {
        QPainter painter(&pixmap);
        painter.translate(-pos());
        paint_picture(painter);
    }
    QPixmapCache::remove(picture_);
    picture_ = QPixmapCache::insert(pixmap);
    shown_ = std::move(now);
    return pixmap;
}

void Sheet::paintEvent(QPaintEvent *event) {
    QPainter painter(this);
    if (const int ratio = copying_ratio(painter)) {
        const QRect exposed = event->rect();
        painter.drawPixmap(exposed, picture(ratio),
                           QRect(exposed.topLeft() * ratio, exposed.size() * ratio));
        painter.translate(-pos());
    } else {
        painter.translate(-pos());
        paint_picture(painter);
    }
    form_.paint_lines(painter);
}

} // namespace toolkit
