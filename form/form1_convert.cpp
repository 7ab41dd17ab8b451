#include "form/form1.h"

#include "calc/phasor.h"
#include "calc/sequence.h"
#include "calc/single.h"
#include "form/screen_reader_text.h"
#include "toolkit/number_text.h"

#include <cmath>

namespace {

// Every value the form shows or plots must be one the entry check would accept again:
// one that rounds to a finite single, as the check rounds an entry.
bool showable(double value) {
    return std::isfinite(calc::to_single(value));
}

bool all_showable(const calc::PhasorState &s) {
    for (double v : {s.va_mag,  s.vb_mag,  s.vc_mag,  s.va_ang,  s.vb_ang,  double(s.vc_ang),
                     s.va_real, s.vb_real, s.vc_real, s.va_imag, s.vb_imag, double(s.vc_imag),
                     s.v0_mag,  s.v1_mag,  s.v2_mag,  s.v0_ang,  s.v1_ang,  double(s.v2_ang),
                     s.v0_real, s.v1_real, s.v2_real, s.v0_imag, s.v1_imag, double(s.v2_imag)}) {
        if (!showable(v))
            return false;
    }
    return true;
}

// The values the check accepted become the group's variables: magnitudes and rectangular
// parts as doubles, imag_c and imag_2 as read straight to single; angles are entered in
// degrees, so their double reading is multiplied by the single pi180, and phase C's and
// sequence 2's angles are then rounded to single.
void read_group(calc::PhasorState &s, const std::array<toolkit::EntryNumber, 6> &v, int Index) {
    const auto radians = [&](std::size_t i) { return v[i].value * double(s.pi180); };
    switch (Index) {
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

void convert_group(calc::PhasorState &s, int Index) {
    switch (Index) {
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

// The three other groups, in checking order: magnitudes, real and imaginary parts as
// "scientific", angles in degrees as "0.00".
void write_results(form::FormModel &model, int Index) {
    const calc::PhasorState &s = model.phasors();
    using toolkit::format_fixed2;
    using toolkit::format_scientific;
    // Phase C's and sequence 2's angles are singles: their quotient is a single too.
    const auto degrees = [&](auto ang) { return format_fixed2(calc::to_degrees(ang, s.pi180)); };
    const std::array<QString, 24> shown{
        format_scientific(s.va_mag),
        format_scientific(s.vb_mag),
        format_scientific(s.vc_mag),
        degrees(s.va_ang),
        degrees(s.vb_ang),
        degrees(s.vc_ang),
        format_scientific(s.va_real),
        format_scientific(s.vb_real),
        format_scientific(s.vc_real),
        format_scientific(s.va_imag),
        format_scientific(s.vb_imag),
        format_scientific(s.vc_imag),
        format_scientific(s.v0_mag),
        format_scientific(s.v1_mag),
        format_scientific(s.v2_mag),
        degrees(s.v0_ang),
        degrees(s.v1_ang),
        degrees(s.v2_ang),
        format_scientific(s.v0_real),
        format_scientific(s.v1_real),
        format_scientific(s.v2_real),
        format_scientific(s.v0_imag),
        format_scientific(s.v1_imag),
        format_scientific(s.v2_imag),
    };
    for (int k = 0; k < 24; ++k) {
        if (k / 6 != Index)
            model.set_text(k, shown[static_cast<std::size_t>(k)]);
    }
}

} // namespace

// An entry passes when its text is a number within the single-precision range: the check
// judges the text rounded straight to single, and keeps what it read for the reading step.
void Form1::check_the_values(int index) {
    state_.errors_found = false;
    for (int k = 0; k < static_cast<int>(fields_.size()); ++k)
        model_.set_mark(k, toolkit::system_window_background);
    for (int i = 0; i < 6; ++i) {
        const int k = 6 * index + i;
        model_.set_mark(k, toolkit::error_light_red);
        const auto number = toolkit::parse_number(model_.text(k));
        if (!number || !std::isfinite(number->single)) {
            state_.errors_found = true;
            model_.set_mark(k, toolkit::error_light_red,
                            !number ? QStringLiteral("Not a number")
                                    : QStringLiteral("Beyond the largest number the program "
                                                     "holds, about 3.4E+38"));
            return;
        }
        model_.set_accepted(static_cast<std::size_t>(i), *number);
        model_.set_mark(k, toolkit::system_window_background);
    }
}

void Form1::Convert_Click(int Index) {
    if (Index < 0 || Index > 3)
        return;
    const form::FormHistory::Step step(history_, QStringLiteral("Convert"));
    if (!state_.recall_in_progress)
        model_.set_selected(0);
    state_.converted_group = Index;
    check_the_values(Index);
    if (!state_.errors_found) {
        read_group(phasors_, accepted_, Index);
        convert_group(phasors_, Index);
        if (all_showable(phasors_)) {
            write_results(model_, Index);
            state_.has_results = true;
        } else {
            // A result beyond the single range cannot be shown: refuse the entry as a
            // whole, like a failed check, and leave every text as it was.
            state_.errors_found = true;
            for (int k = 6 * Index; k < 6 * Index + 6; ++k)
                model_.set_mark(k, toolkit::error_light_red,
                                QStringLiteral("The results of these entries are too large "
                                               "to show"));
        }
    }
    if (state_.errors_found) {
        state_.has_results = false;
        phasors_.va_mag = 0.0;
        phasors_.vb_mag = 0.0;
        phasors_.vc_mag = 0.0;
    }
    plot_phasors();
    screen_reader_->announce_outcome(Index);
}

void Form1::CLEAR_Click() {
    const form::FormHistory::Step step(history_, QStringLiteral("Clear Screen"));
    for (int k = 0; k < static_cast<int>(fields_.size()); ++k)
        model_.set_text(k, QStringLiteral("0"));
    Convert_Click(0);
}
