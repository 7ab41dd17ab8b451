#include "toolkit/number_text.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace {

// Runs for real in the de_DE.UTF-8 registration of this binary; skipped elsewhere.
TEST(NumberTextSystemLocale, german_settings_read_and_write_a_decimal_comma) {
    if (QLocale::system().language() != QLocale::German)
        GTEST_SKIP() << "the system locale is not German";
    EXPECT_EQ(toolkit::decimal_separator(), u",");
    const auto number = toolkit::parse_number(u"-1,5");
    ASSERT_TRUE(number);
    EXPECT_EQ(number->value, -1.5);
    EXPECT_EQ(number->single, -1.5f);
    EXPECT_FALSE(toolkit::parse_number(u"1.5"));
    EXPECT_FALSE(toolkit::parse_number(u"1.000"));
    EXPECT_EQ(toolkit::format_fixed2(-120.0), u"-120,00");
    EXPECT_EQ(toolkit::format_scientific(-0.5), u"-5,00E-01");
}

// The pinned test environment uses the C locale: a decimal point and no grouping.
TEST(NumberTextSystemLocale, c_settings_read_and_write_a_decimal_point) {
    if (QLocale::system().language() != QLocale::C)
        GTEST_SKIP() << "the system locale is not C";
    EXPECT_EQ(toolkit::decimal_separator(), u".");
    ASSERT_TRUE(toolkit::parse_number(u"1.5"));
    EXPECT_EQ(toolkit::parse_number(u"1.5")->value, 1.5);
    EXPECT_FALSE(toolkit::parse_number(u"1,5"));
    EXPECT_FALSE(toolkit::parse_number(u"1,000.5"));
    EXPECT_EQ(toolkit::format_fixed2(-0.004), u"0.00");
    EXPECT_EQ(toolkit::format_scientific(1.0), u"1.00E+00");
}

} // namespace
