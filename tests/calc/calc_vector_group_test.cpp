#include "calc/vector_group.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

using calc::GroupError, calc::Phasor;

Phasor at(double mag, double degrees) {
    return std::polar(mag, degrees * std::numbers::pi / 180);
}

TEST(calc_vector_group, parses_into_the_canonical_spelling_or_says_why_not) {
    const std::pair<const char *, const char *> good[] = {
        {"Dyn11", "Dyn11"}, {"ynyn0", "YNyn0"}, {" yD1 ", "Yd1"}, {"DY5", "Dy5"},
        {"Yzn11", "Yzn11"}, {"Dzn0", "Dzn0"},   {"ZNd6", "ZNd6"}, {"Zz2", "Zz2"}};
    for (const auto &[text, canonical] : good) {
        const auto got = calc::parse_vector_group(text);
        ASSERT_TRUE(got.group) << text;
        EXPECT_EQ(calc::canonical_text(*got.group), canonical);
    }
    using E = GroupError;
    struct Bad {
        const char *text;
        GroupError error;
        std::size_t position;
    } const bad[] = {// clang-format off
        {"  ", E::empty, 2}, {"Xy1", E::first_winding, 0}, {"Y1", E::second_winding, 1},
        {"YN", E::second_winding, 2}, {"Dny1", E::delta_neutral, 1}, {"Ydn1", E::delta_neutral, 2},
        {"Dy", E::clock_missing, 2}, {"Dyn 11", E::clock_missing, 3}, {"Dy12", E::clock_range, 2},
        {"Dy011", E::clock_range, 2}, {"Dyn11x", E::trailing, 5}, {"Dy0", E::clock_parity, 2},
        {"Yy1", E::clock_parity, 2}, {"Yz2", E::clock_parity, 2}, {"Zy4", E::clock_parity, 2},
        {"Dz1", E::clock_parity, 2}, {"Zd11", E::clock_parity, 2}, {"Dd3", E::clock_parity, 2},
        {"YNd2", E::clock_parity, 3}};
    // clang-format on
    for (const auto &row : bad) {
        const auto got = calc::parse_vector_group(row.text);
        EXPECT_FALSE(got.group) << row.text;
        EXPECT_EQ(got.error, row.error) << row.text;
        EXPECT_EQ(got.position, row.position) << row.text;
    }
}

// The positive sequence turns by -30 h degrees, the negative by +30 h; zero sequence passes
// YNyn0 as it is and YNyn6 reversed, and no other group.
TEST(calc_vector_group, turns_the_sequences_by_the_clock_number) {
    struct Row {
        const char *group;
        double positive_degrees, negative_degrees;
        double zero_factor;
    } const rows[] = {{"Dyn11", 30, -30, 0}, {"Yd1", -30, 30, 0},     {"Dy5", -150, 150, 0},
                      {"YNyn0", 0, 0, 1},    {"YNyn6", 180, 180, -1}, {"YNyn2", -60, 60, 0},
                      {"YNy0", 0, 0, 0},     {"Yyn0", 0, 0, 0},       {"Dd0", 0, 0, 0}};
    const calc::Three sequences = {at(0.2, 10), at(1, 5), at(0.3, -70)};
    const auto first = calc::phase_set_of_sequences(sequences);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.group);
        const auto other =
            calc::through_transformer(first, *calc::parse_vector_group(row.group).group);
        const Phasor want[] = {row.zero_factor * sequences[0],
                               sequences[1] * at(1, row.positive_degrees),
                               sequences[2] * at(1, row.negative_degrees)};
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_LT(std::abs(other.sequences[i] - want[i]), 1e-6) << i;
    }
}

TEST(calc_vector_group, balanced_set_through_dyn11_comes_out_turned_forward) {
    const calc::Three abc = {at(1, 0), at(1, -120), at(1, 120)};
    const auto other = calc::through_transformer(calc::phase_set_of_phases(abc),
                                                 *calc::parse_vector_group("Dyn11").group);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_LT(std::abs(other.phases[i] - abc[i] * at(1, 30)), 1e-6) << i;
}

} // namespace
