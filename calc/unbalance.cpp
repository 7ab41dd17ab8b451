#include "calc/unbalance.h"

#include <cmath>

namespace calc {

std::optional<Unbalance> unbalance(const PhasorState &s) {
    // A magnitude entered negative turns its phasor; its length is what counts.
    const double v0 = std::abs(s.v0_mag);
    const double v1 = std::abs(s.v1_mag);
    const double v2 = std::abs(s.v2_mag);
    if (v1 == 0)
        return std::nullopt;
    return Unbalance{100 * v2 / v1, 100 * v0 / v1, v2 > v1};
}

} // namespace calc
