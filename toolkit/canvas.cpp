#include "toolkit/canvas.h"

#include "toolkit/twips.h"

#include <QPainter>
#include <QPalette>
#include <QPen>

#include <algorithm>
#include <cmath>

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

    // Keep the retained list small: an opaque filled box hides what lies inside it,
    // and an exact repeat of an earlier operation paints the same pixels over it.
    const bool opaque_box = op.kind == DrawOp::Kind::Box && op.filled;
    std::erase_if(display_, [&](const DrawOp &old) {
        return (opaque_box && covered_by(old, op)) || (old == op && old.width == 1);
    });
    display_.push_back(op);
    if (on_change)
        on_change(op);
}

QRect painted_rect(const DrawOp &op, const Scale &scale) {
    const TwipsBounds b = painted_bounds(op);
    const int pad = scale.pen_width(1);
    return scale.rect(b.left, b.top, b.right - b.left, b.bottom - b.top)
        .adjusted(-pad, -pad, pad, pad);
}

void Canvas::paint(QPainter &painter, const QPalette &palette, const QRect &exposed,
                   const Scale &scale) const {
    painter.save();
    for (const DrawOp &op : display_) {
        if (!exposed.isNull() && !exposed.intersects(painted_rect(op, scale)))
            continue;
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
            const QRect r = QRect(scale.point(std::min(op.x1, op.x2), std::min(op.y1, op.y2)),
                                  scale.point(std::max(op.x1, op.x2), std::max(op.y1, op.y2)));
            painter.drawRect(r.adjusted(0, 0, -1, -1));
            break;
        }
        case DrawOp::Kind::Circle: {
            const int r = scale.px(op.r);
            painter.drawEllipse(scale.point(op.x, op.y), r, r);
            break;
        }
        case DrawOp::Kind::Line:
            // Whole pixels, as the circles get them: a phasor starts at its circles' centre
            // point, and one along an axis covers whole rows instead of smearing over three.
            painter.drawLine(scale.point(op.x1, op.y1), scale.point(op.x2, op.y2));
            break;
        }
    }
    painter.restore();
}

} // namespace toolkit
