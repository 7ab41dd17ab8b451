#include "calc/phasor.h"
#include "calc/sequence.h"
#include "calc/unbalance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;

// The phase-order tolerance, written out here on its own: each phase of magnitude m at angle
// a (radians) contributes m 2^-24 (2 |a| + 2 pi / 3 + 2) / 3 to V1 and to V2, twice that to
// their difference.
double bound(const double (&mag)[3], const double (&ang)[3]) {
    double sum = 0;
    for (int i = 0; i < 3; ++i)
        sum += mag[i] * (2 * std::abs(ang[i]) + 2 * pi / 3 + 2);
    return 2 * std::ldexp(1.0, -24) * sum / 3;
}

// |V2| - |V1| at 0.9 and 1.1 times the tolerance, with phases near +180 and near -180
// degrees: a halved tolerance or one computed from signed angles moves the verdict.
TEST(calc_unbalance_boundary, phase_order_turns_only_beyond_the_tolerance) {
    const double angle_sets[][3] = {{pi - 1e-3, -pi + 2e-3, pi - 3e-3},
                                    {-pi + 1e-3, -pi + 2e-3, -pi + 3e-3},
                                    {0, -pi + 1e-3, 2 * pi / 3}};
    const double mag[3] = {1.5, 2, 0.75};
    for (const auto &ang : angle_sets) {
        calc::PhasorState s;
        s.va_mag = mag[0], s.vb_mag = mag[1], s.vc_mag = mag[2];
        s.va_ang = ang[0], s.vb_ang = ang[1], s.vc_ang = calc::to_single(ang[2]);
        const double exact[3] = {ang[0], ang[1], s.vc_ang};
        const double tolerance = bound(mag, exact);
        for (const double factor : {-1.1, -0.9, 0.9, 1.1}) {
            SCOPED_TRACE(testing::Message() << ang[1] << " at " << factor);
            s.v1_mag = 2;
            s.v2_mag = 2 + factor * tolerance;
            ASSERT_NE(s.v2_mag - s.v1_mag, 0);
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
    calc::set_angle_constants(s);
    s.va_mag = 1;
    s.vb_mag = s.vc_mag = 1e-16;
    calc::abc_to_seq(s);
    EXPECT_EQ(s.v0_real, 1.0 / 3);
    EXPECT_EQ(s.v0_mag, 1.0 / 3);
}

} // namespace
