#pragma once

#include <QColor>
#include <QPalette>

#include <cstdint>

namespace toolkit {

// Colours are 0x00BBGGRR values; values with the top bit set name a system colour.
using Colour = std::uint32_t;

inline constexpr Colour system_window_background = 0x80000005;
inline constexpr Colour system_window_text = 0x80000008;
inline constexpr Colour system_button_face = 0x8000000F;
inline constexpr Colour system_button_text = 0x80000012;
inline constexpr Colour error_light_red = 0x008080FF;
inline constexpr Colour rgb_black = 0x00000000;
inline constexpr Colour rgb_red = 0x000000FF;
inline constexpr Colour rgb_blue = 0x00FF0000;

inline constexpr bool is_system_colour(Colour c) {
    return (c & 0x80000000u) != 0;
}

// Entry n (0 to 15) of the fixed 16-colour palette.
Colour QBColor(int n);

// The colour to paint with: system colours come from the palette given, which callers
// take from the widget at the time they paint, so a change of theme reaches them.
QColor to_qcolor(Colour c, const QPalette &palette);

// Calls f(group, role) for every colour group and role a palette holds.
template <typename F> void for_each_colour(F f) {
    for (int g = 0; g < QPalette::NColorGroups; ++g) {
        for (int r = 0; r < QPalette::NColorRoles; ++r)
            f(static_cast<QPalette::ColorGroup>(g), static_cast<QPalette::ColorRole>(r));
    }
}

// The palette the program starts with when the desktop sets none: the widget style's own
// light palette (dark text on light grey and white).
const QPalette &light_palette();
// A dark palette, as a desktop's dark theme sets: light text on dark grey.
const QPalette &dark_palette();
// True when the palette writes dark text on light backgrounds.
bool is_light(const QPalette &palette);
// Black or white, whichever reads better on a background of the program's own choosing.
QColor text_colour_on(const QColor &background);

} // namespace toolkit
