#include "calc/phasor.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;

TEST(calc_angle_constants, pi_and_pi180_after_start_up) {
    calc::PhasorState s;
    calc::set_angle_constants(s);
    EXPECT_EQ(calc::pi, 4.0 * std::atan(1.0));
    EXPECT_EQ(s.pi180, std::bit_cast<float>(0x3C8EFA35U));
}

struct RectCase {
    const char *name;
    double real;
    double imag;
    double mag;
    double ang;
};

class calc_rect_to_polar_table : public testing::TestWithParam<RectCase> {};

TEST_P(calc_rect_to_polar_table, gives_magnitude_and_angle) {
    const RectCase &c = GetParam();
    double mag = -1;
    double ang = -1;
    calc::rect_to_polar(c.real, c.imag, mag, ang);
    EXPECT_DOUBLE_EQ(mag, c.mag);
    EXPECT_DOUBLE_EQ(ang, c.ang);
}

INSTANTIATE_TEST_SUITE_P(
    rows, calc_rect_to_polar_table,
    testing::Values(
        RectCase{"zero_phasor_points_up", 0, 0, 0, pi / 2},
        RectCase{"negative_real_axis_is_half_a_turn", -1, 0, 1, pi},
        RectCase{"positive_real_axis", 1, 0, 1, 0},
        RectCase{"positive_imaginary_axis", 0, 2, 2, pi / 2},
        RectCase{"negative_imaginary_axis", 0, -2, 2, -pi / 2},
        RectCase{"first_quadrant", 1, 1, std::sqrt(2.0), pi / 4},
        RectCase{"second_quadrant", -1, 1, std::sqrt(2.0), 3 * pi / 4},
        RectCase{"third_quadrant", -1, -1, std::sqrt(2.0), -3 * pi / 4},
        RectCase{"fourth_quadrant", 1, -1, std::sqrt(2.0), -pi / 4},
        RectCase{"tiny_real_part_with_negative_imag", 1e-7, -5, std::hypot(1e-7, 5), -pi / 2},
        RectCase{"tiny_phasor_is_put_on_the_axis", 1e-7, 1e-7, std::hypot(1e-7, 1e-7), pi / 2},
        RectCase{"tiny_negative_real_part", -1e-7, 1e-7, std::hypot(1e-7, 1e-7), pi / 2},
        RectCase{"real_part_at_the_tolerance_is_inside", 1e-6, 1e-6, std::hypot(1e-6, 1e-6),
                 pi / 2},
        RectCase{"negative_real_part_at_the_tolerance", -1e-6, -1, std::hypot(1e-6, 1), -pi / 2}),
    [](const testing::TestParamInfo<RectCase> &info) { return info.param.name; });

TEST(calc_rect_to_polar, tolerance_is_strict_at_one_millionth) {
    const double just_beyond = std::nextafter(0.000001, 1.0);
    double mag = 0;
    double ang = 0;
    calc::rect_to_polar(just_beyond, 1.0, mag, ang);
    EXPECT_LT(ang, pi / 2);
    calc::rect_to_polar(0.000001, 1.0, mag, ang);
    EXPECT_EQ(ang, pi / 2);
}

TEST(calc_rect_to_polar, single_precision_angle_is_rounded_at_every_step) {
    // atan(4) is rounded to single before it is taken from pi, and the difference is rounded
    // again; rounding only the final angle would give the neighbouring single.
    const float atan_4 = calc::to_single(std::atan(4.0));
    const float stepwise_second = calc::to_single(pi - static_cast<double>(atan_4));
    const float stepwise_third = calc::to_single(static_cast<double>(atan_4) - pi);
    ASSERT_NE(stepwise_second, calc::to_single(pi - std::atan(4.0)));

    double mag = 0;
    float ang = 0;
    calc::rect_to_polar(-1.0, 4.0, mag, ang);
    EXPECT_EQ(ang, stepwise_second);
    calc::rect_to_polar(-1.0, -4.0, mag, ang);
    EXPECT_EQ(ang, stepwise_third);
}

