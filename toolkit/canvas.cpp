#include "toolkit/canvas.h"

#include "toolkit/twips.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPalette>
#include <QPen>

#include <algorithm>
#include <iterator>
#include <cmath>
#include <utility>

namespace toolkit {

namespace {

// Inside the filled interior of a box: the outline itself is drawn on top again.
bool covered_by(const DrawOp &op, const DrawOp &box) {
    const TwipsBounds b = painted_bounds(op);
    const float inset = static_cast<float>(box.width * twips_per_px);
    return b.left >= std::min(box.x1, box.x2) + inset &&
           b.right <= std::max(box.x1, box.x2) - inset &&
           b.top >= std::min(box.y1, box.y2) + inset &&
           b.bottom <= std::max(box.y1, box.y2) - inset;
}

// The form draws solid (0) and dotted (2) lines.
Qt::PenStyle pen_style(int draw_style) {
    return draw_style == 2 ? Qt::DotLine : Qt::SolidLine;
}

// Whether the boxes and circles of a retained list form a still backdrop that may be painted
// before all its lines, from an image: a filled box first and every other box and circle
// inside it, none of them over an earlier line.
bool has_still_backdrop(const std::vector<DrawOp> &ops) {
    // A filled box first, with every other box and circle after it inside its interior.
    if (ops.empty() || ops.front().kind != DrawOp::Kind::Box || !ops.front().filled)
        return false;
    const auto overlap = [](const TwipsBounds &a, const TwipsBounds &b) {
        return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
    };
    std::vector<TwipsBounds> lines;
    for (std::size_t i = 1; i < ops.size(); ++i) {
        const DrawOp &op = ops[i];
        const TwipsBounds b = painted_bounds(op);
        if (op.kind == DrawOp::Kind::Line) {
            lines.push_back(b);
            continue;
        }
        // Painted before the lines, it must not be one that hides part of an earlier line.
        if (!covered_by(op, ops.front()) ||
            std::any_of(lines.begin(), lines.end(), [&](const auto &l) { return overlap(l, b); }))
            return false;
    }
    return true;
}

} // namespace

TwipsBounds painted_bounds(const DrawOp &op) {
    // The pen width (in twips) around the geometry, generously.
    const float pad = static_cast<float>(op.width * twips_per_px);
    switch (op.kind) {
    case DrawOp::Kind::Circle:
        return {op.x - op.r - pad, op.y - op.r - pad, op.x + op.r + pad, op.y + op.r + pad};
    case DrawOp::Kind::Box:
    case DrawOp::Kind::Line:
        break;
    }
    return {std::min(op.x1, op.x2) - pad, std::min(op.y1, op.y2) - pad,
            std::max(op.x1, op.x2) + pad, std::max(op.y1, op.y2) + pad};
}

void Canvas::Line(float x1, float y1, float x2, float y2, std::optional<Colour> color) {
    DrawOp op;
    op.kind = DrawOp::Kind::Line;
    op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
    op.color = color;
    record(op);
}

void Canvas::Box(float x1, float y1, float x2, float y2) {
    DrawOp op;
    op.kind = DrawOp::Kind::Box;
    op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
    record(op);
}

void Canvas::Circle(float x, float y, float r) {
    DrawOp op;
    op.kind = DrawOp::Kind::Circle;
    op.x = x, op.y = y, op.r = r;
    record(op);
}

void Canvas::record(const DrawOp &incoming) {
    DrawOp op = incoming;
    op.style = DrawStyle;
    op.width = DrawWidth;
    op.filled = FillStyle == 0;
    op.fill_color = FillColor;
    last_call_.push_back(op);

    // Keep the retained list small: an opaque filled box hides what lies inside it and an
    // earlier box with its outline, and an exact repeat of an earlier operation paints the
    // same pixels over it.
    const bool opaque_box = op.kind == DrawOp::Kind::Box && op.filled;
    const auto same_outline = [&](const DrawOp &old) {
        return old.kind == DrawOp::Kind::Box && old.x1 == op.x1 && old.y1 == op.y1 &&
               old.x2 == op.x2 && old.y2 == op.y2 && old.width == op.width &&
               old.style == op.style && old.color == op.color;
    };
    std::erase_if(display_, [&](const DrawOp &old) {
        return (opaque_box && (covered_by(old, op) || same_outline(old))) ||
               (old == op && old.width == 1);
    });
    display_.push_back(op);
    if (on_change && !in_call_)
        on_change(op);
}

Canvas::Picture Canvas::picture() const {
    return {display_, last_call_, DrawStyle, DrawWidth, FillStyle, FillColor, ForeColor};
}

void Canvas::show_picture(const Picture &picture) {
    const std::vector<DrawOp> before = std::exchange(display_, picture.display);
    last_call_ = picture.last_call;
    DrawStyle = picture.DrawStyle;
    DrawWidth = picture.DrawWidth;
    FillStyle = picture.FillStyle;
    FillColor = picture.FillColor;
    ForeColor = picture.ForeColor;
    if (!on_change || in_call_)
        return;
    for (const DrawOp &op : before)
        on_change(op);
    for (const DrawOp &op : display_)
        on_change(op);
}

void Canvas::begin_call() {
    last_call_.clear();
    in_call_ = true;
    before_call_ = display_;
}

void Canvas::end_call() {
    if (!in_call_)
        return;
    in_call_ = false;
    const std::vector<DrawOp> before = std::move(before_call_);
    before_call_.clear();
    if (!on_change)
        return;
    const auto is_line = [](const DrawOp &op) { return op.kind == DrawOp::Kind::Line; };
    const auto split = [&](const std::vector<DrawOp> &ops, bool lines) {
        std::vector<DrawOp> out;
        std::copy_if(ops.begin(), ops.end(), std::back_inserter(out),
                     [&](const DrawOp &op) { return is_line(op) == lines; });
        return out;
    };
    // The same still backdrop, before and after: only lines that differ change pixels, and
    // a line painted again over itself may not (its smoothed edge darkens), so it counts too.
    std::vector<DrawOp> old_lines = split(before, true);
    std::vector<DrawOp> new_lines = split(display_, true);
    const bool same_backdrop = has_still_backdrop(before) && has_still_backdrop(display_) &&
                               split(before, false) == split(display_, false) &&
                               before.front() == display_.front();
    if (!same_backdrop) {
        old_lines = before;
        new_lines = display_;
    } else if (old_lines == new_lines) {
        return;
    }
    for (const DrawOp &op : old_lines)
        on_change(op);
    for (const DrawOp &op : new_lines)
        on_change(op);
}

QRect painted_rect(const DrawOp &op, const Scale &scale) {
    const TwipsBounds b = painted_bounds(op);
    const int pad = scale.pen_width(1);
    return scale.rect(b.left, b.top, b.right - b.left, b.bottom - b.top)
        .adjusted(-pad, -pad, pad, pad);
}

qreal copying_ratio(const QPainter &painter) {
    const QTransform &t = painter.worldTransform();
    if (painter.paintEngine() == nullptr || painter.paintEngine()->type() != QPaintEngine::Raster ||
        t.type() > QTransform::TxTranslate || t.dx() != std::round(t.dx()) ||
        t.dy() != std::round(t.dy()))
        return 0;
    // The ratio of the device painted on, which a widget rendered elsewhere is not.
    return painter.paintEngine()->paintDevice()->devicePixelRatio();
}

int whole_copying_ratio(const QPainter &painter) {
    const qreal ratio = copying_ratio(painter);
    return ratio == std::round(ratio) ? static_cast<int>(ratio) : 0;
}

void in_bands(QPainter &painter, const QRect &rect, const std::function<void()> &paint) {
    constexpr int shared_rows = 96; // from this many rows on, the engine shares a blend out
    const int ratio = whole_copying_ratio(painter);
    if (ratio == 0 || rect.height() * ratio < shared_rows) {
        paint();
        return;
    }
    const int rows = 64 / ratio;
    constexpr int far = 1 << 24;
    for (int y = rect.top(); y <= rect.bottom(); y += rows) {
        const int top = y == rect.top() ? -far : y;
        const int bottom = y + rows > rect.bottom() ? far : y + rows - 1;
        painter.save();
        painter.setClipRect(QRect(QPoint(-far, top), QPoint(far, bottom)), Qt::IntersectClip);
        paint();
        painter.restore();
    }
}

QRect box_rect(const DrawOp &box, const Scale &scale) {
    return {scale.point(std::min(box.x1, box.x2), std::min(box.y1, box.y2)),
            scale.point(std::max(box.x1, box.x2), std::max(box.y1, box.y2))};
}

void Canvas::set_captions(std::vector<Caption> captions) {
    if (captions == captions_)
        return;
    captions_ = std::move(captions);
}

void Canvas::paint_op(QPainter &painter, const QPalette &palette, const DrawOp &op,
                      const Scale &scale) const {
    QPen pen(to_qcolor(op.color.value_or(ForeColor), palette));
    pen.setWidth(scale.pen_width(op.width));
    pen.setStyle(pen_style(op.style));
    pen.setCapStyle(op.width > 1 ? Qt::RoundCap : Qt::FlatCap);
    painter.setPen(pen);
    painter.setBrush(op.filled ? QBrush(to_qcolor(op.fill_color, palette)) : QBrush());
    // One-pixel outlines stay crisp; the wide phasor lines are smoothed.
    painter.setRenderHint(QPainter::Antialiasing, op.width > 1);
    switch (op.kind) {
    case DrawOp::Kind::Box: {
        painter.drawRect(box_rect(op, scale).adjusted(0, 0, -1, -1));
        break;
    }
    case DrawOp::Kind::Circle:
        draw_circle(painter, scale.point(op.x, op.y), scale.px(op.r));
        break;
    case DrawOp::Kind::Line: {
        // The start on a whole pixel, as a circle's centre is, so a phasor leaves the middle
        // of its rings and one along an axis covers whole rows; the end at its exact offset.
        const QPointF start = scale.point(op.x1, op.y1);
        const double k = scale.zoom / twips_per_px;
        painter.drawLine(start, start + QPointF((op.x2 - op.x1) * k, (op.y2 - op.y1) * k));
        break;
    }
    }
}

void Canvas::draw_circle(QPainter &painter, QPoint centre, int r) const {
    // At a whole ratio, so that the copy's corner lies on a device pixel.
    const int ratio = whole_copying_ratio(painter);
    if (ratio == 0 || painter.testRenderHint(QPainter::Antialiasing)) {
        painter.drawEllipse(centre, r, r);
        return;
    }
    const QPen &pen = painter.pen();
    const QBrush &brush = painter.brush();
    auto found = std::find_if(stamps_.begin(), stamps_.end(), [&](const Stamp &s) {
        return s.r == r && s.ratio == ratio && s.pen == pen && s.brush == brush;
    });
    // Unsmoothed, every pixel is the pen's, the brush's or untouched, so the copy over what
    // lies below gives exactly the pixels of drawing there.
    const int half = r + pen.width() + 2;
    if (found == stamps_.end()) {
        constexpr std::size_t kept = 8;
        if (stamps_.size() == kept)
            stamps_.erase(stamps_.begin());
        QImage image(QSize(2 * half + 1, 2 * half + 1) * ratio,
                     QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setPen(pen);
        p.setBrush(brush);
        p.drawEllipse(QPoint(half, half), r, r);
        p.end();
        stamps_.push_back({pen, brush, r, ratio, std::move(image)});
        found = stamps_.end() - 1;
    }
    const QPoint corner = centre - QPoint(half, half);
    const QImage &image = found->image;
    in_bands(painter, QRect(corner, image.deviceIndependentSize().toSize()),
             [&] { painter.drawImage(corner, image); });
}

bool Canvas::paint_backdrop(QPainter &painter, const QPalette &palette, const QRect &exposed,
                            const Scale &scale) const {
    // Only where copying pixels gives exactly the pixels that drawing would.
    const qreal ratio = copying_ratio(painter);
    if (ratio == 0)
        return false;
    // The image holds the box's interior; its outline is drawn as it always is.
    const DrawOp &box = display_.front();
    const int edge = scale.pen_width(box.width) + 1;
    const QRect inner = box_rect(box, scale).adjusted(edge, edge, -edge, -edge);
    if (inner.isEmpty() || inner.x() * ratio != std::round(inner.x() * ratio) ||
        inner.y() * ratio != std::round(inner.y() * ratio))
        return false;

    std::vector<DrawOp> still;
    std::copy_if(display_.begin(), display_.end(), std::back_inserter(still),
                 [](const DrawOp &op) { return op.kind != DrawOp::Kind::Line; });
    Backdrop &b = backdrop_;
    const QRgb face = palette.color(QPalette::Button).rgb();
    const QRgb text = palette.color(QPalette::ButtonText).rgb();
    const bool same = b.scale == scale && b.ratio == ratio && b.face == face && b.text == text &&
                      std::equal(b.ops.begin(), b.ops.end(), still.begin(), still.end());
    // A zoom seen once may be a step of an edge drag: the image pays only from the second
    // paint at the same zoom and ratio on.
    const bool seen = b.seen_scale == scale && b.seen_ratio == ratio;
    b.seen_scale = scale;
    b.seen_ratio = ratio;
    if (!same && !seen)
        return false;
    if (!same) {
        b = Backdrop{std::move(still),
                     scale,
                     ratio,
                     face,
                     text,
                     inner,
                     QImage(inner.size() * ratio, QImage::Format_RGB32),
                     scale,
                     ratio};
        b.image.setDevicePixelRatio(ratio);
        b.image.fill(to_qcolor(box.fill_color, palette));
        QPainter p(&b.image);
        p.translate(-inner.topLeft());
        for (const DrawOp &op : b.ops)
            paint_op(p, palette, op, scale);
    }

    const QRect target = exposed.isNull() ? inner : inner & exposed;
    if (exposed.isNull() || !inner.contains(exposed)) {
        painter.save();
        painter.setClipRegion(QRegion(painted_rect(box, scale)) - QRegion(inner),
                              Qt::IntersectClip);
        paint_op(painter, palette, box, scale);
        painter.restore();
    }
    if (!target.isEmpty()) {
        const QRectF source(QPointF(target.topLeft() - inner.topLeft()) * ratio,
                            QSizeF(target.size()) * ratio);
        painter.drawImage(QRectF(target), b.image, source);
    }
    return true;
}

void Canvas::paint(QPainter &painter, const QPalette &palette, const QRect &exposed,
                   const Scale &scale, Captions captions) const {
    painter.save();
    const bool from_image =
        has_still_backdrop(display_) && paint_backdrop(painter, palette, exposed, scale);
    for (const DrawOp &op : display_) {
        if (from_image && op.kind != DrawOp::Kind::Line)
            continue;
        if (!exposed.isNull() && !exposed.intersects(painted_rect(op, scale)))
            continue;
        paint_op(painter, palette, op, scale);
    }
    if (captions == Captions::with) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        for (const Caption &c : captions_) {
            QFont font = c.font;
            if (font.pixelSize() > 0)
                font.setPixelSize(
                    std::max(1, static_cast<int>(std::lround(font.pixelSize() * scale.zoom))));
            else
                font.setPointSizeF(font.pointSizeF() * scale.zoom);
            painter.setFont(font);
            painter.setPen(to_qcolor(c.color, palette));
            painter.drawText(scale.rect(c.left, c.top, c.width, c.height),
                             static_cast<int>(c.alignment), c.text);
        }
    }
    painter.restore();
}

} // namespace toolkit
