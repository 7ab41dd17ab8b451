#include "toolkit/number_text.h"

#include <gtest/gtest.h>

#include <QString>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

using namespace std::literals;

namespace {

constexpr std::u16string_view point = u".";
constexpr std::u16string_view comma = u",";

QStringView view(std::u16string_view text) {
    return {text.data(), qsizetype(text.size())};
}

// A readable trace of a text that may hold NULs and other invisible characters.
std::string describe(std::u16string_view text) {
    std::string out = "\"";
    for (const char16_t c : text) {
        if (c >= 0x20 && c < 0x7f)
            out += static_cast<char>(c);
        else
            out += "\\u" + QString::number(c, 16).rightJustified(4, u'0').toStdString();
    }
    return out + "\"";
}

struct Rejected {
    std::u16string_view text;
    std::u16string_view separator;
};

TEST(NumberTextParse, texts_that_are_no_number_are_rejected) {
    const Rejected rows[] = {
        // empty, blanks, lone signs and separators
        {u"", point},
        {u"   ", point},
        {u"\t \t", point},
        {u"+", point},
        {u"-", point},
        {u".", point},
        {u"-.", point},
        {u".e5", point},
        // spellings that C and C++ number parsers accept
        {u"inf", point},
        {u"-INF", point},
        {u"infinity", point},
        {u"nan", point},
        {u"0x1p3", point},
        {u"0x10", point},
        {u"1e", point},
        {u"1E+", point},
        {u"1e-", point},
        {u"1d5", point},
        // stray characters, two numbers, misplaced blanks or signs
        {u"12a", point},
        {u"a12", point},
        {u"e5", point},
        {u"1.2.3", point},
        {u"1..2", point},
        {u"1 2", point},
        {u"- 1", point},
        {u"1 e5", point},
        {u"1e 5", point},
        {u"1e1.5", point},
        {u"++1", point},
        {u"+-1", point},
        {u"1-", point},
        {u"1e--5", point},
        {u"$1", point},
        {u"(1)", point},
        {u"1%", point},
        {u"\u00a01", point},
        // group separators are not ignored
        {u"1,000.5", point},
        {u"1,5", point},
        {u"1.000", comma},
        {u"1.5", comma},
        {u"1.000,5", comma},
        {u"1,2,3", comma},
        // digits are ASCII only: Arabic-Indic, full-width, Devanagari
        {u"\u0661\u0662", point},
        {u"\uff11\uff12", point},
        {u"1\u0969", point},
        // NUL characters inside or after the number
        {u"1\0002"sv, point},
        {u"1\000"sv, point},
        {u"\0001"sv, point},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(describe(row.text));
        EXPECT_FALSE(toolkit::parse_number(view(row.text), view(row.separator)));
    }
}

struct BeyondRange {
    std::u16string_view text;
    double value; // the double reading
};

// Whether such an entry may be used is the entry check's rule; here they are numbers whose
// single reading is an infinity of their sign.
TEST(NumberTextParse, numbers_beyond_the_single_range_read_as_infinite_singles) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    const BeyondRange rows[] = {
        {u"4E+38", 4e38},
        {u"-4E+38", -4e38},
        {u"3.4028236e38", 3.4028236e38},
        {u"1e39", 1e39},
        {u"1e309", inf},
        {u"-1e99999999999999999999", -inf},
        {u"0.0001e+99999999999999999999", inf},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(describe(row.text));
        const auto number = toolkit::parse_number(view(row.text), view(point));
        ASSERT_TRUE(number);
        EXPECT_EQ(number->value, row.value);
        EXPECT_TRUE(std::isinf(number->single));
        EXPECT_EQ(std::signbit(number->single), std::signbit(row.value));
    }
}

struct Accepted {
    std::u16string_view text;
    std::u16string_view separator;
    double value;
};

