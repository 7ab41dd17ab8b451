#include "calc/single.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace {

constexpr float inf = std::numeric_limits<float>::infinity();

struct SingleCase {
    const char *name;
    double value;
    float expected;
};

class calc_to_single_table : public testing::TestWithParam<SingleCase> {};

TEST_P(calc_to_single_table, rounds_like_the_hardware) {
    const SingleCase &c = GetParam();
    const float result = calc::to_single(c.value);
    EXPECT_EQ(result, c.expected);
    EXPECT_EQ(std::signbit(result), std::signbit(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    rows, calc_to_single_table,
    testing::Values(SingleCase{"one_tenth", 0.1, 0.1F},
                    SingleCase{"half_way_goes_to_even_down", 1.0 + 0x1p-24, 1.0F},
                    SingleCase{"half_way_goes_to_even_up", 1.0 + 0x3p-24, 1.0F + 0x1p-22F},
                    SingleCase{"negative_zero", -0.0, -0.0F},
                    SingleCase{"smallest_subnormal", 0x1p-149, 0x1p-149F},
                    SingleCase{"below_half_the_smallest_subnormal", 0x1p-151, 0.0F},
                    SingleCase{"largest_single", FLT_MAX, FLT_MAX},
                    SingleCase{"just_below_the_overflow_tie", 0x1.fffffefffffffp127, FLT_MAX},
                    SingleCase{"overflow_tie_rounds_to_infinity", 0x1.ffffffp127, inf},
                    SingleCase{"negative_overflow_tie", -0x1.ffffffp127, -inf},
                    SingleCase{"far_beyond_the_range", 1e300, inf},
                    SingleCase{"far_beyond_the_negative_range", -1e39, -inf},
                    SingleCase{"infinity", std::numeric_limits<double>::infinity(), inf},
                    SingleCase{"negative_infinity", -std::numeric_limits<double>::infinity(),
                               -inf}),
    [](const testing::TestParamInfo<SingleCase> &info) { return info.param.name; });

TEST(calc_to_single, nan_stays_nan) {
    EXPECT_TRUE(std::isnan(calc::to_single(std::numeric_limits<double>::quiet_NaN())));
}

TEST(calc_square, of_a_single_is_rounded_to_single) {
    const float x = 1.1F;
    const double exact = static_cast<double>(x) * static_cast<double>(x);
    EXPECT_NE(calc::square(x), exact);
    EXPECT_EQ(calc::square(x), static_cast<double>(x * x));
    EXPECT_EQ(calc::square(static_cast<double>(x)), exact);
}

TEST(calc_square, of_a_large_single_overflows_to_infinity) {
    EXPECT_EQ(calc::square(2e19F), std::numeric_limits<double>::infinity());
    EXPECT_EQ(calc::square(2e19), 4e38);
}

} // namespace
