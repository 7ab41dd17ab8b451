#pragma once

#include "toolkit/palette.h"

#include <QString>

#include <span>
#include <string_view>

namespace form {

enum class ControlKind { Frame, TextBox, Label, Button, Option };

enum ControlFlag : unsigned {
    none = 0,
    bold = 1u << 0,
    centred = 1u << 1,
    default_font = 1u << 2, // sets no font: the toolkit's default
    wraps = 1u << 3,
    disabled = 1u << 4,
};

// One control of the window definition. Positions are twips relative to the container
// (the client area when container is empty). index is the control-array index, or -1.
struct ControlDef {
    std::string_view name;
    int index;
    ControlKind kind;
    std::string_view container;
    float left, top, width, height;
    std::string_view caption; // caption, or a text box's default text
    int tab;
    unsigned flags;
    toolkit::Colour fore_color;
    std::string_view spoken = {}; // the name screen readers say, where the caption is none
};

struct LineDef {
    std::string_view name;
    float x1, y1, x2, y2;
};

inline constexpr float client_width = 12495;
inline constexpr float client_height = 6915;

std::span<const ControlDef> control_definitions();

// A control's caption as the window shows it, in the desktop's language: captions and spoken
// names are marked for translation under the context "Form1". A text box's default text and
// the one- and two-character captions (A, B, C, 0, 1, 2, 10) stay as they are.
QString shown_caption(const ControlDef &def);
// The name screen readers say, in the desktop's language; empty where there is none.
QString spoken_name(const ControlDef &def);
std::span<const LineDef> line_definitions();

} // namespace form
