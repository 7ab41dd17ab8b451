// Whole conversions as the Convert command runs them, compared by the texts it shows.
// The near-zero residues depend on which variables are held in single precision.

#include "convert_steps.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>

namespace {

using calc_test::Entries;
using calc_test::Group;

struct ConvertCase {
    const char *name;
    Group group;
    Entries entries;
    std::map<std::string, std::string> shown;
};

void PrintTo(const ConvertCase &c, std::ostream *out) {
    *out << c.name;
}

class calc_convert_example : public testing::TestWithParam<ConvertCase> {};

TEST_P(calc_convert_example, shows_these_texts) {
    const ConvertCase &c = GetParam();
    const auto texts = calc_test::field_texts(calc_test::convert(c.group, c.entries));
    for (const auto &[field, expected] : c.shown) {
        EXPECT_EQ(texts.at(field), expected) << field;
    }
}

const ConvertCase examples[] = {
    {"start_up_abc_polar",
     Group::polar_abc,
     {{"1.0", "1.0", "1.0"}, {"0.0", "-120.0", "120.0"}},
     {{"real_a", "1.00E+00"},
      {"imag_a", "0.00E+00"},
      {"real_b", "-5.00E-01"},
      {"imag_b", "-8.66E-01"},
      {"real_c", "-5.00E-01"},
      {"imag_c", "8.66E-01"},
      {"mag_0", "1.45E-08"},
      {"ang_0", "-90.00"},
      {"mag_1", "1.00E+00"},
      {"ang_1", "0.00"},
      {"mag_2", "1.92E-08"},
      {"ang_2", "-90.00"},
      {"real_0", "-1.21E-08"},
      {"imag_0", "-7.89E-09"},
      {"real_1", "1.00E+00"},
      {"imag_1", "2.48E-08"},
      {"real_2", "1.21E-08"},
      {"imag_2", "-1.49E-08"}}},
    {"all_angles_ninety",
     Group::polar_abc,
     {{"1", "1", "1"}, {"90", "90", "90"}},
     {{"real_a", "1.22E-08"},
      {"real_b", "1.22E-08"},
      {"real_c", "-4.37E-08"},
      {"imag_a", "1.00E+00"},
      {"imag_b", "1.00E+00"},
      {"imag_c", "1.00E+00"}}},
    {"start_up_abc_rectangular",
     Group::rectangular_abc,
     {{"1.0", "1.0", "1.0"}, {"1.0", "1.0", "1.0"}},
     {{"mag_a", "1.41E+00"},
      {"ang_a", "45.00"},
      {"mag_b", "1.41E+00"},
      {"ang_b", "45.00"},
      {"mag_c", "1.41E+00"},
      {"ang_c", "45.00"},
      {"mag_0", "1.41E+00"},
      {"ang_0", "45.00"},
      {"mag_1", "1.81E-08"},
      {"ang_1", "-90.00"},
      {"mag_2", "2.48E-08"},
      {"ang_2", "-90.00"}}},
    {"phase_a_on_the_negative_real_axis",
     Group::rectangular_abc,
     {{"-1", "1", "1"}, {"0", "0", "0"}},
     {{"mag_a", "1.00E+00"},
      {"ang_a", "180.00"},
      {"mag_0", "3.33E-01"},
      {"ang_0", "0.00"},
      {"mag_1", "6.67E-01"},
      {"ang_1", "180.00"},
      {"mag_2", "6.67E-01"},
      {"ang_2", "180.00"}}},
    {"phase_a_zero",
     Group::rectangular_abc,
     {{"0", "1", "1"}, {"0", "0", "0"}},
     {{"mag_a", "0.00E+00"}, {"ang_a", "90.00"}}},
    {"start_up_012_polar",
     Group::polar_012,
     {{"1.0", "1.0", "1.0"}, {"0.0", "0.0", "0.0"}},
     {{"mag_a", "3.00E+00"},
      {"ang_a", "0.00"},
      {"mag_b", "4.44E-16"},
      {"ang_b", "90.00"},
      {"mag_c", "6.16E-08"},
      {"ang_c", "90.00"},
      {"real_a", "3.00E+00"},
      {"imag_a", "0.00E+00"},
      {"real_b", "4.44E-16"},
      {"imag_b", "0.00E+00"},
      {"real_c", "-5.96E-08"},
      {"imag_c", "1.55E-08"},
      {"real_2", "1.00E+00"},
      {"imag_2", "0.00E+00"}}},
    {"start_up_012_rectangular",
     Group::rectangular_012,
     {{"1.0", "1.0", "1.0"}, {"0.0", "0.0", "0.0"}},
     {{"mag_0", "1.00E+00"},
      {"ang_0", "0.00"},
      {"mag_2", "1.00E+00"},
      {"ang_2", "0.00"},
      {"mag_b", "4.44E-16"},
      {"mag_c", "6.16E-08"},
      {"real_c", "-5.96E-08"},
      {"imag_c", "1.55E-08"}}},
    {"positive_and_negative_sequence_opposed",
     Group::polar_012,
     {{"0", "1", "1"}, {"0", "0", "180"}},
     {{"mag_a", "8.74E-08"},
      {"ang_a", "-90.00"},
      {"mag_b", "1.73E+00"},
      {"ang_b", "-90.00"},
      {"mag_c", "1.73E+00"},
      {"ang_c", "90.00"},
      {"real_a", "3.77E-15"},
      {"imag_a", "-8.74E-08"},
      {"real_b", "7.57E-08"},
      {"real_c", "-2.98E-08"},
      {"imag_2", "-8.74E-08"}}},
    {"negative_sequence_imaginary_part_cancels_in_phase_a",
     Group::polar_012,
     {{"0", "1", "1"}, {"0", "-150", "30"}},
     {{"mag_a", "1.78E-08"},
      {"ang_a", "-90.00"},
      {"real_a", "2.85E-09"},
      {"imag_a", "-1.76E-08"},
      {"mag_b", "1.73E+00"},
      {"ang_b", "120.00"},
      {"ang_c", "-60.00"}}},
    {"all_zero",
     Group::polar_abc,
     {{"0", "0", "0"}, {"0", "0", "0"}},
     {{"mag_0", "0.00E+00"},
      {"ang_0", "90.00"},
      {"mag_1", "0.00E+00"},
      {"ang_1", "90.00"},
      {"mag_2", "0.00E+00"},
      {"ang_2", "90.00"}}},
};

INSTANTIATE_TEST_SUITE_P(rows, calc_convert_example, testing::ValuesIn(examples),
                         [](const testing::TestParamInfo<ConvertCase> &info) {
                             return info.param.name;
                         });

} // namespace
