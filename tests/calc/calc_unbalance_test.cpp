#include "calc/phasor.h"
#include "calc/sequence.h"
#include "calc/unbalance.h"

#include <gtest/gtest.h>

#include <iterator>

namespace {

// The phases in polar form, angles in degrees, through the program's own transform.
calc::PhasorState phases(double ma, double aa, double mb, double ab, double mc, double ac) {
    calc::PhasorState s;
    calc::set_angle_constants(s);
    s.va_mag = ma, s.vb_mag = mb, s.vc_mag = mc;
    s.va_ang = aa * double(s.pi180), s.vb_ang = ab * double(s.pi180);
    s.vc_ang = calc::to_single(ac * double(s.pi180));
    calc::abc_to_seq(s);
    return s;
}

// The phases in rectangular form as the window reads them (imag_c a single).
calc::PhasorState rectangular(double rb, double ib, double rc, float ic) {
    calc::PhasorState s;
    calc::set_angle_constants(s);
    calc::rect_to_polar(rb, ib, s.vb_mag, s.vb_ang);
    calc::rect_to_polar(rc, ic, s.vc_mag, s.vc_ang);
    calc::abc_to_seq(s);
    return s;
}

struct UnbalanceCase {
    const char *name;
    calc::PhasorState state;
    double negative_percent, zero_percent;
    bool turns_acb;
};

TEST(calc_unbalance, ratios_of_the_sequence_magnitudes) {
    const UnbalanceCase rows[] = {
        {"textbook set", phases(10, 0, 8, -110, 12, 125), 15.9, 7.8, false},
        {"balanced", phases(1, 0, 1, -120, 1, 120), 0.0, 0.0, false},
        // B and C swapped: V1 and V0 are rounding residues, V2 the whole set.
        {"B and C swapped", phases(1, 0, 1, 120, 1, -120), 0.0, 0.0, true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const auto u = calc::unbalance(row.state);
        ASSERT_TRUE(u);
        EXPECT_EQ(u->turns_acb, row.turns_acb);
        if (row.turns_acb) {
            EXPECT_GT(u->negative_percent, 1e6);
            continue;
        }
        EXPECT_NEAR(u->negative_percent, row.negative_percent, 0.05);
        EXPECT_NEAR(u->zero_percent, row.zero_percent, 0.05);
    }
}

TEST(calc_unbalance, no_ratio_without_a_positive_sequence) {
    EXPECT_FALSE(calc::unbalance(phases(0, 0, 0, 0, 0, 0)));
    calc::PhasorState negative_entry;
    negative_entry.v1_mag = -2, negative_entry.v2_mag = 1, negative_entry.v0_mag = -1;
    const auto u = calc::unbalance(negative_entry);
    ASSERT_TRUE(u);
    EXPECT_EQ(u->negative_percent, 50.0);
    EXPECT_EQ(u->zero_percent, 50.0);
}

// The B-C fault (IB = -IC, so |V2| = |V1|) in four typings gives no verdict from rounding
// noise; C a hundredth of a degree off, or B and C swapped, does.
TEST(calc_unbalance, rounding_noise_gives_no_phase_order) {
    const calc::PhasorState sets[] = {
        rectangular(-0.5, -4.33, 0.5, 4.33F), phases(0, 0, 1, -30, 1, 150),
        phases(0, 0, 2, -100, 2, 80),         phases(0, 0, 4.33, -90, 4.33, 90),
        phases(0, 0, 1, -30, 1, 149.99),      phases(1, 0, 1, 120, 1, -120)};
    for (std::size_t i = 0; i < std::size(sets); ++i) {
        const auto u = calc::unbalance(sets[i]);
        ASSERT_TRUE(u);
        EXPECT_EQ(u->turns_acb, i >= 4) << i;
        EXPECT_EQ(u->equal_sequences, i < 4) << i;
    }
}

} // namespace
