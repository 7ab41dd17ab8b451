#pragma once

#include "form/quantity.h"

#include <QString>

#include <array>
#include <cstdint>

namespace form {

// A case as the memory keeps it: the group it was entered in and that group's six texts
// exactly as they stood, magnitudes or real parts first, then angles or imaginary parts.
struct SavedCase {
    int group = 0;
    std::array<QString, 6> texts;
    Quantity quantity = Quantity::unsaid; // what its phasors are
};

// Everything Form1 keeps besides the numbers of the conversions (calc::PhasorState): the
// plot geometry fixed at start-up, the flags that steer the shared procedures, and the case
// memory.
struct FormState {
    float xspacing = 0;    // a quarter of the plot box width
    float radius = 0;      // the 1 per-unit radius of the diagrams
    float littlespace = 0; // gap between the plot box and the label row

    std::int16_t jslot = 0;    // newest saved slot, 0 before the first save
    std::int16_t jpunched = 0; // the memory button last clicked
    bool recall_in_progress = false;
    bool save_case = false; // what save_or_recall_case does: true saves, false recalls
    bool errors_found = false;
    // The group of the running or last Convert command, and whether that command showed
    // results (a failed check or results too large to show leave none).
    int converted_group = 0;
    bool has_results = false;

    std::array<SavedCase, 11> saved; // slots 1 to 10; entry 0 is never used
};

} // namespace form
