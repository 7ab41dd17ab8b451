#include "icon_art.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

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

// Title bars, task switchers and panels; larger sizes come from the installed theme.
constexpr std::array<int, 6> window_icon_sizes{16, 24, 32, 48, 64, 128};

// A unit vector at an angle measured anticlockwise, as on a phasor diagram.
QPointF direction(double degrees) {
    const double r = degrees * std::numbers::pi / 180.0;
    return {std::cos(r), -std::sin(r)};
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

void paint(QPainter &p, int size_px) {
    // Below 24 px the shafts would blur into grey; they are kept two pixels wide, which
    // lies on whole pixels about the centre. The heads grow less, so the phasors stay apart.
    const double units_per_px = canvas_size / size_px;
    const double weight = std::max(1.0, 2.0 * units_per_px / shaft_width);
    const double head_weight = (1.0 + weight) / 2;

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(rim, rim_width));
    p.setBrush(disc_fill);
    p.drawEllipse(centre, disc_radius, disc_radius);

    std::array<QPolygonF, 3> heads;
    for (int phase = 0; phase < 3; ++phase) {
        const QPointF d = direction(angles_deg.at(static_cast<std::size_t>(phase)));
        const QPointF across{-d.y(), d.x()};
        const QPointF tip = phasor_tip(phase);
        const QPointF base = tip - head_weight * head_length * d;
        const double half_width = head_weight * head_half_width;
        // The shaft runs into the head so no seam shows between them.
        p.setPen(QPen(phasor_colour(phase), weight * shaft_width, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(centre, base + 2.0 * d);
        heads.at(static_cast<std::size_t>(phase)) =
            QPolygonF({tip, base + half_width * across, base - half_width * across});
    }
    p.setPen(Qt::NoPen);
    for (int phase = 0; phase < 3; ++phase) {
        p.setBrush(phasor_colour(phase));
        p.drawPolygon(heads.at(static_cast<std::size_t>(phase)));
    }
    p.setBrush(hub);
    p.drawEllipse(centre, weight * hub_radius, weight * hub_radius);
    p.restore();
}

QImage render(int size_px) {
    QImage image(size_px, size_px, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.scale(size_px / canvas_size, size_px / canvas_size);
    paint(p, size_px);
    p.end();
    return image;
}

QIcon icon() {
    QIcon result;
    for (int size : window_icon_sizes)
        result.addPixmap(QPixmap::fromImage(render(size)));
    return result;
}

} // namespace icon_art
