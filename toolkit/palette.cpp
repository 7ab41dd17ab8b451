#include "toolkit/palette.h"

#include <QPalette>

#include <array>

namespace toolkit {

namespace {

constexpr Colour rgb(unsigned r, unsigned g, unsigned b) {
    return r | (g << 8) | (b << 16);
}

constexpr std::array<Colour, 16> qb_palette{
    rgb(0, 0, 0),       rgb(0, 0, 128),   rgb(0, 128, 0),   rgb(0, 128, 128),
    rgb(128, 0, 0),     rgb(128, 0, 128), rgb(128, 128, 0), rgb(192, 192, 192),
    rgb(128, 128, 128), rgb(0, 0, 255),   rgb(0, 255, 0),   rgb(0, 255, 255),
    rgb(255, 0, 0),     rgb(255, 0, 255), rgb(255, 255, 0), rgb(255, 255, 255),
};

QPalette::ColorRole system_role(Colour c) {
    switch (c & 0xFF) {
    case 0x05:
        return QPalette::Base;
    case 0x08:
        return QPalette::WindowText;
    case 0x0F:
        return QPalette::Button;
    case 0x12:
        return QPalette::ButtonText;
    default:
        return QPalette::Window;
    }
}

} // namespace

Colour QBColor(int n) {
    return qb_palette.at(static_cast<std::size_t>(n));
}

QColor to_qcolor(Colour c, const QPalette &palette) {
    if (is_system_colour(c))
        return palette.color(QPalette::Active, system_role(c));
    return {static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
            static_cast<int>((c >> 16) & 0xFF)};
}

} // namespace toolkit
