#include "toolkit/number_text.h"
#include "tests/support/number_settings.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <optional>

namespace {

// U+066B, the decimal separator of Arabic and Persian settings, and Arabic-Indic digits.
const QString arabic_point = QStringLiteral("\u066B");
const QString arabic_comma = QStringLiteral("\u066C");

// The syntax each setting gives: settings with a decimal separator of their own write "." and
// read both.
TEST(NumberTextSettings, each_locale_gives_its_separators) {
    struct Row {
        const char *locale;
        QString decimal, other, group;
    };
    const Row rows[] = {
        {"C", ".", "", ","},
        {"en_US", ".", "", ","},
        {"de_DE", ",", "", "."},
        {"fr_FR", ",", "", QStringLiteral("\u202F")},
        {"ar_EG", ".", arabic_point, arabic_comma},
        {"ar_SA", ".", arabic_point, arabic_comma},
        {"fa_IR", ".", arabic_point, arabic_comma},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.locale);
        const toolkit::NumberSettings settings =
            toolkit::number_settings(QLocale(QString::fromLatin1(row.locale)));
        EXPECT_EQ(settings.decimal, row.decimal);
        EXPECT_EQ(settings.other_decimal, row.other);
        EXPECT_EQ(settings.group, row.group);
    }
}

// Either separator, never both, and only ASCII digits; the other separator is read only when
// given. Arabic-Indic (U+0660...) and Persian (U+06F0...) digits are no number.
TEST(NumberTextSettings, a_second_decimal_separator_is_read_as_the_first) {
    struct Row {
        QString text;
        QString other;
        std::optional<double> value;
    };
    const Row rows[] = {
        {"1.5", arabic_point, 1.5},
        {"1" + arabic_point + "5", arabic_point, 1.5},
        {" -0" + arabic_point + "25E+1 ", arabic_point, -2.5},
        {arabic_point + "5", arabic_point, 0.5},
        {"7" + arabic_point, arabic_point, 7.0},
        {"1" + arabic_point + "5", "", std::nullopt},
        {"1" + arabic_point + "2.5", arabic_point, std::nullopt},
        {"1.2" + arabic_point + "5", arabic_point, std::nullopt},
        {"1,5", arabic_point, std::nullopt},
        {"1" + arabic_comma + "000", arabic_point, std::nullopt},
        {QStringLiteral("\u0661\u066B\u0665"), arabic_point, std::nullopt},
        {QStringLiteral("\u06F1.\u06F5"), arabic_point, std::nullopt},
        {QStringLiteral("1\u0665"), arabic_point, std::nullopt},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text.toStdString());
        const auto number = toolkit::parse_number(row.text, u".", row.other);
        ASSERT_EQ(number.has_value(), row.value.has_value());
        if (number) {
            EXPECT_EQ(number->value, *row.value);
            EXPECT_EQ(number->single, static_cast<float>(*row.value));
        }
    }
}

// A kept text reads under any settings, whichever separator it was typed with.
TEST(NumberTextSettings, kept_texts_read_with_any_separator) {
    for (const QString &text : {QStringLiteral("-1.5"), QStringLiteral("-1,5"),
                                QStringLiteral("-1\u066B5"), QStringLiteral("-1.5e0")}) {
        SCOPED_TRACE(text.toStdString());
        const auto number = toolkit::parse_number_in_any_settings(text);
        ASSERT_TRUE(number);
        EXPECT_EQ(number->value, -1.5);
    }
    for (const QString &text : {QStringLiteral("1,5.0"), QStringLiteral("1.000,5"),
                                QStringLiteral("\u0661"), QStringLiteral("1 5")})
        EXPECT_FALSE(toolkit::parse_number_in_any_settings(text)) << text.toStdString();
}

// Runs for real in the de_DE, ar_EG and fa_IR registrations of this binary: what the
// desktop's settings make of entries and results.
TEST(NumberTextSystemLocale, local_settings_read_and_write_their_numbers) {
    struct Row {
        const char *language;
        QString separator;
        QStringList numbers, refused;
        QString fixed, scientific, shortest;
    };
    const Row rows[] = {
        {"de",
         ",",
         {"-1,5"},
         {"-1.5", "1.000", "-1" + arabic_point + "5"},
         "-120,00",
         "-5,00E-01",
         "0,1"},
        {"ar",
         ".",
         {"-1.5", "-1" + arabic_point + "5"},
         {"-1,5", QStringLiteral("\u0661\u066B\u0665"), "1" + arabic_comma + "000"},
         "-120.00",
         "-5.00E-01",
         "0.1"},
        {"fa",
         ".",
         {"-1.5", "-1" + arabic_point + "5"},
         {"-1,5", QStringLiteral("\u06F1\u066B\u06F5"), "1" + arabic_comma + "000"},
         "-120.00",
         "-5.00E-01",
         "0.1"},
    };
    const Row *row = testing_support::row_for_number_settings(rows);
    ASSERT_NE(row, nullptr) << "no row for " << testing_support::number_language().toStdString();
    EXPECT_EQ(toolkit::decimal_separator(), row->separator);
    for (const QString &text : row->numbers) {
        const auto number = toolkit::parse_number(text);
        ASSERT_TRUE(number) << text.toStdString();
        EXPECT_EQ(number->value, -1.5);
        EXPECT_EQ(number->single, -1.5f);
    }
    for (const QString &text : row->refused)
        EXPECT_FALSE(toolkit::parse_number(text)) << text.toStdString();
    EXPECT_EQ(toolkit::format_fixed2(-120.0), row->fixed);
    EXPECT_EQ(toolkit::format_scientific(-0.5), row->scientific);
    EXPECT_EQ(toolkit::format_shortest(0.1), row->shortest);
    EXPECT_EQ(toolkit::format_fixed(0.5, 1), "0" + row->separator + "5");
}

// The pinned test environment uses the C locale: a decimal point and no grouping.
TEST(NumberTextSystemLocale, c_settings_read_and_write_a_decimal_point) {
    const QString settings = testing_support::number_settings();
    if (!settings.startsWith(QLatin1String("C")) && settings != QLatin1String("POSIX"))
        GTEST_SKIP() << "the system locale is not C";
    EXPECT_EQ(toolkit::decimal_separator(), u".");
    ASSERT_TRUE(toolkit::parse_number(u"1.5"));
    EXPECT_EQ(toolkit::parse_number(u"1.5")->value, 1.5);
    EXPECT_FALSE(toolkit::parse_number(u"1,5"));
    EXPECT_FALSE(toolkit::parse_number(u"1,000.5"));
    EXPECT_FALSE(toolkit::parse_number(u"1\u066B5"));
    EXPECT_EQ(toolkit::format_fixed2(-0.004), u"0.00");
    EXPECT_EQ(toolkit::format_scientific(1.0), u"1.00E+00");
}

} // namespace
