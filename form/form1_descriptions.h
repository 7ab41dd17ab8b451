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
// second sentence when the set turns A-C-B or when |V2| and |V1| are equal within the
// precision held, or why there is no ratio.
QString unbalance_summary(const calc::PhasorState &state);

// A phasor by the magnitude and the angle in degrees that the window shows: "1 at −120°".
QString phasor_in_words(double magnitude, double degrees);

// A typed text as a reader should see it: without its blanks, with a true minus sign, and
// cut with "…" beyond a readable length.
QString readable(QString text);

} // namespace form
