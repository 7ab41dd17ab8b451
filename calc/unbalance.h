#pragma once

#include "calc/phasor_state.h"

#include <optional>

namespace calc {

// How far a set is from balanced: the negative- and zero-sequence magnitudes as percentages
// of the positive-sequence one (voltage unbalance is |V2| / |V1|). A negative sequence larger
// than the positive one means the set turns A-C-B: its phases rotate the other way, or two
// of them are swapped. Only a difference beyond what the computation resolves counts: within
// it |V1| and |V2| are equal and the phase order cannot be told.
struct Unbalance {
    double negative_percent; // 100 |V2| / |V1|
    double zero_percent;     // 100 |V0| / |V1|
    bool turns_acb;          // |V2| > |V1| by more than the resolution
    bool equal_sequences;    // |V2| and |V1| equal within the resolution
};

// The absolute resolution of the set's results: what the single-precision steps of the
// transforms may move |V1| - |V2| by. No digit below it means anything.
double sequence_resolution(const PhasorState &state);

// The unbalance of the sequence components in the state, or nothing when |V1| is 0.
std::optional<Unbalance> unbalance(const PhasorState &state);

} // namespace calc
