#include "calc/phasor.h"

namespace calc {

void set_angle_constants(PhasorState &state) {
    store(state.pi180, pi / 180.0);
}

} // namespace calc
