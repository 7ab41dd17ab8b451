#pragma once

// The one place where entry texts become numbers and results become texts.
//
// Reading: an entry is optional blanks (spaces or tabs), an optional + or -, decimal digits
// (ASCII 0-9) with at most one decimal separator and at least one digit, an optional exponent
// (E or e, an optional sign, at least one digit), optional blanks, and nothing else. A number
// is read both to double and, straight from the text, to single precision; beyond a
// precision's range it reads as an infinity of its sign, below it as a signed zero or a
// subnormal. Which values an entry may hold is the caller's rule, not this module's.
//
// Writing: "scientific" gives two decimals and a signed exponent of at least two digits
// (1.00E+00, -5.00E-01, 1.00E+100); "0.00" gives two decimals and no digit grouping
// (-120.00). Both round the exact binary value to nearest, ties to even, and a displayed zero
// never carries a minus sign. Every text they write for a finite value within the single
// range reads back as a number whose single is finite.
//
// "Shortest" gives the shortest text that reads back to exactly the value in its own
// precision: a double as the shortest double text, a float as the shortest float text
// (0.1F is "0.1", not the float's 0.100000001...). It is plain or with an exponent,
// whichever is shorter (1234.5, 1E-08, 1E+20), and a zero carries no minus sign.
//
// Each function takes the decimal separator explicitly, or uses decimal_separator() in its
// convenience overload. Nothing here depends on the C library's locale.
//
// Number settings whose decimal separator is neither "." nor "," (the Arabic decimal
// separator U+066B of Arabic and Persian settings) write ".", which their users read too,
// and entries take either. Digits are ASCII 0-9 under every setting: Arabic-Indic digits are
// no number.

#include <QString>
#include <QStringView>

#include <optional>

class QLocale;

namespace toolkit {

// The number syntax of a locale's settings: the decimal separator results are written with
// and entries are read with, another one entries may hold as well (or empty), and the
// digit-group separator.
struct NumberSettings {
    QString decimal;
    QString other_decimal;
    QString group;
};
NumberSettings number_settings(const QLocale &locale);

// The decimal and the digit-group separator of the user's number settings
// (number_settings(QLocale::system())). Entries never hold a group separator; only pasted
// cells are cleaned of it.
QString decimal_separator();
QString group_separator();

// A number as its text denotes it, correctly rounded once to each precision: `single` is
// read from the text itself, never through the double, so no value is rounded twice.
struct EntryNumber {
    double value;
    float single;
    bool operator==(const EntryNumber &) const = default;
};

// The number an entry denotes, or nothing if the text is no number. The one-argument form
// reads the user's settings, with both decimal separators where they have two.
std::optional<EntryNumber> parse_number(QStringView text, QStringView separator);
std::optional<EntryNumber> parse_number(QStringView text, QStringView separator,
                                        QStringView other_separator);
std::optional<EntryNumber> parse_number(QStringView text);

// The number a text denotes under some settings: ".", "," or U+066B as its decimal separator.
// For texts kept in a file, which stay readable whatever the settings of the next run.
std::optional<EntryNumber> parse_number_in_any_settings(QStringView text);

// The format "scientific". Gives an empty text for infinities and NaN, which callers never
// pass.
QString format_scientific(double value, QStringView separator);
QString format_scientific(double value);

// The format "0.00". Gives an empty text for infinities and NaN, which callers never pass.
QString format_fixed2(double value, QStringView separator);
QString format_fixed2(double value);

// For reading rather than for entries: `decimals` digits after the separator, or `digits`
// significant digits in plain or scientific notation, whichever is shorter (0.0145,
// 1.45E-08). A displayed zero never carries a minus sign; empty for infinities and NaN.
QString format_fixed(double value, int decimals);
QString format_significant(double value, int digits);

// The format "shortest", for a double and for a float. Gives an empty text for infinities and
// NaN.
QString format_shortest(double value, QStringView separator);
QString format_shortest(double value);
QString format_shortest(float value, QStringView separator);
QString format_shortest(float value);

// For numbers that carry a known absolute resolution. decimal_place gives the power of ten
// of a positive number's leading digit (3.2E-05 gives -5, 0.5 gives -1, 30 gives 1).
// format_at_place rounds a value to nearest at the decimal place 10^place, ties to even,
// and writes it plainly with max(0, -place) decimals: 120.85636 at -3 is "120.856", 1234.5
// at 2 is "1200", 0.4 at 0 is "0". A written zero carries no minus sign. Empty for
// infinities and NaN.
int decimal_place(double value);
QString format_at_place(double value, int place, QStringView separator);

} // namespace toolkit
