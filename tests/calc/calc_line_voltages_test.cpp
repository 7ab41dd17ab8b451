#include "calc/line_voltages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using calc::LineRefusal, calc::Phasor;

Phasor at(double mag, double degrees) {
    return std::polar(mag, degrees * std::numbers::pi / 180);
}

void expect_polar(Phasor got, double mag, double degrees, double mag_tol, double deg_tol) {
    EXPECT_NEAR(std::abs(got), mag, mag_tol) << got;
    EXPECT_NEAR(calc::wrap_degrees(calc::degrees_of(got) - degrees), 0, deg_tol) << got;
}

// A relay manual's metering example, as phasors and as three voltmeter readings.
TEST(calc_line_voltages, metering_example_gives_its_sequence_voltages) {
    const auto polar = calc::sequences_of_line({at(84.9, 0), at(138.3, -144), at(85.4, -288)});
    ASSERT_EQ(polar.refusal, LineRefusal::none);
    expect_polar(polar.positive, 56.56, -54.0, 0.005, 0.05);
    expect_polar(polar.negative, 23.19, 126.2, 0.005, 0.05);
    // The triangle of the magnitudes alone is the same triangle, closed exactly.
    const auto magnitudes = calc::sequences_of_line_magnitudes(84.9, 138.3, 85.4);
    ASSERT_EQ(magnitudes.refusal, LineRefusal::none);
    EXPECT_LT(magnitudes.residue, 1e-12);
    expect_polar(magnitudes.positive, 56.56, -54.0, 0.2, 0.3);
    expect_polar(magnitudes.negative, 23.19, 126.2, 0.2, 0.3);
}

// The sum of a polar triangle may reach 1 % of its largest side.
TEST(calc_line_voltages, open_triangles_are_refused_with_their_residue) {
    for (const calc::Three line : {calc::Three{at(100, 0), at(100, -120), at(100.9, 120)},
                                   {at(100, 0), at(100, -120), at(101.1, 120)},
                                   {at(100, 0), at(100, -120), at(100, 121)}}) {
        const auto got = calc::sequences_of_line(line);
        const bool open = std::abs(line[2]) > 101 || calc::degrees_of(line[2]) > 120.5;
        EXPECT_EQ(got.refusal, open ? LineRefusal::not_closed : LineRefusal::none) << line[2];
        EXPECT_EQ(got.positive == Phasor{}, open);
        EXPECT_NEAR(got.residue, std::abs(line[0] + line[1] + line[2]), 1e-12);
    }
}

// u2 from the magnitudes alone equals |V2| / |V1| of the triangle they form.
TEST(calc_line_voltages, magnitude_unbalance_matches_the_triangle) {
    const double rows[][3] = {{1, 1, 1}, {84.9, 138.3, 85.4}, {400, 410, 395}, {1, 1, 2},
                              {0, 5, 5}, {230, 0.5, 230},     {3, 4, 5}};
    for (const auto &row : rows) {
        SCOPED_TRACE(testing::Message() << row[0] << " " << row[1] << " " << row[2]);
        const auto u2 = calc::magnitude_unbalance_percent(row[0], row[1], row[2]);
        const auto triangle = calc::sequences_of_line_magnitudes(row[0], row[1], row[2]);
        ASSERT_TRUE(u2);
        ASSERT_EQ(triangle.refusal, LineRefusal::none);
        EXPECT_NEAR(*u2, 100 * std::abs(triangle.negative) / std::abs(triangle.positive), 1e-6);
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_NEAR(std::abs(triangle.line[i]), row[i], 1e-9);
    }
    for (const auto &[ab, bc, ca] : {std::array{1.0, 1.0, 2.1}, {5, 1, 1}, {-1, 1, 1}, {0, 0, 0}}) {
        EXPECT_FALSE(calc::magnitude_unbalance_percent(ab, bc, ca));
        EXPECT_EQ(calc::sequences_of_line_magnitudes(ab, bc, ca).refusal,
                  ab + bc + ca == 0 ? LineRefusal::none : LineRefusal::impossible_triangle);
    }
}

} // namespace
