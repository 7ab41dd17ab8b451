#pragma once

#include "calc/phasor_state.h"

namespace calc {

// Symmetrical components of the phases: reads va/vb/vc _mag and _ang only, and writes the
// phases' rectangular parts, the turned phases and every sequence variable.
void abc_to_seq(PhasorState &state);

// Phases from the symmetrical components: reads v0/v1/v2 _mag and _ang only, and writes the
// components' rectangular parts, the turned components and every phase variable.
void seq_to_abc(PhasorState &state);

} // namespace calc
