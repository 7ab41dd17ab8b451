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

// The pixels of the form that may differ between two drawings: those of the operations
// outside their longest common subsequence. The operations in it keep their order in both,
// so a pixel that none of the others reaches is painted alike.
QRegion changed_pixels(const std::vector<DrawOp> &a, const std::vector<DrawOp> &b,
                       const Scale &scale) {
    const std::size_t n = a.size(), m = b.size();
    // common[i][j]: the length of the longest common subsequence of a[i..] and b[j..].
    std::vector<std::vector<std::size_t>> common(n + 1, std::vector<std::size_t>(m + 1, 0));
    for (std::size_t i = n; i-- > 0;) {
        for (std::size_t j = m; j-- > 0;)
            common[i][j] = a[i] == b[j] ? common[i + 1][j + 1] + 1
                                        : std::max(common[i + 1][j], common[i][j + 1]);
    }
    QRegion changed;
    for (std::size_t i = 0, j = 0; i < n || j < m;) {
        if (i < n && j < m && a[i] == b[j])
            ++i, ++j;
        else if (j == m || (i < n && common[i + 1][j] >= common[i][j + 1]))
            changed += painted_rect(a[i++], scale);
        else
            changed += painted_rect(b[j++], scale);
    }
    return changed;
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
    // The form's background only beyond the box's corners, under an opaque sheet colour.
    const QColor sheet = to_qcolor(system_button_face, palette());
    const QRect box = this->box();
    const QRegion beyond = sheet.alpha() == 255 ? QRegion(geometry()) - box : QRegion(geometry());
    for (const QRect &r : beyond)
        painter.fillRect(r, form_.background());
    // The sheet's colour only where the drawing's first operation, a box filled opaquely,
    // leaves bare: its inside would be painted over at once.
    QRegion bare(box);
    const std::vector<DrawOp> &ops = form_.canvas().display_list();
    if (!ops.empty() && ops.front().kind == DrawOp::Kind::Box && ops.front().filled &&
        to_qcolor(ops.front().fill_color, palette()).alpha() == 255) {
        const int pen = form_.scale().pen_width(ops.front().width);
        bare -= box_rect(ops.front(), form_.scale()).adjusted(pen, pen, -pen, -pen);
    }
    for (const QRect &r : bare)
        painter.fillRect(r, sheet);
    form_.canvas().paint(painter, palette(), form_.scale());
}

Sheet::Shown Sheet::now(int ratio) const {
    return {size(),
            ratio,
            form_.scale(),
            palette().cacheKey(),
            form_.background().rgb(),
            form_.canvas().display_list()};
}

void Sheet::drawing_changed() {
    const qint64 before = palette().cacheKey();
    refresh();
    if (palette().cacheKey() == before && shown_.same_but_drawing(now(shown_.ratio)))
        update(changed_pixels(shown_.drawing, form_.canvas().display_list(), form_.scale())
                   .translated(-pos()));
    else
        update();
}

QPixmap Sheet::picture(int ratio) {
    Shown now = this->now(ratio);
    QPixmap pixmap;
    const bool found = QPixmapCache::find(picture_, &pixmap);
    if (found && now == shown_)
        return pixmap;
    // Painted anew only where the drawing changed, in place: the cache lets go of it first.
    QRegion changed;
    if (found && now.same_but_drawing(shown_))
        changed = changed_pixels(shown_.drawing, now.drawing, now.scale);
    QPixmapCache::remove(picture_);
    if (changed.isEmpty()) {
        pixmap = QPixmap(size() * ratio);
        pixmap.setDevicePixelRatio(ratio);
    }
    {
        QPainter painter(&pixmap);
        painter.translate(-pos());
        if (!changed.isEmpty())
            painter.setClipRegion(changed);
        paint_picture(painter);
    }
    picture_ = QPixmapCache::insert(pixmap);
    shown_ = std::move(now);
    return pixmap;
}

void Sheet::paintEvent(QPaintEvent *event) {
    QPainter painter(this);
    const int ratio = copying_ratio(painter);
    // A paint of the whole sheet at a size not painted before (a step of an edge drag) paints
    // directly: a picture that no later paint copies would only cost. From the second on, the
    // picture pays.
    const Shown now = this->now(ratio);
    const bool whole = event->region().contains(rect());
    const bool new_size = whole && !now.same_but_drawing(shown_) && !now.same_but_drawing(seen_);
    if (whole)
        seen_ = now;
    if (ratio != 0 && !new_size) {
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
