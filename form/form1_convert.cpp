#include "form/form1.h"

#include "calc/phasor.h"
#include "calc/sequence.h"
#include "calc/single.h"
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

} // namespace

// An entry passes when its text is a number within the single-precision range: the check
// judges the text rounded straight to single, and keeps what it read for the reading step.
void Form1::check_the_values(int index) {
    state_.errors_found = false;
    for (toolkit::TextBox *field : all_fields()) {
        field->setBackColor(toolkit::system_window_background);
        explain_mark(*field, QString());
    }
    const auto fields = group_fields(index);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields[i]->setBackColor(toolkit::error_light_red);
        const auto number = toolkit::parse_number(fields[i]->Text());
        if (!number || !std::isfinite(number->single)) {
            state_.errors_found = true;
            explain_mark(*fields[i],
                         !number ? QStringLiteral("Not a number")
                                 : QStringLiteral("Beyond the largest number the program holds, "
                                                  "about 3.4E+38"));
            return;
        }
        accepted_[i] = *number;
        fields[i]->setBackColor(toolkit::system_window_background);
    }
}

void Form1::Convert_Click(int Index) {
    if (Index < 0 || Index > 3)
        return;
    const OneChange change(*this, QStringLiteral("Convert"));
    if (!state_.recall_in_progress) {
        for (int i = 1; i <= 10; ++i)
            Option1[static_cast<std::size_t>(i)].setValue(false);
    }
    state_.converted_group = Index;
    check_the_values(Index);
    if (!state_.errors_found) {
        read_group(Index);
        convert_group(Index);
        if (all_showable(phasors_)) {
            write_results(Index);
            state_.has_results = true;
        } else {
            // A result beyond the single range cannot be shown: refuse the entry as a
            // whole, like a failed check, and leave every text as it was.
            state_.errors_found = true;
            for (toolkit::TextBox *field : group_fields(Index)) {
                field->setBackColor(toolkit::error_light_red);
                explain_mark(*field, QStringLiteral("The results of these entries are too large "
                                                    "to show"));
            }
        }
    }
    if (state_.errors_found) {
        state_.has_results = false;
        phasors_.va_mag = 0.0;
        phasors_.vb_mag = 0.0;
        phasors_.vc_mag = 0.0;
    }
    plot_phasors();
    announce_outcome(Index);
}

// The values the check accepted become the group's variables: magnitudes and rectangular
// parts as doubles, imag_c and imag_2 as read straight to single; angles are entered in
// degrees, so their double reading is multiplied by the single pi180, and phase C's and
// sequence 2's angles are then rounded to single.
void Form1::read_group(int Index) {
    calc::PhasorState &s = phasors_;
    const auto &v = accepted_;
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

void Form1::convert_group(int Index) {
    calc::PhasorState &s = phasors_;
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

void Form1::write_results(int Index) {
    const calc::PhasorState &s = phasors_;
    using toolkit::format_fixed2;
    using toolkit::format_scientific;
    // Phase C's and sequence 2's angles are singles: their quotient is a single too.
    const auto degrees = [&](auto ang) { return format_fixed2(calc::to_degrees(ang, s.pi180)); };
    if (Index != 0) {
        mag_a.setText(format_scientific(s.va_mag));
        mag_b.setText(format_scientific(s.vb_mag));
        mag_c.setText(format_scientific(s.vc_mag));
        ang_a.setText(degrees(s.va_ang));
        ang_b.setText(degrees(s.vb_ang));
        ang_c.setText(degrees(s.vc_ang));
    }
    if (Index != 1) {
        real_a.setText(format_scientific(s.va_real));
        real_b.setText(format_scientific(s.vb_real));
        real_c.setText(format_scientific(s.vc_real));
        imag_a.setText(format_scientific(s.va_imag));
        imag_b.setText(format_scientific(s.vb_imag));
        imag_c.setText(format_scientific(s.vc_imag));
    }
    if (Index != 2) {
        mag_0.setText(format_scientific(s.v0_mag));
        mag_1.setText(format_scientific(s.v1_mag));
        mag_2.setText(format_scientific(s.v2_mag));
        ang_0.setText(degrees(s.v0_ang));
        ang_1.setText(degrees(s.v1_ang));
        ang_2.setText(degrees(s.v2_ang));
    }
    if (Index != 3) {
        real_0.setText(format_scientific(s.v0_real));
        real_1.setText(format_scientific(s.v1_real));
        real_2.setText(format_scientific(s.v2_real));
        imag_0.setText(format_scientific(s.v0_imag));
        imag_1.setText(format_scientific(s.v1_imag));
        imag_2.setText(format_scientific(s.v2_imag));
    }
}

void Form1::CLEAR_Click() {
    const OneChange change(*this, QStringLiteral("Clear Screen"));
    for (toolkit::TextBox *field : all_fields())
        field->setText(QStringLiteral("0"));
    Convert_Click(0);
}
