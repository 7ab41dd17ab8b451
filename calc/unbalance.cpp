#include "calc/unbalance.h"

#include <cmath>
#include <numbers>

namespace calc {

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
