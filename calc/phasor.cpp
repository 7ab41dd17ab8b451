#include "calc/phasor.h"

#include <cmath>

namespace calc {

void set_angle_constants(PhasorState &state) {
    state.pi = 4.0 * std::atan(1.0);
    store(state.pi180, state.pi / 180.0);
}

} // namespace calc
