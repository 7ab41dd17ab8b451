#include "toolkit/canvas.h"

#include "toolkit/twips.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPixmapCache>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <utility>

namespace toolkit {

namespace {

// The part of the form, in twips, that an operation may paint: its geometry with room for
// the pen around it.
struct TwipsBounds {
    float left, top, right, bottom;
};

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

// A circle in the painter's pen and brush. Unsmoothed, in opaque colours, on a raster device
// at a whole ratio, every pixel of it is the pen's, the brush's or untouched: a picture of
// it drawn once on a clear ground and copied over what lies below gives exactly the pixels
// of drawing it there. The picture stays in the pixmap cache under its radius, ratio, pen
// and brush, so the four diagrams' rings, dotted ones above all, are drawn once for a zoom.
void draw_circle(QPainter &painter, QPoint centre, int r) {
    const QPen &pen = painter.pen();
    const QBrush &brush = painter.brush();
    const int ratio = copying_ratio(painter);
    const bool plain =
        !painter.testRenderHint(QPainter::Antialiasing) && painter.opacity() == 1 &&
        painter.compositionMode() == QPainter::CompositionMode_SourceOver &&
        pen.style() != Qt::CustomDashLine && pen.brush().style() == Qt::SolidPattern &&
        pen.brush().isOpaque() &&
        (brush.style() == Qt::NoBrush || (brush.style() == Qt::SolidPattern && brush.isOpaque()));
    if (ratio == 0 || !plain) {
        painter.drawEllipse(centre, r, r);
        return;
    }
    const int half = r + static_cast<int>(std::ceil(pen.widthF())) + 2;
    const QString key = QStringLiteral("trivane-circle %1 %2 %3 %4 %5 %6 %7 %8")
                            .arg(r)
                            .arg(ratio)
                            .arg(pen.widthF())
                            .arg(pen.isCosmetic() ? 1 : 0)
                            .arg(static_cast<int>(pen.style()) | static_cast<int>(pen.capStyle()) |
                                 static_cast<int>(pen.joinStyle()))
                            .arg(pen.color().rgba())
                            .arg(static_cast<int>(brush.style()))
                            .arg(brush.color().rgba());
    QPixmap stamp;
    if (!QPixmapCache::find(key, &stamp)) {
        stamp = QPixmap(QSize(2 * half + 1, 2 * half + 1) * ratio);
        stamp.setDevicePixelRatio(ratio);
        stamp.fill(Qt::transparent);
        QPainter p(&stamp);
        p.setPen(pen);
        p.setBrush(brush);
        p.drawEllipse(QPoint(half, half), r, r);
        p.end();
        QPixmapCache::insert(key, stamp);
    }
    painter.drawPixmap(centre - QPoint(half, half), stamp);
}

} // namespace

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
        on_change();
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
    if (on_change && !in_call_ && before != display_)
        on_change();
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
    const bool changed = before_call_ != display_;
    before_call_.clear();
    if (changed && on_change)
        on_change();
}

int copying_ratio(const QPainter &painter) {
    const QPaintEngine *engine = painter.paintEngine();
    const QTransform &t = painter.worldTransform();
    if (engine == nullptr || engine->type() != QPaintEngine::Raster ||
        t.type() > QTransform::TxTranslate || t.dx() != std::round(t.dx()) ||
        t.dy() != std::round(t.dy()))
        return 0;
    // The ratio of the device painted on, which a widget rendered elsewhere is not.
    const qreal ratio = engine->paintDevice()->devicePixelRatio();
    return ratio == std::round(ratio) ? static_cast<int>(ratio) : 0;
}

QRect painted_rect(const DrawOp &op, const Scale &scale) {
    const TwipsBounds b = painted_bounds(op);
    const int pad = scale.pen_width(1);
    return scale.rect(b.left, b.top, b.right - b.left, b.bottom - b.top)
        .adjusted(-pad, -pad, pad, pad);
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

void Canvas::paint(QPainter &painter, const QPalette &palette, const Scale &scale,
                   Captions captions) const {
    painter.save();
    for (const DrawOp &op : display_)
        paint_op(painter, palette, op, scale);
    if (captions == Captions::with) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        for (const Caption &c : captions_) {
            painter.setFont(FontSize::of(c.font).at(scale.zoom).on(c.font));
            painter.setPen(to_qcolor(c.color, palette));
            painter.drawText(scale.rect(c.left, c.top, c.width, c.height),
                             static_cast<int>(c.alignment), c.text);
        }
    }
    painter.restore();
}

} // namespace toolkit
