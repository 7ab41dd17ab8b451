#include "calc/unbalance.h"

#include <cmath>
#include <numbers>

namespace calc {

// Every phase reaches V1 and V2 through single-precision values, each rounded to a relative
// 2^-24: its angle (multiplied by the single pi180, or held as a single for phase C) is off
// by up to |angle| 2^-24 radians, the turned angles (within |angle| + 2 pi / 3) likewise,
// and the single real and imaginary parts of the turned phasors by 2^-24 each. A phase of
// magnitude m thus moves V1 and V2 by at most m 2^-24 (2 |angle| + 2 pi / 3 + 2) / 3 each,
// and their difference by twice that. Sequence components entered directly go the other
// way through the same variables, and the phases then hold them all, so summing over the
// phases covers both directions. The rounding of the double arithmetic (2^-53) is far below.
double sequence_resolution(const PhasorState &s) {
    const double unit = std::ldexp(1.0, -24);
    const double phases[][2] = {{s.va_mag, s.va_ang}, {s.vb_mag, s.vb_ang}, {s.vc_mag, s.vc_ang}};
    double sum = 0;
    for (const auto &[mag, ang] : phases)
        sum += std::abs(mag) * (2 * std::abs(ang) + 2 * std::numbers::pi / 3 + 2);
    return 2 * unit * sum / 3;
}

std::optional<Unbalance> unbalance(const PhasorState &s) {
    // A magnitude entered negative turns its phasor; its length is what counts.
    const double v0 = std::abs(s.v0_mag);
    const double v1 = std::abs(s.v1_mag);
    const double v2 = std::abs(s.v2_mag);
    if (v1 == 0)
        return std::nullopt;
    const double resolution = sequence_resolution(s);
    return Unbalance{100 * v2 / v1, 100 * v0 / v1, v2 - v1 > resolution,
                     std::abs(v2 - v1) <= resolution};
}

} // namespace calc
