// Where the phasors are drawn: every case is converted through the window and each drawn
// line is compared with an independent complex-number model of the four diagrams, all
// scaled so that the longest of A, B, C is one radius.
#include "tests/plot/plot_view.h"

#include <algorithm>
#include <charconv>
#include <complex>
#include <cstring>
#include <random>
#include <string>

namespace {

using namespace plot_test;
using cplx = std::complex<double>;

struct Case {
    const char *name;
    int group;
    Texts texts;
};

double number(const char *text) {
    double value = 0;
    const char *end = text + std::strlen(text);
    const auto result = std::from_chars(text, end, value);
    EXPECT_TRUE(result.ec == std::errc() && result.ptr == end) << text;
    return value;
}

cplx phasor_of(int group, const Texts &t, std::size_t row) {
    const double first = number(t[row]);
    const double second = number(t[row + 3]);
    if (group % 2 == 0)
        return std::polar(1.0, second * std::numbers::pi / 180) * first;
    return {first, second};
}

// The expected diagrams, in drawing order: A B C; V1 and V1 turned by -120 and +120
// degrees; V2 and V2 turned by +120 and -120 degrees; V0.
std::vector<std::vector<Phasor>> model(const Case &c) {
    const cplx a = std::polar(1.0, 2 * std::numbers::pi / 3);
    std::array<cplx, 3> abc{};
    std::array<cplx, 3> seq{};
    std::array<double, 3> phase_mag{};
    for (std::size_t k = 0; k < 3; ++k)
        (c.group < 2 ? abc : seq)[k] = phasor_of(c.group, c.texts, k);
    if (c.group < 2) {
        seq = {(abc[0] + abc[1] + abc[2]) / 3.0, (abc[0] + a * abc[1] + a * a * abc[2]) / 3.0,
               (abc[0] + a * a * abc[1] + a * abc[2]) / 3.0};
    } else {
        abc = {seq[0] + seq[1] + seq[2], seq[0] + a * a * seq[1] + a * seq[2],
               seq[0] + a * seq[1] + a * a * seq[2]};
    }
    // A typed magnitude may be negative; the scale goes by its size.
    for (std::size_t k = 0; k < 3; ++k)
        phase_mag[k] = c.group == 0 ? std::abs(number(c.texts[k])) : std::abs(abc[k]);
    const double scale = *std::max_element(phase_mag.begin(), phase_mag.end());
    const auto drawn = [&](cplx v, toolkit::Colour colour) {
        return Phasor{colour, std::abs(v) / scale, std::arg(v) * 180 / std::numbers::pi};
    };
    return {
        {drawn(abc[0], black), drawn(abc[1], red), drawn(abc[2], blue)},
        {drawn(seq[1], black), drawn(seq[1] * a * a, red), drawn(seq[1] * a, blue)},
        {drawn(seq[2], black), drawn(seq[2] * a, red), drawn(seq[2] * a * a, blue)},
        {drawn(seq[0], black)},
    };
}

void expect_drawn_as_model(const std::vector<toolkit::DrawOp> &ops, const Case &c) {
    const auto expected = model(c);
    const auto drawn = diagrams(ops);
    ASSERT_EQ(drawn.size(), 4U);
    for (std::size_t h = 0; h < 4; ++h) {
        ASSERT_EQ(drawn[h].phasors.size(), expected[h].size()) << "diagram " << h;
        for (std::size_t i = 0; i < expected[h].size(); ++i) {
            const Phasor &got = drawn[h].phasors[i];
            const Phasor &want = expected[h][i];
            const std::string where =
                "diagram " + std::to_string(h) + " phasor " + std::to_string(i);
            EXPECT_EQ(got.colour, want.colour) << where;
            EXPECT_NEAR(got.length, want.length, 2e-5) << where;
            if (want.length > 1e-3) {
                EXPECT_LT(angle_between(got.angle, want.angle), 2e-3)
                    << where << " at " << got.angle;
            }
            EXPECT_EQ(drawn[h].lines[i].x1, centre_x[h]) << where;
            EXPECT_EQ(drawn[h].lines[i].y1, centre_y) << where;
        }
    }
}

class PlotGeometry : public ::testing::TestWithParam<Case> {};

// State: fresh window. Action: type the case into its group, press CONVERT.
// Expected: the four diagrams show the model's phasors, longest phase on the outer circle.
TEST_P(PlotGeometry, phasors_follow_the_model_at_one_scale) {
    auto form = testing_support::shown_form();
    convert(*form, GetParam().group, GetParam().texts);
    expect_drawn_as_model(form->canvas().last_call(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlotGeometry,
    ::testing::Values(
        Case{"startup_balanced_set", 0, {"1.0", "1.0", "1.0", "0.0", "-120.0", "120.0"}},
        Case{"three_equal_phases_at_zero", 0, {"1", "1", "1", "0", "0", "0"}},
        Case{"sequence_polar_defaults", 2, {"1.0", "1.0", "1.0", "0.0", "0.0", "0.0"}},
        Case{"sequence_rectangular_defaults", 3, {"1.0", "1.0", "1.0", "0.0", "0.0", "0.0"}},
        Case{"phase_rectangular_defaults", 1, {"1.0", "1.0", "1.0", "1.0", "1.0", "1.0"}},
        Case{"largest_is_c", 0, {"1", "2", "4", "0", "90", "-90"}},
        Case{"largest_is_b", 0, {"1", "3", "2", "10", "20", "30"}},
        Case{"two_equal_largest", 0, {"2", "2", "1", "0", "90", "180"}},
        Case{"equal_sizes_opposite_signs", 0, {"-2", "2", "0", "0", "45", "0"}},
        Case{"negative_magnitudes", 0, {"-10", "2", "-3", "0", "0", "0"}},
        Case{"all_negative", 0, {"-1", "-2", "-0.5", "30", "-90", "200"}},
        Case{"large_values", 0, {"3E+15", "1E+15", "2E+15", "-170", "60", "95"}},
        Case{"small_values", 0, {"3E-04", "1E-04", "2E-04", "-170", "60", "95"}}),
    [](const auto &info) { return std::string(info.param.name); });

// State: fresh window. Action: the largest phase just above 1e-6. Expected: a full
// drawing with that phase on the outer circle. (The turned sequence phasors are not
// compared: components this small get their angle on the imaginary axis.)
TEST(PlotGeometryThreshold, just_above_the_threshold_draws_everything) {
    auto form = testing_support::shown_form();
    const Case c{"just_above", 0, {"1.000001E-06", "0", "5E-07", "30", "0", "-60"}};
    convert(*form, c.group, c.texts);
    const auto &ops = form->canvas().last_call();
    EXPECT_EQ(ops.size(), 31U);
    const auto drawn = diagrams(ops);
    ASSERT_EQ(drawn.size(), 4U);
    const auto expected = model(c);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(drawn[0].phasors[i].length, expected[0][i].length, 2e-5) << "phase " << i;
        if (expected[0][i].length > 0) {
            EXPECT_LT(angle_between(drawn[0].phasors[i].angle, expected[0][i].angle), 2e-3);
        }
    }
    EXPECT_NEAR(drawn[0].phasors[0].length, 1.0, 1e-6);
    EXPECT_EQ(form->model().state().jslot, 1);
}

// Expected: with no negative magnitudes no phasor of any diagram leaves the outer circle,
// since no sequence component is longer than the longest phase.
TEST(PlotGeometryBounds, no_phasor_leaves_the_outer_circle) {
    auto form = testing_support::shown_form();
    std::mt19937 random(20240611);
    std::uniform_real_distribution<double> size(0.0, 100.0);
    std::uniform_real_distribution<double> part(-100.0, 100.0);
    std::uniform_real_distribution<double> angle(-360.0, 360.0);
    for (int trial = 0; trial < 24; ++trial) {
        const int group = trial % 4;
        std::array<std::string, 6> texts;
        for (std::size_t i = 0; i < 6; ++i) {
            const double v = group % 2 == 1 ? part(random) : (i < 3 ? size(random) : angle(random));
            std::array<char, 32> buffer{};
            const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                           std::round(v * 1000) / 1000);
            texts[i].assign(buffer.data(), end.ptr);
        }
        convert(*form, group,
                {texts[0].c_str(), texts[1].c_str(), texts[2].c_str(), texts[3].c_str(),
                 texts[4].c_str(), texts[5].c_str()});
        const auto drawn = diagrams(form->canvas().last_call());
        ASSERT_EQ(drawn.size(), 4U) << "trial " << trial;
        double longest_phase = 0;
        for (const Phasor &p : drawn[0].phasors)
            longest_phase = std::max(longest_phase, p.length);
        EXPECT_NEAR(longest_phase, 1.0, 1e-5) << "trial " << trial;
        for (const Diagram &d : drawn)
            for (const Phasor &p : d.phasors)
                EXPECT_LE(p.length, 1.0 + 1e-5) << "trial " << trial << " group " << group;
    }
}

} // namespace
