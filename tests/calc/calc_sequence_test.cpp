#include "calc/sequence.h"

#include "calc/phasor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;

calc::PhasorState started() {
    calc::PhasorState s;
    calc::set_angle_constants(s);
    return s;
}

calc::PhasorState balanced_abc(double mag) {
    calc::PhasorState s = started();
    s.va_mag = s.vb_mag = s.vc_mag = mag;
    s.va_ang = 0;
    s.vb_ang = -2 * pi / 3;
    s.vc_ang = calc::to_single(2 * pi / 3);
    return s;
}

TEST(calc_abc_to_seq, all_zero_set_gives_zero_components_pointing_up) {
    calc::PhasorState s = started();
    calc::abc_to_seq(s);
    EXPECT_EQ(s.v0_mag, 0);
    EXPECT_EQ(s.v1_mag, 0);
    EXPECT_EQ(s.v2_mag, 0);
    EXPECT_EQ(s.v0_ang, pi / 2);
    EXPECT_EQ(s.v1_ang, pi / 2);
    EXPECT_EQ(s.v2_ang, calc::to_single(pi / 2));
}

TEST(calc_abc_to_seq, balanced_set_is_all_positive_sequence) {
    calc::PhasorState s = balanced_abc(2.0);
    calc::abc_to_seq(s);
    EXPECT_NEAR(s.v1_mag, 2.0, 1e-7);
    EXPECT_NEAR(s.v1_ang, 0.0, 1e-7);
    EXPECT_LT(s.v0_mag, 1e-7);
    EXPECT_LT(s.v2_mag, 1e-7);
}

TEST(calc_abc_to_seq, negative_magnitudes_turn_the_components_half_a_turn) {
    calc::PhasorState s = balanced_abc(-2.0);
    calc::abc_to_seq(s);
    EXPECT_NEAR(s.v1_mag, 2.0, 1e-7);
    EXPECT_NEAR(std::abs(s.v1_ang), pi, 1e-7);
    EXPECT_NEAR(s.v1_real, -2.0, 1e-7);
}

TEST(calc_abc_to_seq, reads_the_phases_in_polar_form_only) {
    calc::PhasorState clean = balanced_abc(1.0);
    calc::PhasorState stale = clean;
    stale.va_real = stale.vb_real = stale.vc_real = 7;
    stale.va_imag = stale.vb_imag = 7;
    stale.vc_imag = 7;
    calc::abc_to_seq(clean);
    calc::abc_to_seq(stale);
    EXPECT_EQ(stale.va_real, clean.va_real);
    EXPECT_EQ(stale.vc_imag, clean.vc_imag);
    EXPECT_EQ(stale.v0_real, clean.v0_real);
    EXPECT_EQ(stale.v2_imag, clean.v2_imag);
}

TEST(calc_seq_to_abc, reads_the_components_in_polar_form_only) {
    calc::PhasorState clean = started();
    clean.v0_mag = 0.5;
    clean.v1_mag = 1;
    clean.v2_mag = 0.25;
    clean.v2_ang = 1.0F;
    calc::PhasorState stale = clean;
    stale.v0_real = stale.v1_real = stale.v2_real = 7;
    stale.v0_imag = stale.v1_imag = 7;
    stale.v2_imag = 7;
    calc::seq_to_abc(clean);
    calc::seq_to_abc(stale);
    EXPECT_EQ(stale.v2_imag, clean.v2_imag);
    EXPECT_EQ(stale.vc_real, clean.vc_real);
    EXPECT_EQ(stale.vc_imag, clean.vc_imag);
}

TEST(calc_seq_to_abc, after_abc_to_seq_gives_the_phases_back_up_to_rounding) {
    calc::PhasorState s = started();
    s.va_mag = 1.5;
    s.vb_mag = 0.7;
    s.vc_mag = 2.25;
    s.va_ang = 0.3;
    s.vb_ang = -2.0;
    s.vc_ang = 2.5F;
    const calc::PhasorState entered = s;
    calc::abc_to_seq(s);
    calc::seq_to_abc(s);
    EXPECT_NEAR(s.va_mag, entered.va_mag, 1e-6);
    EXPECT_NEAR(s.vb_mag, entered.vb_mag, 1e-6);
    EXPECT_NEAR(s.vc_mag, entered.vc_mag, 1e-6);
    EXPECT_NEAR(s.va_ang, entered.va_ang, 1e-6);
    EXPECT_NEAR(s.vb_ang, entered.vb_ang, 1e-6);
    EXPECT_NEAR(s.vc_ang, entered.vc_ang, 1e-6);
    const bool bit_for_bit = s.va_mag == entered.va_mag && s.vb_mag == entered.vb_mag &&
                             s.vc_mag == entered.vc_mag && s.va_ang == entered.va_ang &&
                             s.vb_ang == entered.vb_ang && s.vc_ang == entered.vc_ang;
    EXPECT_FALSE(bit_for_bit);
}

TEST(calc_seq_to_abc, phase_c_beyond_the_single_range_becomes_infinite) {
    // Three components of 3e38 that all point up add to 9e38 in the single vc_imag.
    calc::PhasorState s = started();
    s.v0_mag = s.v1_mag = s.v2_mag = 3e38;
    s.v0_ang = pi / 2;
    s.v1_ang = pi / 2 - 2 * pi / 3;
    s.v2_ang = calc::to_single(pi / 2 + 2 * pi / 3);
    calc::seq_to_abc(s);
    EXPECT_EQ(s.vc_imag, std::numeric_limits<float>::infinity());
    EXPECT_EQ(s.vc_mag, std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isfinite(s.va_imag));
}

} // namespace