TEST(NumberTextParse, numbers_read_as_their_correctly_rounded_double) {
    const Accepted rows[] = {
        // the field defaults, the Clear command's "0" and typical entries
        {u"1.0", point, 1.0},
        {u"0.0", point, 0.0},
        {u"-120.0", point, -120.0},
        {u"120.0", point, 120.0},
        {u"0", point, 0.0},
        {u"  12.5  ", point, 12.5},
        {u"\t-120\t", point, -120.0},
        {u"1e3", point, 1000.0},
        {u"3E+38", point, 3e38},
        {u"+7", point, 7.0},
        {u"1.", point, 1.0},
        {u".5", point, 0.5},
        {u"+.5", point, 0.5},
        {u"-2.5E-3", point, -2.5e-3},
        {u"0.1", point, 0.1},
        {u"00012", point, 12.0},
        {u"1e0000000000000000000005", point, 1e5},
        {u"0.30000000000000004", point, 0.30000000000000004},
        // the decimal comma
        {u"1,5", comma, 1.5},
        {u",5", comma, 0.5},
        {u"1,", comma, 1.0},
        {u"-1,25e2", comma, -125.0},
        {u"17", comma, 17.0},
        // a separator outside ASCII (Arabic decimal separator)
        {u"1\u066b5", u"\u066b", 1.5},
        // tiny values are numbers, even where they vanish in single precision
        {u"1e-50", point, 1e-50},
        {u"4.9406564584124654e-324", point, 4.9406564584124654e-324},
        {u"1e-400", point, 0.0},
        {u"1e-99999999999999999999", point, 0.0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(describe(row.text));
        const auto number = toolkit::parse_number(view(row.text), view(row.separator));
        ASSERT_TRUE(number);
        EXPECT_EQ(number->value, row.value);
        EXPECT_TRUE(std::isfinite(number->single));
    }
}

TEST(NumberTextParse, negative_zero_and_negative_underflow_keep_their_sign) {
    for (const auto text : {u"-0"sv, u"-0.0e5"sv, u"-1e-400"sv, u"-1e-99999999999999999999"sv}) {
        SCOPED_TRACE(describe(text));
        const auto number = toolkit::parse_number(view(text), view(point));
        ASSERT_TRUE(number);
        EXPECT_EQ(number->value, 0.0);
        EXPECT_TRUE(std::signbit(number->value));
        EXPECT_EQ(number->single, 0.0f);
        EXPECT_TRUE(std::signbit(number->single));
    }
}

struct SingleCase {
    std::u16string_view text;
    float value;
};

// The largest single is 2^128 - 2^104; texts below 2^128 - 2^103, the midpoint to 2^128, round
// to it, the midpoint itself rounds to even, which is 2^128, an overflow.
TEST(NumberTextParse, single_range_limit_is_judged_on_the_text_itself) {
    const SingleCase accepted[] = {
        {u"3.4028235E+38", FLT_MAX},
        {u"3.40282347e38", FLT_MAX},
        {u"3.40282356e38", FLT_MAX},
        // a double reading rounds these up to the midpoint, which would overflow in single
        {u"3.4028235677973365e38", FLT_MAX},
        {u"340282356779733661637539395458142568447", FLT_MAX},
        {u"-340282356779733661637539395458142568447", -FLT_MAX},
    };
    for (const auto &row : accepted) {
        SCOPED_TRACE(describe(row.text));
        const auto number = toolkit::parse_number(view(row.text), view(point));
        ASSERT_TRUE(number);
        EXPECT_EQ(number->single, row.value);
    }
    for (const auto text : {u"340282356779733661637539395458142568448"sv,
                            u"-3.4028235677973366163753939545814256844800001e38"sv}) {
        SCOPED_TRACE(describe(text));
        const auto number = toolkit::parse_number(view(text), view(point));
        ASSERT_TRUE(number);
        EXPECT_TRUE(std::isinf(number->single));
    }
}

TEST(NumberTextParse, tiny_values_read_as_zero_or_subnormal_in_single) {
    const float smallest = std::numeric_limits<float>::denorm_min();
    const SingleCase rows[] = {
        {u"1e-50", 0.0f},
        {u"7e-46", 0.0f},
        {u"8e-46", smallest},
        {u"1e-45", smallest},
        {u"1.17549435e-38", FLT_MIN},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(describe(row.text));
        const auto number = toolkit::parse_number(view(row.text), view(point));
        ASSERT_TRUE(number);
        EXPECT_EQ(number->single, row.value);
    }
}

// 1 + 2^-24 lies halfway between 1 and the next single. This text lies just above it, but
// its nearest double is the midpoint itself, which then rounds to even: down to 1.
TEST(NumberTextParse, single_reading_does_not_round_twice) {
    const auto text = u"1.0000000596046448"sv;
    const auto number = toolkit::parse_number(view(text), view(point));
    ASSERT_TRUE(number);
    EXPECT_EQ(number->single, std::nextafter(1.0f, 2.0f));
    EXPECT_EQ(static_cast<float>(number->value), 1.0f);
}

TEST(NumberTextParse, long_texts_are_read_whole) {
    const std::u16string zeros(100'000, u'0');
    const std::u16string digits(1'000'000, u'3');
    const std::u16string blanks(1'000'000, u' ');
    const struct {
        std::u16string text;
        double value;
    } rows[] = {
        {u"0." + digits, 1.0 / 3.0},        {u"1" + zeros + u"e-100000", 1.0},
        {u"0." + zeros + u"1e100001", 1.0}, {u"0." + zeros + u"1e-5", 0.0},
        {u"0." + zeros + u"1e50", 0.0}, // an underflow despite the positive exponent
        {blanks + u"5" + blanks, 5.0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text.size());
        const auto number = toolkit::parse_number(view(row.text), view(point));
        ASSERT_TRUE(number);
        EXPECT_EQ(number->value, row.value);
    }
    const auto nines = toolkit::parse_number(std::u16string(1'000'000, u'9'), view(point));
    ASSERT_TRUE(nines);
    EXPECT_TRUE(std::isinf(nines->value));
}

TEST(NumberTextParse, long_garbage_is_rejected) {
    std::u16string mixed;
    for (int i = 0; i < 250'000; ++i)
        mixed += u"7\u0416\0 "sv; // a digit, a Cyrillic letter, a NUL, a blank
    const std::u16string rows[] = {
        std::u16string(1'000'000, u'1') + u"a",
        std::u16string(1'000'000, u'.'),
        std::u16string(1'000'000, u'\0'),
        u"1e" + std::u16string(1'000'000, u'-'),
        mixed,
    };
    for (const auto &text : rows) {
        SCOPED_TRACE(describe(std::u16string_view(text).substr(0, 8)));
        EXPECT_FALSE(toolkit::parse_number(view(text), view(point)));
    }
}

} // namespace
