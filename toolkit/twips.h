#pragma once

#include <QFont>
#include <QPoint>
#include <QPointF>
#include <QRect>

#include <algorithm>
#include <cmath>

namespace toolkit {

// Geometry is kept in twips, as the window definition gives it; Qt's device-pixel
// ratio takes care of high-DPI screens, so at the defined window size one logical pixel
// is always 15 twips.
inline constexpr double twips_per_px = 15.0;

inline int twips_to_px(double twips) {
    return static_cast<int>(std::lround(twips / twips_per_px));
}
inline double twips_to_pxf(double twips) {
    return twips / twips_per_px;
}

inline QRect twips_rect(double left, double top, double width, double height) {
    const int x = twips_to_px(left);
    const int y = twips_to_px(top);
    // Size from the rounded far edge, so neighbouring controls never overlap by a pixel.
    return {x, y, twips_to_px(left + width) - x, twips_to_px(top + height) - y};
}

inline QPointF twips_point(double x, double y) {
    return {twips_to_pxf(x), twips_to_pxf(y)};
}

// Twips to logical pixels when the form is shown larger than defined: `zoom` times 15
// twips to the pixel, and the form's origin at `origin` (where the window is centred in
// spare space). Everything the program reads or writes stays in twips; only this mapping
// changes. The default is the defined size: the same pixels as twips_rect.
struct Scale {
    double zoom = 1;
    QPoint origin;

    int px(double twips) const {
        return static_cast<int>(std::lround(twips * zoom / twips_per_px));
    }
    int x(double twips) const { return origin.x() + px(twips); }
    int y(double twips) const { return origin.y() + px(twips); }
    QPoint point(double x_twips, double y_twips) const { return {x(x_twips), y(y_twips)}; }
    // Size from the rounded far edge, as twips_rect.
    QRect rect(double left, double top, double width, double height) const {
        const int l = x(left);
        const int t = y(top);
        return {l, t, x(left + width) - l, y(top + height) - t};
    }
    // A pen of `width` pixels at the defined size: scaled with the form, at least 1.
    int pen_width(int width) const {
        return std::max(1, static_cast<int>(std::lround(width * zoom)));
    }
    // The pixels a drawn box with these corners may cover: corner to corner, both
    // corners' pixels in it, and the spread of its outline, a pen of one pixel at the
    // defined size, beyond them.
    QRect outlined_rect(double left, double top, double right, double bottom) const {
        const int pen = pen_width(1);
        // The far edges are drawn a pixel in from their corners, with the same spread.
        const int before = pen / 2;      // left of and above the corners
        const int after = (pen - 1) / 2; // right of and below them
        return QRect(point(left, top), point(right, bottom))
            .adjusted(-before, -before, after, after);
    }

    bool operator==(const Scale &) const = default;
};

// A font's size as the form scales it: a size in pixels scaled and rounded to whole pixels,
// never below one, a size in points scaled exactly. of() reads the size a font has at the
// defined size, at() gives it at a zoom and on() puts it on a font.
struct FontSize {
    int pixels = 0;    // a size in pixels, or 0
    double points = 0; // else a size in points

    static FontSize of(const QFont &font) {
        return font.pixelSize() > 0 ? FontSize{font.pixelSize(), 0}
                                    : FontSize{0, font.pointSizeF()};
    }
    FontSize at(double zoom) const {
        if (pixels > 0)
            return {std::max(1, static_cast<int>(std::lround(pixels * zoom))), 0};
        return {0, points * zoom};
    }
    QFont on(QFont font) const {
        if (pixels > 0)
            font.setPixelSize(pixels);
        else if (points > 0)
            font.setPointSizeF(points);
        return font;
    }

    bool operator==(const FontSize &) const = default;
};

} // namespace toolkit
