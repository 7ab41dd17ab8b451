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

// The resolution of the transforms: how far their rounding may move |V1| and |V2| apart,
// in the unit of the magnitudes. Values within it are rounding and tell nothing.
// Every phase reaches V1 and V2 through single-precision values, each rounded to a relative
// 2^-24: its angle (multiplied by the single pi180, or held as a single for phase C) is off
// by up to |angle| 2^-24 radians, the turned angles (within |angle| + 2 pi / 3) likewise,
// and the single real and imaginary parts of the turned phasors by 2^-24 each. A phase of
// magnitude m thus moves V1 and V2 by at most m 2^-24 (2 |angle| + 2 pi / 3 + 2) / 3 each,
// and their difference by twice that. Sequence components entered directly go the other
// way through the same variables, and the phases then hold them all, so summing over the
// phases covers both directions. The rounding of the double arithmetic (2^-53) is far below.
double sequence_resolution(const PhasorState &state);

// The unbalance of the sequence components in the state, or nothing when |V1| is 0.
std::optional<Unbalance> unbalance(const PhasorState &state);

} // namespace calc
