// The format "shortest": what Copy Results writes so that a spreadsheet gets every digit the
// program holds.
#include "toolkit/number_text.h"

#include <gtest/gtest.h>

#include <QString>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace {

TEST(NumberTextShortest, doubles_and_floats_in_their_own_precision) {
    struct Row {
        double value;
        const char16_t *as_double;
        const char16_t *as_float; // the same value rounded to float first
    };
    const Row rows[] = {
        {0.1, u"0.1", u"0.1"},
        {-120.0, u"-120", u"-120"},
        {1.0 / 3, u"0.3333333333333333", u"0.33333334"},
        {1e-8, u"1E-08", u"1E-08"},
        {1.45e-8, u"1.45E-08", u"1.45E-08"},
        {1e20, u"1E+20", u"1E+20"},
        {1234.5, u"1234.5", u"1234.5"},
        {-0.0, u"0", u"0"}, // a zero carries no minus sign
        {FLT_MAX, u"3.4028234663852886E+38", u"3.4028235E+38"},
        {std::numeric_limits<double>::denorm_min(), u"5E-324", u"0"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(toolkit::format_shortest(row.value, u"."), QString::fromUtf16(row.as_double));
        EXPECT_EQ(toolkit::format_shortest(static_cast<float>(row.value), u","),
                  QString::fromUtf16(row.as_float).replace(u'.', u','));
    }
    EXPECT_EQ(toolkit::format_shortest(std::numeric_limits<double>::infinity(), u"."), QString());
    EXPECT_EQ(toolkit::format_shortest(std::numeric_limits<float>::quiet_NaN(), u"."), QString());
}

// Every finite double and float, drawn from all bit patterns, reads back through the entry
// parser to exactly itself, with either separator.
TEST(NumberTextShortest, every_text_reads_back_to_its_value) {
    std::mt19937_64 random(20240611);
    for (const char16_t *separator : {u".", u","}) {
        for (int i = 0; i < 20000; ++i) {
            const double d = std::bit_cast<double>(random());
            const float f = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
            if (std::isfinite(d)) {
                const auto back =
                    toolkit::parse_number(toolkit::format_shortest(d, separator), separator);
                ASSERT_TRUE(back) << d;
                ASSERT_EQ(back->value, d);
            }
            if (std::isfinite(f)) {
                const auto back =
                    toolkit::parse_number(toolkit::format_shortest(f, separator), separator);
                ASSERT_TRUE(back) << f;
                ASSERT_EQ(back->single, f);
            }
        }
    }
}

} // namespace
