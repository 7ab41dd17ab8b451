#include "toolkit/number_text.h"

#include <gtest/gtest.h>

#include <QString>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <utility>

namespace {

struct Formatted {
    double value;
    const char16_t *text;
};

TEST(NumberTextFormat, scientific_gives_two_decimals_and_a_signed_exponent) {
    const Formatted rows[] = {
        {1.0, u"1.00E+00"},
        {-0.5, u"-5.00E-01"},
        {1.45e-8, u"1.45E-08"},
        {123456.0, u"1.23E+05"},
        {-0.8660254037844386, u"-8.66E-01"},
        {0.0, u"0.00E+00"},
        {-0.0, u"0.00E+00"},
        {1e100, u"1.00E+100"},
        {1e-300, u"1.00E-300"},
        {-9.999e99, u"-1.00E+100"},
        {9.996, u"1.00E+01"},
        {1.125, u"1.12E+00"}, // an exact tie rounds to even
        {FLT_MAX, u"3.40E+38"},
        {std::numeric_limits<double>::denorm_min(), u"4.94E-324"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(toolkit::format_scientific(row.value, u"."), QString::fromUtf16(row.text));
    }
}

TEST(NumberTextFormat, fixed2_gives_two_decimals_without_grouping) {
    const Formatted rows[] = {
        {-120.0, u"-120.00"},
        {0.0, u"0.00"},
        {180.0, u"180.00"},
        {90.0, u"90.00"},
        {-90.0, u"-90.00"},
        {45.00000125, u"45.00"},
        {-179.999, u"-180.00"},
        {1234567.891, u"1234567.89"},
        {1e20, u"100000000000000000000.00"},
        {0.125, u"0.12"},   // an exact tie rounds to even
        {2.675, u"2.67"},   // the double lies just below 2.675
        {-0.005, u"-0.01"}, // the double lies just beyond -0.005
        // a displayed zero carries no minus sign
        {-0.0, u"0.00"},
        {-0.004, u"0.00"},
        {-1e-300, u"0.00"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(toolkit::format_fixed2(row.value, u"."), QString::fromUtf16(row.text));
    }
}

TEST(NumberTextFormat, results_carry_the_given_separator) {
    EXPECT_EQ(toolkit::format_scientific(-0.5, u","), u"-5,00E-01");
    EXPECT_EQ(toolkit::format_fixed2(-120.5, u","), u"-120,50");
    EXPECT_EQ(toolkit::format_fixed2(1.5, u"\u066b"), u"1\u066b50");
}

TEST(NumberTextFormat, non_finite_values_give_an_empty_text) {
    for (const double value :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()}) {
        SCOPED_TRACE(value);
        EXPECT_TRUE(toolkit::format_scientific(value, u".").isEmpty());
        EXPECT_TRUE(toolkit::format_fixed2(value, u".").isEmpty());
    }
}

// Every finite value within the single range formats to a text that reads back as a number,
// within the rounding of the display.
void expect_reads_back(double value, QStringView separator) {
    SCOPED_TRACE(testing::Message()
                 << value << " with separator " << separator.toString().toStdString());
    const QString scientific = toolkit::format_scientific(value, separator);
    const auto from_scientific = toolkit::parse_number(scientific, separator);
    ASSERT_TRUE(from_scientific) << scientific.toStdString();
    EXPECT_TRUE(std::isfinite(from_scientific->single)) << scientific.toStdString();
    EXPECT_LE(std::abs(from_scientific->value - value),
              0.005 * std::abs(from_scientific->value) + std::numeric_limits<double>::denorm_min())
        << scientific.toStdString();
    EXPECT_EQ(toolkit::format_scientific(from_scientific->value, separator), scientific);

    const QString fixed = toolkit::format_fixed2(value, separator);
    const auto from_fixed = toolkit::parse_number(fixed, separator);
    ASSERT_TRUE(from_fixed) << fixed.toStdString();
    EXPECT_TRUE(std::isfinite(from_fixed->single)) << fixed.toStdString();
    EXPECT_LE(std::abs(from_fixed->value - value), 0.005 + std::abs(value) * DBL_EPSILON)
        << fixed.toStdString();
}

TEST(NumberTextFormat, formatted_results_read_back) {
    std::mt19937_64 random(20240611);
    for (const QStringView separator : {QStringView(u"."), QStringView(u",")}) {
        for (int drawn = 0; drawn < 2000;) {
            const auto value = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
            if (!std::isfinite(value))
                continue;
            expect_reads_back(value, separator);
            ++drawn;
        }
        for (int drawn = 0; drawn < 2000;) {
            const auto value = std::bit_cast<double>(random());
            if (!std::isfinite(value) || std::abs(value) > FLT_MAX)
                continue;
            expect_reads_back(value, separator);
            ++drawn;
        }
        std::uniform_real_distribution<double> angle(-180.0, 180.0);
        for (int drawn = 0; drawn < 1000; ++drawn)
            expect_reads_back(angle(random), separator);
        for (const double edge :
             {0.0, -0.0, double(FLT_MAX), -double(FLT_MAX), std::nextafter(double(FLT_MAX), 0.0),
              std::numeric_limits<double>::denorm_min()})
            expect_reads_back(edge, separator);
    }
}

struct AtPlace {
    double value;
    int place;
    const char16_t *text;
};

TEST(NumberTextFormat, at_place_rounds_to_nearest_at_the_decimal_place) {
    const AtPlace rows[] = {
        {120.85636149295692, -3, u"120.856"},
        {-119.99998, -4, u"-120.0000"},
        {9.9996, -3, u"10.000"}, // the carry adds a digit before the point
        {2.675, -2, u"2.67"},    // the double lies just below 2.675
        {0.0005, -3, u"0.001"},  // the double lies just above the half
        {0.00049999, -3, u"0.000"},
        {4.23e-06, -6, u"0.000004"},
        {1e-7, -7, u"0.0000001"},
        {-4.23e-06, -5, u"0.00000"},
        {-0.0, -2, u"0.00"}, // a zero carries no minus sign
        {2.5, 0, u"2"},
        {0.5, 0, u"0"},
        {1250, 2, u"1200"}, // exact ties round to even
        {0.5000001, 0, u"1"},
        {-0.7, 0, u"-1"},
        {1350, 2, u"1400"},
        {5, 1, u"0"},
        {6, 1, u"10"},
        {0.6, 1, u"0"},
        {99999.99999999999, 0, u"100000"},
        {1.2345678e20, 16, u"123460000000000000000"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(testing::Message() << row.value << " at " << row.place);
        EXPECT_EQ(toolkit::format_at_place(row.value, row.place, u"."),
                  QString::fromUtf16(row.text));
    }
    EXPECT_EQ(toolkit::format_at_place(-120.5, -1, u","), u"-120,5");
    EXPECT_TRUE(
        toolkit::format_at_place(std::numeric_limits<double>::infinity(), 0, u".").isEmpty());
    const std::pair<double, int> places[] = {{3.2e-5, -5},   {0.5, -1},
                                             {9.999999, 0},  {30, 1},
                                             {0.001, -3},    {std::nextafter(1000.0, 0.0), 2},
                                             {1e-300, -300}, {-250, 2}};
    for (const auto &[value, place] : places)
        EXPECT_EQ(toolkit::decimal_place(value), place) << value;
}

} // namespace
