#include "form/form1_definition.h"

#include <QCoreApplication>

#include <array>

namespace form {

namespace {

using K = ControlKind;
constexpr toolkit::Colour fg = toolkit::system_button_text;
constexpr toolkit::Colour black = toolkit::rgb_black;
constexpr toolkit::Colour red = toolkit::rgb_red;
constexpr toolkit::Colour blue = toolkit::rgb_blue;

// The window definition: every control with its container, twips geometry, caption or
// default text, tab index, font and colour. Form1 builds itself from this table.
// clang-format off
constexpr std::array<ControlDef, 72> controls{{
    // Entry frames, their fields and their headings.
    //: A group's frame heading, 169 pixels wide at the smallest zoom: about 20 characters.
    {"Polar_ABC", -1, K::Frame, "", 240, 240, 2535, 2175, QT_TRANSLATE_NOOP("Form1", "ABC Polar"), 6, none, fg},
    //: Fields' names for screen readers, not shown: any length.
    {"mag_a", -1, K::TextBox, "Polar_ABC", 360, 720, 975, 375, "1.0", 8, none, fg, QT_TRANSLATE_NOOP("Form1", "Phase A magnitude")},
    {"ang_a", -1, K::TextBox, "Polar_ABC", 1440, 720, 975, 375, "0.0", 15, none, fg, QT_TRANSLATE_NOOP("Form1", "Phase A angle in degrees")},
    {"mag_b", -1, K::TextBox, "Polar_ABC", 360, 1200, 975, 375, "1.0", 7, none, fg, QT_TRANSLATE_NOOP("Form1", "Phase B magnitude")},
    {"ang_b", -1, K::TextBox, "Polar_ABC", 1440, 1200, 975, 375, "-120.0", 14, none, fg, QT_TRANSLATE_NOOP("Form1", "Phase B angle in degrees")},
    {"mag_c", -1, K::TextBox, "Polar_ABC", 360, 1680, 975, 375, "1.0", 9, none, fg, QT_TRANSLATE_NOOP("Form1", "Phase C magnitude")},
    {"ang_c", -1, K::TextBox, "Polar_ABC", 1440, 1680, 975, 375, "120.0", 16, none, fg, QT_TRANSLATE_NOOP("Form1", "Phase C angle in degrees")},
    //: Column headings in fixed labels about 65 pixels wide (Angle and Real: 41 to 49 pixels):
    //: keep them as short as the English.
    {"Label1", -1, K::Label, "Polar_ABC", 360, 360, 1095, 255, QT_TRANSLATE_NOOP("Form1", "Magnitude"), 10, none, fg},
    {"Label6", -1, K::Label, "Polar_ABC", 1680, 360, 735, 255, QT_TRANSLATE_NOOP("Form1", "Angle"), 17, none, fg},
    {"Label3", -1, K::Label, "Polar_ABC", 120, 840, 375, 255, "A", 11, none, fg},
    {"Label4", -1, K::Label, "Polar_ABC", 120, 1320, 375, 255, "B", 12, none, fg},
    {"Label5", -1, K::Label, "Polar_ABC", 120, 1800, 375, 255, "C", 13, none, fg},
    {"Rectangular_ABC", -1, K::Frame, "", 2880, 240, 2535, 2175, QT_TRANSLATE_NOOP("Form1", "ABC Rectangular"), 18, none, fg},
    {"real_a", -1, K::TextBox, "Rectangular_ABC", 360, 720, 975, 375, "1.0", 23, none, fg, QT_TRANSLATE_NOOP("Form1", "Phase A real part")},
    {"imag_a", -1, K::TextBox, "Rectangular_ABC", 1440, 720, 975, 375, "1.0", 20, none, fg, QT_TRANSLATE_NOOP("Form1", "Phase A imaginary part")},
    {"real_b", -1, K::TextBox, "Rectangular_ABC", 360, 1200, 975, 375, "1.0", 24, none, fg, QT_TRANSLATE_NOOP("Form1", "Phase B real part")},
    {"imag_b", -1, K::TextBox, "Rectangular_ABC", 1440, 1200, 975, 375, "1.0", 21, none, fg, QT_TRANSLATE_NOOP("Form1", "Phase B imaginary part")},
    {"real_c", -1, K::TextBox, "Rectangular_ABC", 360, 1680, 975, 375, "1.0", 22, none, fg, QT_TRANSLATE_NOOP("Form1", "Phase C real part")},
    {"imag_c", -1, K::TextBox, "Rectangular_ABC", 1440, 1680, 975, 375, "1.0", 19, none, fg, QT_TRANSLATE_NOOP("Form1", "Phase C imaginary part")},
    {"Label11", -1, K::Label, "Rectangular_ABC", 600, 360, 735, 255, QT_TRANSLATE_NOOP("Form1", "Real"), 29, none, fg},
    {"Label7", -1, K::Label, "Rectangular_ABC", 1440, 360, 975, 255, QT_TRANSLATE_NOOP("Form1", "Imaginary"), 25, none, fg},
    {"Label10", -1, K::Label, "Rectangular_ABC", 120, 840, 375, 255, "A", 28, none, fg},
    {"Label9", -1, K::Label, "Rectangular_ABC", 120, 1320, 375, 255, "B", 27, none, fg},
    {"Label8", -1, K::Label, "Rectangular_ABC", 120, 1800, 375, 255, "C", 26, none, fg},
    {"Polar_012", -1, K::Frame, "", 5520, 240, 2535, 2175, QT_TRANSLATE_NOOP("Form1", "012 Polar"), 30, none, fg},
    {"mag_0", -1, K::TextBox, "Polar_012", 360, 720, 975, 375, "1.0", 35, none, fg, QT_TRANSLATE_NOOP("Form1", "Sequence 0 magnitude")},
    {"ang_0", -1, K::TextBox, "Polar_012", 1440, 720, 975, 375, "0.0", 32, none, fg, QT_TRANSLATE_NOOP("Form1", "Sequence 0 angle in degrees")},
    {"mag_1", -1, K::TextBox, "Polar_012", 360, 1200, 975, 375, "1.0", 36, none, fg, QT_TRANSLATE_NOOP("Form1", "Sequence 1 magnitude")},
    {"ang_1", -1, K::TextBox, "Polar_012", 1440, 1200, 975, 375, "0.0", 33, none, fg, QT_TRANSLATE_NOOP("Form1", "Sequence 1 angle in degrees")},
    {"mag_2", -1, K::TextBox, "Polar_012", 360, 1680, 975, 375, "1.0", 34, none, fg, QT_TRANSLATE_NOOP("Form1", "Sequence 2 magnitude")},
    {"ang_2", -1, K::TextBox, "Polar_012", 1440, 1680, 975, 375, "0.0", 31, none, fg, QT_TRANSLATE_NOOP("Form1", "Sequence 2 angle in degrees")},
    {"Label16", -1, K::Label, "Polar_012", 360, 360, 975, 255, QT_TRANSLATE_NOOP("Form1", "Magnitude"), 41, none, fg},
    {"Label12", -1, K::Label, "Polar_012", 1680, 360, 735, 255, QT_TRANSLATE_NOOP("Form1", "Angle"), 37, none, fg},
    {"Label15", -1, K::Label, "Polar_012", 120, 840, 375, 255, "0", 40, none, fg},
    {"Label14", -1, K::Label, "Polar_012", 120, 1320, 375, 255, "1", 39, none, fg},
    {"Label13", -1, K::Label, "Polar_012", 120, 1800, 375, 255, "2", 38, none, fg},
    {"Rectangular_012", -1, K::Frame, "", 8160, 240, 2535, 2175, QT_TRANSLATE_NOOP("Form1", "012 Rectangular"), 42, none, fg},
    {"real_0", -1, K::TextBox, "Rectangular_012", 360, 720, 975, 375, "1.0", 44, none, fg, QT_TRANSLATE_NOOP("Form1", "Sequence 0 real part")},
    {"imag_0", -1, K::TextBox, "Rectangular_012", 1440, 720, 975, 375, "0.0", 47, none, fg, QT_TRANSLATE_NOOP("Form1", "Sequence 0 imaginary part")},
    {"real_1", -1, K::TextBox, "Rectangular_012", 360, 1200, 975, 375, "1.0", 43, none, fg, QT_TRANSLATE_NOOP("Form1", "Sequence 1 real part")},
    {"imag_1", -1, K::TextBox, "Rectangular_012", 1440, 1200, 975, 375, "0.0", 46, none, fg, QT_TRANSLATE_NOOP("Form1", "Sequence 1 imaginary part")},
    {"real_2", -1, K::TextBox, "Rectangular_012", 360, 1680, 975, 375, "1.0", 45, none, fg, QT_TRANSLATE_NOOP("Form1", "Sequence 2 real part")},
    {"imag_2", -1, K::TextBox, "Rectangular_012", 1440, 1680, 975, 375, "0.0", 48, none, fg, QT_TRANSLATE_NOOP("Form1", "Sequence 2 imaginary part")},
    {"Label17", -1, K::Label, "Rectangular_012", 600, 360, 615, 255, QT_TRANSLATE_NOOP("Form1", "Real"), 49, none, fg},
    {"Label21", -1, K::Label, "Rectangular_012", 1440, 360, 975, 255, QT_TRANSLATE_NOOP("Form1", "Imaginary"), 53, none, fg},
    {"Label18", -1, K::Label, "Rectangular_012", 120, 840, 375, 255, "0", 50, none, fg},
    {"Label19", -1, K::Label, "Rectangular_012", 120, 1320, 375, 255, "1", 51, none, fg},
    {"Label20", -1, K::Label, "Rectangular_012", 120, 1800, 375, 255, "2", 52, none, fg},
    // The CONVERT buttons and Clear Screen.
    {"Frame1", -1, K::Frame, "", 240, 2520, 10455, 735, "", 54, default_font, fg},
    //: The caption of each group's button, 137 pixels wide: about 14 capitals.
    {"Convert", 0, K::Button, "Frame1", 360, 240, 2055, 375, QT_TRANSLATE_NOOP("Form1", "CONVERT"), 56, default_font, fg, QT_TRANSLATE_NOOP("Form1", "Convert ABC polar")},
    {"Convert", 1, K::Button, "Frame1", 3000, 240, 2055, 375, QT_TRANSLATE_NOOP("Form1", "CONVERT"), 57, default_font, fg, QT_TRANSLATE_NOOP("Form1", "Convert ABC rectangular")},
    {"Convert", 2, K::Button, "Frame1", 5640, 240, 2055, 375, QT_TRANSLATE_NOOP("Form1", "CONVERT"), 58, default_font, fg, QT_TRANSLATE_NOOP("Form1", "Convert 012 polar")},
    {"Convert", 3, K::Button, "Frame1", 8280, 240, 2055, 375, QT_TRANSLATE_NOOP("Form1", "CONVERT"), 59, default_font, fg, QT_TRANSLATE_NOOP("Form1", "Convert 012 rectangular")},
    //: A button 97 by 49 pixels: two short lines at most.
    {"CLEAR", -1, K::Button, "", 10920, 120, 1455, 735, QT_TRANSLATE_NOOP("Form1", "Clear Screen"), 55, none, fg, QT_TRANSLATE_NOOP("Form1", "Clear screen")},
    // The case memory.
    //: The memory buttons' names for screen readers, not shown.
    {"Option1", 1, K::Option, "", 11520, 2880, 615, 255, "1", 60, default_font | disabled, fg, QT_TRANSLATE_NOOP("Form1", "Memory slot 1")},
    {"Option1", 2, K::Option, "", 11520, 3240, 615, 255, "2", 61, default_font | disabled, fg, QT_TRANSLATE_NOOP("Form1", "Memory slot 2")},
    {"Option1", 3, K::Option, "", 11520, 3600, 615, 255, "3", 62, default_font | disabled, fg, QT_TRANSLATE_NOOP("Form1", "Memory slot 3")},
    {"Option1", 4, K::Option, "", 11520, 3960, 615, 255, "4", 63, default_font | disabled, fg, QT_TRANSLATE_NOOP("Form1", "Memory slot 4")},
    {"Option1", 5, K::Option, "", 11520, 4320, 615, 255, "5", 64, default_font | disabled, fg, QT_TRANSLATE_NOOP("Form1", "Memory slot 5")},
    {"Option1", 6, K::Option, "", 11520, 4680, 615, 255, "6", 65, default_font | disabled, fg, QT_TRANSLATE_NOOP("Form1", "Memory slot 6")},
    {"Option1", 7, K::Option, "", 11520, 5040, 615, 255, "7", 66, default_font | disabled, fg, QT_TRANSLATE_NOOP("Form1", "Memory slot 7")},
    {"Option1", 8, K::Option, "", 11520, 5400, 615, 255, "8", 67, default_font | disabled, fg, QT_TRANSLATE_NOOP("Form1", "Memory slot 8")},
    {"Option1", 9, K::Option, "", 11520, 5760, 615, 255, "9", 68, default_font | disabled, fg, QT_TRANSLATE_NOOP("Form1", "Memory slot 9")},
    {"Option1", 10, K::Option, "", 11520, 6120, 615, 255, "10", 69, default_font | disabled, fg, QT_TRANSLATE_NOOP("Form1", "Memory slot 10")},
    //: Wrapped, centred text in a box 89 pixels wide and about seven lines high.
    {"Label2", -1, K::Label, "", 11040, 1080, 1335, 1575, QT_TRANSLATE_NOOP("Form1", "Click Option Button to View a Case Autosaved in Wraparound Memory"), 70, centred | wraps, fg},
    // The plot labels; activate_labels places them.
    {"Letter_A", -1, K::Label, "", 1080, 3720, 135, 375, "A", 3, bold, black},
    {"Letter_B", -1, K::Label, "", 1320, 3720, 135, 375, "B", 4, bold, red},
    {"Letter_C", -1, K::Label, "", 1560, 3720, 135, 375, "C", 5, bold, blue},
    //: The diagrams' captions, centred over them, 97 to 129 pixels wide: one line.
    {"Positive_label", -1, K::Label, "", 3360, 3720, 1815, 255, QT_TRANSLATE_NOOP("Form1", "Positive Sequence"), 0, centred, fg},
    {"Negative_label", -1, K::Label, "", 6600, 3720, 1935, 255, QT_TRANSLATE_NOOP("Form1", "Negative Sequence"), 1, centred, fg},
    {"Zero_label", -1, K::Label, "", 9360, 3720, 1455, 255, QT_TRANSLATE_NOOP("Form1", "Zero Sequence"), 2, centred, fg},
    //: One line under the diagrams, 713 pixels wide.
    {"Label22", -1, K::Label, "", 120, 6480, 10695, 375, QT_TRANSLATE_NOOP("Form1", "Note - the lengths of phasors in the plots are scaled so that the longest of A, B, C has 1pu radius"), 71, none, fg},
}};

// The box around the entry groups; Line1 is also the top edge of the plot area.
constexpr std::array<LineDef, 4> lines{{
    {"Line1", 120, 3360, 10800, 3360},
    {"Line2", 120, 3360, 120, 120},
    {"Line3", 10800, 3360, 10800, 120},
    {"Line4", 120, 120, 10800, 120},
}};
// clang-format on

} // namespace

QString shown_caption(const ControlDef &def) {
    const QByteArray caption(def.caption.data(), static_cast<qsizetype>(def.caption.size()));
    if (def.kind == ControlKind::TextBox || caption.size() <= 2)
        return QString::fromUtf8(caption);
    return QCoreApplication::translate("Form1", caption.constData());
}

QString spoken_name(const ControlDef &def) {
    if (def.spoken.empty())
        return {};
    const QByteArray spoken(def.spoken.data(), static_cast<qsizetype>(def.spoken.size()));
    return QCoreApplication::translate("Form1", spoken.constData());
}

std::span<const ControlDef> control_definitions() {
    return controls;
}
std::span<const LineDef> line_definitions() {
    return lines;
}

} // namespace form
