#pragma once

#include <QPointF>
#include <QRect>

#include <cmath>

namespace toolkit {

// Geometry is kept in twips, as the window definition gives it; Qt's device-pixel
// ratio takes care of high-DPI screens, so one logical pixel is always 15 twips.
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

} // namespace toolkit
