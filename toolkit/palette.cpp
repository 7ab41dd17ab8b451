#include "toolkit/palette.h"

#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include <array>
#include <cmath>
#include <memory>

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

// Relative luminance, as contrast ratios are defined on it.
double luminance(const QColor &c) {
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

QPalette make_dark_palette() {
    const QColor face(53, 53, 53);
    const QColor text(232, 232, 232);
    const QColor dimmed(138, 138, 138);
    QPalette p(text, face, QColor(80, 80, 80), QColor(30, 30, 30), QColor(40, 40, 40), text,
               QColor(255, 255, 255), QColor(43, 43, 43), face);
    p.setColor(QPalette::Midlight, QColor(66, 66, 66));
    p.setColor(QPalette::Shadow, QColor(20, 20, 20));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::AlternateBase, face);
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    p.setColor(QPalette::Link, QColor(111, 179, 255));
    p.setColor(QPalette::LinkVisited, QColor(180, 140, 255));
    p.setColor(QPalette::ToolTipBase, QColor(32, 32, 32));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, dimmed);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, dimmed);
    p.setColor(QPalette::Disabled, QPalette::Base, face);
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(80, 80, 80));
    return p;
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

const QPalette &light_palette() {
    static const QPalette palette = [] {
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        return fusion->standardPalette();
    }();
    return palette;
}

const QPalette &dark_palette() {
    static const QPalette palette = make_dark_palette();
    return palette;
}

bool is_light(const QPalette &palette) {
    return luminance(palette.color(QPalette::Window)) >
               luminance(palette.color(QPalette::WindowText)) &&
           luminance(palette.color(QPalette::Button)) >
               luminance(palette.color(QPalette::ButtonText));
}

QColor text_colour_on(const QColor &background) {
    // Black reads better from the luminance where both contrast ratios are equal.
    return luminance(background) > 0.179 ? QColor(Qt::black) : QColor(Qt::white);
}

} // namespace toolkit
