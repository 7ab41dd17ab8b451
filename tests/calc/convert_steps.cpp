#include "convert_steps.h"

#include "calc/phasor.h"
#include "calc/sequence.h"
#include "calc/single.h"

#include <cctype>
#include <charconv>
#include <stdexcept>
#include <system_error>

namespace calc_test {

namespace {

template <typename T> T number(const std::string &text) {
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        throw std::invalid_argument("not a number: " + text);
    }
    return value;
}

// Degrees times pi180 widened to double; a single-precision angle then rounds the product.
template <typename Angle>
void read_angle(const std::string &text, Angle &angle, const calc::PhasorState &s) {
    calc::store(angle, number<double>(text) * static_cast<double>(s.pi180));
}

std::string format(double value, std::chars_format style) {
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, style, 2);
    std::string text(buffer.data(), result.ptr);
    for (char &c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

} // namespace

calc::PhasorState convert(Group group, const Entries &e) {
    calc::PhasorState s;
    calc::set_angle_constants(s);
    switch (group) {
    case Group::polar_abc:
        s.va_mag = number<double>(e.first[0]);
        s.vb_mag = number<double>(e.first[1]);
        s.vc_mag = number<double>(e.first[2]);
        read_angle(e.second[0], s.va_ang, s);
        read_angle(e.second[1], s.vb_ang, s);
        read_angle(e.second[2], s.vc_ang, s);
        calc::abc_to_seq(s);
        break;
    case Group::rectangular_abc:
        s.va_real = number<double>(e.first[0]);
        s.vb_real = number<double>(e.first[1]);
        s.vc_real = number<double>(e.first[2]);
        s.va_imag = number<double>(e.second[0]);
        s.vb_imag = number<double>(e.second[1]);
        s.vc_imag = number<float>(e.second[2]);
        calc::rect_to_polar(s.va_real, s.va_imag, s.va_mag, s.va_ang);
        calc::rect_to_polar(s.vb_real, s.vb_imag, s.vb_mag, s.vb_ang);
        calc::rect_to_polar(s.vc_real, s.vc_imag, s.vc_mag, s.vc_ang);
        calc::abc_to_seq(s);
        break;
    case Group::polar_012:
        s.v0_mag = number<double>(e.first[0]);
        s.v1_mag = number<double>(e.first[1]);
        s.v2_mag = number<double>(e.first[2]);
        read_angle(e.second[0], s.v0_ang, s);
        read_angle(e.second[1], s.v1_ang, s);
        read_angle(e.second[2], s.v2_ang, s);
        calc::seq_to_abc(s);
        break;
    case Group::rectangular_012:
        s.v0_real = number<double>(e.first[0]);
        s.v1_real = number<double>(e.first[1]);
        s.v2_real = number<double>(e.first[2]);
        s.v0_imag = number<double>(e.second[0]);
        s.v1_imag = number<double>(e.second[1]);
        s.v2_imag = number<float>(e.second[2]);
        calc::rect_to_polar(s.v0_real, s.v0_imag, s.v0_mag, s.v0_ang);
        calc::rect_to_polar(s.v1_real, s.v1_imag, s.v1_mag, s.v1_ang);
        calc::rect_to_polar(s.v2_real, s.v2_imag, s.v2_mag, s.v2_ang);
        calc::seq_to_abc(s);
        break;
    }
    return s;
}

std::string scientific(double value) {
    return format(value, std::chars_format::scientific);
}

std::string degrees(double angle, const calc::PhasorState &s) {
    return format(angle / static_cast<double>(s.pi180), std::chars_format::fixed);
}

std::string degrees(float angle, const calc::PhasorState &s) {
    return format(angle / s.pi180, std::chars_format::fixed);
}

std::map<std::string, std::string> field_texts(const calc::PhasorState &s) {
    const calc::PhasorState &k = s;
    return {
        {"mag_a", scientific(s.va_mag)},   {"ang_a", degrees(s.va_ang, k)},
        {"mag_b", scientific(s.vb_mag)},   {"ang_b", degrees(s.vb_ang, k)},
        {"mag_c", scientific(s.vc_mag)},   {"ang_c", degrees(s.vc_ang, k)},
        {"real_a", scientific(s.va_real)}, {"imag_a", scientific(s.va_imag)},
        {"real_b", scientific(s.vb_real)}, {"imag_b", scientific(s.vb_imag)},
        {"real_c", scientific(s.vc_real)}, {"imag_c", scientific(s.vc_imag)},
        {"mag_0", scientific(s.v0_mag)},   {"ang_0", degrees(s.v0_ang, k)},
        {"mag_1", scientific(s.v1_mag)},   {"ang_1", degrees(s.v1_ang, k)},
        {"mag_2", scientific(s.v2_mag)},   {"ang_2", degrees(s.v2_ang, k)},
        {"real_0", scientific(s.v0_real)}, {"imag_0", scientific(s.v0_imag)},
        {"real_1", scientific(s.v1_real)}, {"imag_1", scientific(s.v1_imag)},
        {"real_2", scientific(s.v2_real)}, {"imag_2", scientific(s.v2_imag)},
    };
}

} // namespace calc_test
