#include "calc/phasor.h"
#include "calc/sequence.h"
#include "calc/unbalance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

// |V2| - |V1| at 0.9 and 1.1 times the phase-order tolerance, written out here on its own
// (2^-24 (2 |a| + 2 pi / 3 + 2) / 3 per unit of each phase, twice over), with phases near
// +-180 degrees: a halved tolerance, or one computed from signed angles, moves the verdict.
TEST(calc_unbalance_boundary, phase_order_turns_only_beyond_the_tolerance) {
    constexpr double pi = std::numbers::pi;
    const double angle_sets[][3] = {
        {pi - 1e-3, -pi + 2e-3, pi - 3e-3}, {-pi + 1e-3, -pi + 2e-3, -pi + 3e-3}, {0, -pi, 2}};
    const double mag[3] = {1.5, 2, 0.75};
    for (const auto &ang : angle_sets) {
        calc::PhasorState s;
        s.va_mag = mag[0], s.vb_mag = mag[1], s.vc_mag = mag[2];
        s.va_ang = ang[0], s.vb_ang = ang[1], s.vc_ang = calc::to_single(ang[2]);
        const double held[3] = {ang[0], ang[1], s.vc_ang};
        double tolerance = 0;
        for (int i = 0; i < 3; ++i)
            tolerance += 2 * std::ldexp(mag[i], -24) * (2 * std::abs(held[i]) + 2 * pi / 3 + 2) / 3;
        for (const double factor : {-1.1, -0.9, 0.9, 1.1}) {
            SCOPED_TRACE(testing::Message() << ang[1] << " at " << factor);
            s.v1_mag = 2;
            s.v2_mag = 2 + factor * tolerance;
            const auto u = calc::unbalance(s);
            ASSERT_TRUE(u);
            EXPECT_EQ(u->turns_acb, factor > 1);
            EXPECT_EQ(u->equal_sequences, std::abs(factor) < 1);
        }
    }
}

// V0 sums the phases left to right: 1 + 1e-16 is 1, twice over, while 1e-16 + 1e-16 first
// would reach the next double above 1.
TEST(calc_abc_to_seq_order, zero_sequence_sums_phase_a_first) {
    calc::PhasorState s;
    s.va_mag = 1;
    s.vb_mag = s.vc_mag = 1e-16;
    calc::abc_to_seq(s);
    EXPECT_EQ(s.v0_real, 1.0 / 3);
}

} // namespace
