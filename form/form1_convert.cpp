#include "form/form1.h"

#include "calc/phasor.h"
#include "form/case_conversion.h"
#include "form/screen_reader_text.h"
#include "toolkit/number_text.h"

#include <QCoreApplication>

#include <cmath>

namespace {

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
                            //: Why a field's entry is refused: its tooltip, and what a
                            //: screen reader hears of it.
                            !number ? QCoreApplication::translate("Form1", "Not a number")
                                    : QCoreApplication::translate(
                                          "Form1", "Beyond the largest number the program "
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
    //: An undo step, named in the menu as "Undo %1".
    const form::FormHistory::Step step(history_,
                                       QCoreApplication::translate("FormHistory", "Convert"));
    if (!state_.recall_in_progress)
        model_.set_selected(0);
    state_.converted_group = Index;
    check_the_values(Index);
    if (!state_.errors_found) {
        form::read_group(phasors_, Index, accepted_);
        form::convert_group(phasors_, Index);
        if (form::all_showable(phasors_)) {
            write_results(model_, Index);
            state_.has_results = true;
        } else {
            // A result beyond the single range cannot be shown: refuse the entry as a
            // whole, like a failed check, and leave every text as it was.
            state_.errors_found = true;
            for (int k = 6 * Index; k < 6 * Index + 6; ++k)
                model_.set_mark(k, toolkit::error_light_red,
                                QCoreApplication::translate(
                                    "Form1", "The results of these entries are too large "
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
    //: An undo step, named in the menu as "Undo %1".
    const form::FormHistory::Step step(history_,
                                       QCoreApplication::translate("FormHistory", "Clear Screen"));
    for (int k = 0; k < static_cast<int>(fields_.size()); ++k)
        model_.set_text(k, QStringLiteral("0"));
    Convert_Click(0);
}
