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

double number_of(const toolkit::TextBox &field) {
    return *toolkit::parse_number(field.Text());
}
float single_of(const toolkit::TextBox &field) {
    return *toolkit::parse_single(field.Text());
}

} // namespace

void Form1::check_the_values(int index) {
    errors_found = false;
    for (toolkit::TextBox *field : all_fields())
        field->setBackColor(toolkit::system_window_background);
    for (int group = 0; group < 4; ++group) {
        if (group != index)
            continue;
        for (toolkit::TextBox *field : group_fields(group)) {
            field->setBackColor(toolkit::error_light_red);
            if (!toolkit::parse_single(field->Text())) {
                errors_found = true;
                return;
            }
            field->setBackColor(toolkit::system_window_background);
        }
    }
}

void Form1::Convert_Click(int Index) {
    if (!recall_in_progress) {
        for (int i = 1; i <= 10; ++i)
            Option1[static_cast<std::size_t>(i)].setValue(false);
    }
    check_the_values(Index);
    if (!errors_found) {
        read_group(Index);
        convert_group(Index);
        if (all_showable(phasors)) {
            write_results(Index);
        } else {
            // A result beyond the single range cannot be shown: refuse the entry as a
            // whole, like a failed check, and leave every text as it was.
            errors_found = true;
            for (toolkit::TextBox *field : group_fields(Index))
                field->setBackColor(toolkit::error_light_red);
        }
    }
    if (errors_found) {
        phasors.va_mag = 0.0;
        phasors.vb_mag = 0.0;
        phasors.vc_mag = 0.0;
    }
    plot_phasors();
}

void Form1::read_group(int Index) {
    calc::PhasorState &s = phasors;
    // Angles are entered in degrees: the double reading times the single pi180, and
    // phase C's and sequence 2's angles then rounded to single.
    const auto radians = [&](const toolkit::TextBox &field) {
        return number_of(field) * double(s.pi180);
    };
    switch (Index) {
    case 0:
        s.va_mag = number_of(mag_a);
        s.vb_mag = number_of(mag_b);
        s.vc_mag = number_of(mag_c);
        s.va_ang = radians(ang_a);
        s.vb_ang = radians(ang_b);
        s.vc_ang = calc::to_single(radians(ang_c));
        break;
    case 1:
        s.va_real = number_of(real_a);
        s.vb_real = number_of(real_b);
        s.vc_real = number_of(real_c);
        s.va_imag = number_of(imag_a);
        s.vb_imag = number_of(imag_b);
        s.vc_imag = single_of(imag_c);
        break;
    case 2:
        s.v0_mag = number_of(mag_0);
        s.v1_mag = number_of(mag_1);
        s.v2_mag = number_of(mag_2);
        s.v0_ang = radians(ang_0);
        s.v1_ang = radians(ang_1);
        s.v2_ang = calc::to_single(radians(ang_2));
        break;
    case 3:
        s.v0_real = number_of(real_0);
        s.v1_real = number_of(real_1);
        s.v2_real = number_of(real_2);
        s.v0_imag = number_of(imag_0);
        s.v1_imag = number_of(imag_1);
        s.v2_imag = single_of(imag_2);
        break;
    default:
        break;
    }
}

void Form1::convert_group(int Index) {
    calc::PhasorState &s = phasors;
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
    const calc::PhasorState &s = phasors;
    using toolkit::format_fixed2;
    using toolkit::format_scientific;
    const auto degrees = [&](double ang) { return format_fixed2(ang / double(s.pi180)); };
    // Phase C's and sequence 2's angles are singles: their quotient is a single too.
    const auto degrees_single = [&](float ang) { return format_fixed2(double(ang / s.pi180)); };
    if (Index != 0) {
        mag_a.setText(format_scientific(s.va_mag));
        mag_b.setText(format_scientific(s.vb_mag));
        mag_c.setText(format_scientific(s.vc_mag));
        ang_a.setText(degrees(s.va_ang));
        ang_b.setText(degrees(s.vb_ang));
        ang_c.setText(degrees_single(s.vc_ang));
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
        ang_2.setText(degrees_single(s.v2_ang));
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
    for (toolkit::TextBox *field : all_fields())
        field->setText(QStringLiteral("0"));
    Convert_Click(0);
}
