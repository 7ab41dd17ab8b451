#include "icon_art.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace icon_art {

namespace {

// The rim is one pixel wide at 16 px, where a pixel is 16 canvas units.
constexpr QPointF centre{128.0, 128.0};
constexpr double rim_width = 16.0;
constexpr double disc_radius = canvas_size / 2 - rim_width / 2 - 2.0;
constexpr double tip_distance = 98.0;
constexpr double head_length = 52.0;
constexpr double head_half_width = 31.0;
constexpr double shaft_width = 22.0;
constexpr double hub_radius = 15.0;

constexpr std::array<double, 3> angles_deg{0.0, -120.0, 120.0};
const QColor disc_fill{0xfb, 0xfb, 0xf8};
const QColor rim{0x4a, 0x4a, 0x4a};
const QColor hub{0x30, 0x30, 0x30};

// A unit vector at an angle measured anticlockwise, as on a phasor diagram.
QPointF direction(double degrees) {
    const double r = degrees * std::numbers::pi / 180.0;
    return {std::cos(r), -std::sin(r)};
}

QString num(double v) {
    return QString::number(v, 'g', 6);
}

QString point(const QPointF &p) {
    return num(p.x()) + QLatin1Char(',') + num(p.y());
}

QString svg_colour(const QColor &c) {
    return c.alpha() == 0 ? QStringLiteral("none") : c.name(QColor::HexRgb);
}

} // namespace

QPointF phasor_tip(int phase) {
    return centre + tip_distance * direction(angles_deg.at(static_cast<std::size_t>(phase)));
}

QColor phasor_colour(int phase) {
    static const std::array<QColor, 3> colours{QColor(0x1a, 0x1a, 0x1a), QColor(0xd4, 0x14, 0x14),
                                               QColor(0x12, 0x44, 0xd6)};
    return colours.at(static_cast<std::size_t>(phase));
}

Shapes shapes(int size_px) {
    // Below 24 px the shafts would blur into grey; they are kept two pixels wide, which
    // lies on whole pixels about the centre. The heads grow less, so the phasors stay apart.
    const double units_per_px = canvas_size / size_px;
    const double weight = std::max(1.0, 2.0 * units_per_px / shaft_width);
    const double head_weight = (1.0 + weight) / 2;
    Shapes s;
    s.discs_below.push_back({centre, disc_radius, disc_fill, rim, rim_width});
    for (int phase = 0; phase < 3; ++phase) {
        const QPointF d = direction(angles_deg.at(static_cast<std::size_t>(phase)));
        const QPointF across{-d.y(), d.x()};
        const QPointF tip = phasor_tip(phase);
        const QPointF base = tip - head_weight * head_length * d;
        const double half_width = head_weight * head_half_width;
        // The shaft runs into the head so no seam shows between them.
        s.bars.push_back({centre, base + 2.0 * d, phasor_colour(phase), weight * shaft_width});
        s.heads.push_back(
            {tip, base + half_width * across, base - half_width * across, phasor_colour(phase)});
    }
    s.discs_above.push_back({centre, weight * hub_radius, hub, Qt::transparent, 0.0});
    return s;
}

QString svg() {
    const Shapes s = shapes(static_cast<int>(canvas_size));
    QString out;
    QTextStream t(&out);
    const QString size = num(canvas_size);
    t << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << size << "\" height=\"" << size
      << "\" viewBox=\"0 0 " << size << ' ' << size << "\">\n"
      << "  <title>Trivane</title>\n";
    const auto disc = [&](const Disc &d) {
        t << "  <circle cx=\"" << num(d.centre.x()) << "\" cy=\"" << num(d.centre.y()) << "\" r=\""
          << num(d.radius) << "\" fill=\"" << svg_colour(d.fill) << '"';
        if (d.stroke.alpha() != 0)
            t << " stroke=\"" << svg_colour(d.stroke) << "\" stroke-width=\"" << num(d.stroke_width)
              << '"';
        t << "/>\n";
    };
    for (const Disc &d : s.discs_below)
        disc(d);
    for (const Bar &b : s.bars)
        t << "  <line x1=\"" << num(b.from.x()) << "\" y1=\"" << num(b.from.y()) << "\" x2=\""
          << num(b.to.x()) << "\" y2=\"" << num(b.to.y()) << "\" stroke=\"" << svg_colour(b.colour)
          << "\" stroke-width=\"" << num(b.width) << "\"/>\n";
    for (const Triangle &h : s.heads)
        t << "  <polygon points=\"" << point(h.tip) << ' ' << point(h.left) << ' ' << point(h.right)
          << "\" fill=\"" << svg_colour(h.colour) << "\"/>\n";
    for (const Disc &d : s.discs_above)
        disc(d);
    t << "</svg>\n";
    return out;
}

QImage render(int size_px) {
    QImage image(size_px, size_px, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size_px / canvas_size, size_px / canvas_size);
    const Shapes s = shapes(size_px);
    const auto disc = [&](const Disc &d) {
        p.setPen(d.stroke.alpha() == 0 ? QPen(Qt::NoPen) : QPen(d.stroke, d.stroke_width));
        p.setBrush(d.fill);
        p.drawEllipse(d.centre, d.radius, d.radius);
    };
    for (const Disc &d : s.discs_below)
        disc(d);
    for (const Bar &b : s.bars) {
        p.setPen(QPen(b.colour, b.width, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(b.from, b.to);
    }
    p.setPen(Qt::NoPen);
    for (const Triangle &h : s.heads) {
        p.setBrush(h.colour);
        p.drawPolygon(QPolygonF({h.tip, h.left, h.right}));
    }
    for (const Disc &d : s.discs_above)
        disc(d);
    p.end();
    return image;
}

} // namespace icon_art
