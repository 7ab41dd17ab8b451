#pragma once

#include <QColor>

#include <cstdint>

class QPalette;

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

// The colour to paint with: system colours come from the palette of the window.
QColor to_qcolor(Colour c, const QPalette &palette);

} // namespace toolkit
