#pragma once

#include <cfloat>
#include <cmath>
#include <limits>

namespace calc {

static_assert(std::numeric_limits<float>::is_iec559 && std::numeric_limits<double>::is_iec559,
              "the single and double kinds are IEEE binary32 and binary64");
// Every double expression must be evaluated in double, not in a wider register format.
static_assert(FLT_EVAL_METHOD == 0, "floating-point expressions must not use extended precision");

// Rounds a double to single precision (nearest, ties to even) the way the hardware does,
// including for finite values beyond the single range, which become +-inf instead of
// being undefined behaviour of the C++ conversion. NaN stays NaN.
constexpr float to_single(double value) {
    // FLT_MAX plus half its spacing: the tie rounds to even, which is the infinity.
    constexpr double overflow = 0x1.ffffffp127;
    constexpr float inf = std::numeric_limits<float>::infinity();
    if (value != value) {
        return std::numeric_limits<float>::quiet_NaN();
    }
    if (value >= overflow) {
        return inf;
    }
    if (value <= -overflow) {
        return -inf;
    }
    if (value > FLT_MAX) {
        return FLT_MAX;
    }
    if (value < -FLT_MAX) {
        return -FLT_MAX;
    }
    return static_cast<float>(value);
}
// Usable in constant expressions, also beyond the single range.
static_assert(to_single(1e39) == std::numeric_limits<float>::infinity());
static_assert(to_single(0.5) == 0.5F);

// Writes into a variable of either kind, rounding to the variable's precision.
constexpr void store(double &variable, double value) {
    variable = value;
}
constexpr void store(float &variable, double value) {
    variable = to_single(value);
}

// x * x in the precision of x: two singles multiply to a single.
constexpr double square(double x) {
    return x * x;
}
constexpr double square(float x) {
    const double wide = x;
    return to_single(wide * wide); // exact in double, so rounding once gives the single product
}

} // namespace calc
