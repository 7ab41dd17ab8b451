#include "form/case_conversion.h"

#include "calc/phasor.h"
#include "calc/sequence.h"
#include "calc/single.h"

#include <cmath>

namespace form {

std::optional<std::array<toolkit::EntryNumber, 6>>
accepted_values(const std::array<QString, 6> &texts) {
    std::array<toolkit::EntryNumber, 6> accepted{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto number = toolkit::parse_number(texts[i]);
        if (!number || !std::isfinite(number->single))
            return std::nullopt;
        accepted[i] = *number;
    }
    return accepted;
}

void read_group(calc::PhasorState &s, int group, const std::array<toolkit::EntryNumber, 6> &v) {
    const auto radians = [&](std::size_t i) { return v[i].value * double(s.pi180); };
    switch (group) {
    case 0:
        s.va_mag = v[0].value;
        s.vb_mag = v[1].value;
        s.vc_mag = v[2].value;
        s.va_ang = radians(3);
        s.vb_ang = radians(4);
        s.vc_ang = calc::to_single(radians(5));
        break;
    case 1:
        s.va_real = v[0].value;
        s.vb_real = v[1].value;
        s.vc_real = v[2].value;
        s.va_imag = v[3].value;
        s.vb_imag = v[4].value;
        s.vc_imag = v[5].single;
        break;
    case 2:
        s.v0_mag = v[0].value;
        s.v1_mag = v[1].value;
        s.v2_mag = v[2].value;
        s.v0_ang = radians(3);
        s.v1_ang = radians(4);
        s.v2_ang = calc::to_single(radians(5));
        break;
    case 3:
        s.v0_real = v[0].value;
        s.v1_real = v[1].value;
        s.v2_real = v[2].value;
        s.v0_imag = v[3].value;
        s.v1_imag = v[4].value;
        s.v2_imag = v[5].single;
        break;
    default:
        break;
    }
}

void convert_group(calc::PhasorState &s, int group) {
    switch (group) {
    case 0:
        calc::abc_to_seq(s);
        break;
    case 1:
        calc::rect_to_polar(s.va_real, s.va_imag, s.va_mag, s.va_ang);
        calc::rect_to_polar(s.vb_real, s.vb_imag, s.vb_mag, s.vb_ang);
        calc::rect_to_polar(s.vc_real, s.vc_imag, s.vc_mag, s.vc_ang);
        calc::abc_to_seq(s);
        break;
    case 2:
        calc::seq_to_abc(s);
        break;
    case 3:
        calc::rect_to_polar(s.v0_real, s.v0_imag, s.v0_mag, s.v0_ang);
        calc::rect_to_polar(s.v1_real, s.v1_imag, s.v1_mag, s.v1_ang);
        calc::rect_to_polar(s.v2_real, s.v2_imag, s.v2_mag, s.v2_ang);
        calc::seq_to_abc(s);
        break;
    default:
        break;
    }
}

bool all_showable(const calc::PhasorState &s) {
    // A value shown must round to a finite single, as the check rounds an entry.
    for (double v : {s.va_mag,  s.vb_mag,  s.vc_mag,  s.va_ang,  s.vb_ang,  double(s.vc_ang),
                     s.va_real, s.vb_real, s.vc_real, s.va_imag, s.vb_imag, double(s.vc_imag),
                     s.v0_mag,  s.v1_mag,  s.v2_mag,  s.v0_ang,  s.v1_ang,  double(s.v2_ang),
                     s.v0_real, s.v1_real, s.v2_real, s.v0_imag, s.v1_imag, double(s.v2_imag)}) {
        if (!std::isfinite(calc::to_single(v)))
            return false;
    }
    return true;
}

std::optional<calc::PhasorState> converted_case(int group, const std::array<QString, 6> &texts) {
    if (group < 0 || group > 3)
        return std::nullopt;
    const auto accepted = accepted_values(texts);
    if (!accepted)
        return std::nullopt;
    calc::PhasorState state;
    calc::set_angle_constants(state);
    read_group(state, group, *accepted);
    convert_group(state, group);
    if (!all_showable(state))
        return std::nullopt;
    return state;
}

} // namespace form
