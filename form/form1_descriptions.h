#pragma once

// The texts that tell a case in words: for screen readers, tooltips and the clipboard.

#include "calc/phasor_state.h"
#include "form/form_state.h"

#include <QString>

namespace form {

// A saved case as it was entered: "A 7.25 at 0°, B 1.0 at −120°, C 1.0 at 120°", or
// "V0 1.0 + j0.0, ..." for the rectangular groups.
QString case_summary(const SavedCase &saved);

// The unbalance of the sequence components: "|V2|/|V1| 15.9 %, |V0|/|V1| 7.8 %", with a
// second sentence when the set turns A-C-B, or why there is no ratio.
QString unbalance_summary(const calc::PhasorState &state);

// A phasor given by its rectangular parts as it is drawn: "1 at −120°".
QString drawn_phasor(double re, double im);

} // namespace form
