#pragma once

// Reading the phasor diagrams off a live Form1: the recorded operations of the last
// plot call, split into diagrams, and pixels of a grab probed with a tolerance.
#include "tests/support/shown_form.h"

#include "toolkit/canvas.h"
#include "toolkit/palette.h"

#include <QImage>
#include <QPixmap>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace plot_test {

// Geometry of the window as built: the 1 per-unit radius and the diagram centres.
inline constexpr float radius = 1035;
inline constexpr std::array<float, 4> centre_x{1507.5F, 4147.5F, 6787.5F, 9427.5F};
inline constexpr float centre_y = 5005;
inline constexpr double px_per_twip = 1.0 / 15.0;

inline constexpr toolkit::Colour black = 0x00000000, red = 0x000000FF, blue = 0x00FF0000,
                                 white = 0x00FFFFFF;

using Texts = std::array<const char *, 6>;

// Types six texts into a group's fields as a user would and presses its CONVERT button.
inline void convert(Form1 &form, int group, const Texts &texts) {
    const auto fields = group_fields(form, group);
    for (std::size_t i = 0; i < texts.size(); ++i)
        testing_support::type_into(form, fields[i]->widget()->objectName().toLatin1().constData(),
                                   QString::fromLatin1(texts[i]));
    testing_support::click(form.Convert[static_cast<std::size_t>(group)]);
}

// One drawn phasor, in units of the outer radius, angle in degrees with the imaginary
// axis pointing up.
struct Phasor {
    toolkit::Colour colour = 0;
    double length = 0;
    double angle = 0;
};

struct Diagram {
    std::vector<toolkit::DrawOp> circles;
    std::vector<Phasor> phasors;
    std::vector<toolkit::DrawOp> lines;
};

// The operations after the erase box, grouped per diagram: each diagram starts at its
// solid outer circle and owns the circles and lines that follow it.
inline std::vector<Diagram> diagrams(const std::vector<toolkit::DrawOp> &ops) {
    std::vector<Diagram> out;
    for (std::size_t i = 1; i < ops.size(); ++i) {
        const toolkit::DrawOp &op = ops[i];
        if (op.kind == toolkit::DrawOp::Kind::Circle && op.style == 0)
            out.emplace_back();
        if (out.empty())
            break;
        if (op.kind == toolkit::DrawOp::Kind::Circle) {
            out.back().circles.push_back(op);
        } else {
            const double dx = (op.x2 - op.x1) / radius;
            const double dy = -(op.y2 - op.y1) / radius;
            out.back().phasors.push_back({op.color.value_or(0xFFFFFFFF), std::hypot(dx, dy),
                                          std::atan2(dy, dx) * 180 / std::numbers::pi});
            out.back().lines.push_back(op);
        }
    }
    return out;
}

// Difference of two angles in degrees, folded into [0, 180].
inline double angle_between(double a, double b) {
    const double d = std::fmod(std::abs(a - b), 360.0);
    return d > 180 ? 360 - d : d;
}

// --- Pixels ---------------------------------------------------------------------------

enum class Ink { Black, Red, Blue, White, Face };

inline bool matches(QColor c, Ink ink, QColor face) {
    const int r = c.red(), g = c.green(), b = c.blue();
    switch (ink) {
    case Ink::Black:
        return r < 90 && g < 90 && b < 90;
    case Ink::Red:
        return r > 190 && g < 90 && b < 90;
    case Ink::Blue:
        return b > 190 && r < 90 && g < 90;
    case Ink::White:
        return r > 245 && g > 245 && b > 245;
    case Ink::Face:
        return std::abs(r - face.red()) < 8 && std::abs(g - face.green()) < 8 &&
               std::abs(b - face.blue()) < 8;
    }
    return false;
}

// A grab of the form in device pixels, with the logical-to-device ratio it was taken at.
struct Picture {
    QImage image;
    double ratio = 1;
    QColor face;

    // True when some device pixel within `reach` pixels of the point has the ink.
    bool ink_near(double x_twips, double y_twips, Ink ink, int reach = 1) const {
        const int px = static_cast<int>(std::floor(x_twips * px_per_twip * ratio));
        const int py = static_cast<int>(std::floor(y_twips * px_per_twip * ratio));
        for (int dy = -reach; dy <= reach; ++dy)
            for (int dx = -reach; dx <= reach; ++dx)
                if (image.valid(px + dx, py + dy) &&
                    matches(image.pixelColor(px + dx, py + dy), ink, face))
                    return true;
        return false;
    }
};

inline Picture grab(Form1 &form) {
    QApplication::processEvents();
    const QPixmap pixmap = form.grab();
    return {pixmap.toImage().convertToFormat(QImage::Format_RGB32), pixmap.devicePixelRatio(),
            form.palette().color(QPalette::Button)};
}

// The point at `length` radii and `angle` degrees from the centre of diagram h, in twips.
struct Point {
    double x, y;
};
inline Point on_diagram(int h, double length, double angle) {
    const double a = angle * std::numbers::pi / 180;
    return {centre_x[static_cast<std::size_t>(h)] + length * radius * std::cos(a),
            centre_y - length * radius * std::sin(a)};
}

inline bool ink_at(const Picture &picture, int h, double length, double angle, Ink ink,
                   int reach = 1) {
    const Point p = on_diagram(h, length, angle);
    return picture.ink_near(p.x, p.y, ink, reach * static_cast<int>(picture.ratio));
}

inline double colour_distance(QColor a, QColor b) {
    return std::hypot(a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue());
}

// How much of a pixel the ink covers, over the white of a diagram: 0 white, 1 the ink.
inline double coverage(QColor c, QColor ink) {
    const double ir = 255 - ink.red(), ig = 255 - ink.green(), ib = 255 - ink.blue();
    const double a = ((255 - c.red()) * ir + (255 - c.green()) * ig + (255 - c.blue()) * ib) /
                     (ir * ir + ig * ig + ib * ib);
    return std::clamp(a, 0.0, 1.0);
}

// A phasor that lies along an axis, seen across its line at `length` radii from the centre
// of diagram h: the middle of its ink lies within a pixel of where the line runs, the ink
// is about two pixels wide, and its most covered pixel has the phasor's colour.
inline void expect_on_its_line(const Picture &picture, int h, double length, double angle,
                               QColor ink) {
    SCOPED_TRACE(testing::Message() << "diagram " << h << ", phasor at " << angle);
    const Point p = on_diagram(h, length, angle);
    const bool horizontal = std::abs(std::sin(angle * std::numbers::pi / 180)) < 0.5;
    const double x = p.x * px_per_twip * picture.ratio, y = p.y * px_per_twip * picture.ratio;
    const int along = static_cast<int>(std::floor(horizontal ? x : y));
    const double line = horizontal ? y : x; // in device pixels
    const int reach = 6 * static_cast<int>(picture.ratio);
    double width = 0, moment = 0, most = -1;
    QColor core;
    for (int i = static_cast<int>(line) - reach; i <= static_cast<int>(line) + reach; ++i) {
        const QColor c =
            horizontal ? picture.image.pixelColor(along, i) : picture.image.pixelColor(i, along);
        const double w = coverage(c, ink);
        width += w;
        moment += w * (i + 0.5);
        if (w > most) {
            most = w;
            core = c;
        }
    }
    ASSERT_GT(width, 0) << "no ink";
    EXPECT_LE(std::abs(moment / width - line), picture.ratio);
    EXPECT_NEAR(width, 2 * picture.ratio, 0.5 * picture.ratio);
    EXPECT_LE(colour_distance(core, ink), 40) << core.name().toStdString();
}

} // namespace plot_test