TEST(calc_rect_to_polar, single_precision_imaginary_input_squares_in_single) {
    const float imag = 1.1F;
    double mag_from_single = 0;
    double mag_from_double = 0;
    double ang = 0;
    calc::rect_to_polar(0.0, imag, mag_from_single, ang);
    calc::rect_to_polar(0.0, static_cast<double>(imag), mag_from_double, ang);
    EXPECT_EQ(mag_from_double, static_cast<double>(imag));
    EXPECT_NE(mag_from_single, static_cast<double>(imag));
    EXPECT_NEAR(mag_from_single, static_cast<double>(imag), 1e-7);
}

TEST(calc_rect_to_polar, magnitude_into_a_single_overflows_to_infinity) {
    float mag = 0;
    float ang = 0;
    calc::rect_to_polar(3e38, 3e38, mag, ang);
    EXPECT_EQ(mag, std::numeric_limits<float>::infinity());
    EXPECT_EQ(ang, calc::to_single(pi / 4));
}

struct PolarCase {
    const char *name;
    double mag;
    double ang;
    double real;
    double imag;
};

class calc_polar_to_rect_table : public testing::TestWithParam<PolarCase> {};

TEST_P(calc_polar_to_rect_table, gives_real_and_imaginary_parts) {
    const PolarCase &c = GetParam();
    double real = -1;
    double imag = -1;
    calc::polar_to_rect(c.mag, c.ang, real, imag);
    EXPECT_DOUBLE_EQ(real, c.real);
    EXPECT_DOUBLE_EQ(imag, c.imag);
}

INSTANTIATE_TEST_SUITE_P(
    rows, calc_polar_to_rect_table,
    testing::Values(PolarCase{"negative_magnitude_is_the_opposite_phasor", -2, 0, -2, 0},
                    PolarCase{"negative_magnitude_turned_a_quarter", -2, pi / 2,
                              -2 * std::cos(pi / 2), -2},
                    PolarCase{"angles_are_not_brought_back_into_range", 1, 4 * pi + pi / 6,
                              std::cos(4 * pi + pi / 6), std::sin(4 * pi + pi / 6)},
                    PolarCase{"zero_magnitude", 0, 1, 0, 0}),
    [](const testing::TestParamInfo<PolarCase> &info) { return info.param.name; });

TEST(calc_polar_to_rect, ninety_degrees_through_pi180_leaves_a_residue) {
    calc::PhasorState s;
    calc::set_angle_constants(s);
    const double in_double = 90.0 * static_cast<double>(s.pi180);
    const float in_single = calc::to_single(in_double);
    ASSERT_EQ(in_double, 1.5707963146269321);
    ASSERT_EQ(static_cast<double>(in_single), 1.5707963705062866);

    double real = 0;
    double imag = 0;
    calc::polar_to_rect(1.0, in_double, real, imag);
    EXPECT_NEAR(real, 1.2167964e-8, 1e-15);
    EXPECT_DOUBLE_EQ(imag, 1.0);
    calc::polar_to_rect(1.0, in_single, real, imag);
    EXPECT_NEAR(real, -4.371139e-8, 1e-15);
}

TEST(calc_polar_to_rect, rounds_each_output_to_its_precision) {
    double real = 0;
    float imag = 0;
    calc::polar_to_rect(1.0, pi / 3, real, imag);
    EXPECT_EQ(real, std::cos(pi / 3));
    EXPECT_EQ(imag, calc::to_single(std::sin(pi / 3)));
    EXPECT_NE(static_cast<double>(imag), std::sin(pi / 3));
}

TEST(calc_polar_to_rect, a_single_output_beyond_range_becomes_infinite) {
    double real = 0;
    float imag = 0;
    calc::polar_to_rect(-1e300, pi / 2, real, imag);
    EXPECT_EQ(imag, -std::numeric_limits<float>::infinity());
}

} // namespace
