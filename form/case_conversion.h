#pragma once

#include "calc/phasor_state.h"
#include "toolkit/number_text.h"

#include <QString>

#include <array>
#include <optional>

namespace form {

// The steps of a conversion, as the form takes them: each free of widgets, so a saved case
// converts exactly as it did when it was typed.

// The values a check accepts from a group's six texts, in reading order (magnitudes or real
// parts first): numbers whose single is finite. Nothing when one is not.
std::optional<std::array<toolkit::EntryNumber, 6>>
accepted_values(const std::array<QString, 6> &texts);

// The accepted values become the group's variables: magnitudes and rectangular parts as
// doubles, imag_c and imag_2 as read straight to single; angles are entered in degrees, so
// their double reading is multiplied by the single pi180, and phase C's and sequence 2's
// angles are then rounded to single.
void read_group(calc::PhasorState &state, int group,
                const std::array<toolkit::EntryNumber, 6> &accepted);

// The group's variables converted into every other one.
void convert_group(calc::PhasorState &state, int group);

// Whether every value the form shows or plots is one the entry check would accept again.
bool all_showable(const calc::PhasorState &state);

// The numbers a case's group (0 ABC Polar, 1 ABC Rectangular, 2 012 Polar, 3 012
// Rectangular) and six texts convert to, from a fresh state; nothing when the check would
// refuse a text or the results could not be shown.
std::optional<calc::PhasorState> converted_case(int group, const std::array<QString, 6> &texts);

} // namespace form
