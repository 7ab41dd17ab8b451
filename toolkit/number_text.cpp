#include "toolkit/number_text.h"

#include <QLocale>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace toolkit {

namespace {

// An entry that passed the grammar, rewritten for std::from_chars: ASCII, '.' as the
// separator, no '+'. `order` says on which side of 1 the value lies (value >= 1 exactly when
// order > 0), which tells an overflow from an underflow when from_chars reports either.
struct ScannedNumber {
    std::string ascii;
    std::int64_t order = 0;
};

// Exponents are capped here while scanning; far beyond any finite double either way.
constexpr std::int64_t exponent_cap = 1'000'000'000'000'000;

bool is_blank(QChar c) {
    return c == u' ' || c == u'\t';
}
bool is_digit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The decimal separators a text may hold; an empty one stands for none.
using Separators = std::array<QStringView, 3>;

// How long the decimal separator that `rest` starts with is, or 0.
qsizetype separator_at(QStringView rest, const Separators &separators) {
    for (const QStringView separator : separators)
        if (!separator.isEmpty() && rest.startsWith(separator))
            return separator.size();
    return 0;
}

// Checks the grammar in one pass over the text; each character is looked at once.
std::optional<ScannedNumber> scan(QStringView text, const Separators &separators) {
    const qsizetype end = text.size();
    qsizetype pos = 0;
    while (pos < end && is_blank(text[pos]))
        ++pos;

    ScannedNumber out;
    out.ascii.reserve(static_cast<std::size_t>(end - pos));
    if (pos < end && (text[pos] == u'+' || text[pos] == u'-')) {
        if (text[pos] == u'-')
            out.ascii.push_back('-');
        ++pos;
    }

    bool seen_separator = false;
    bool seen_digit = false;
    bool seen_nonzero = false;
    std::int64_t significant_integer_digits = 0;
    std::int64_t leading_fraction_zeros = 0;
    while (pos < end) {
        const QChar c = text[pos];
        if (is_digit(c)) {
            seen_digit = true;
            if (c != u'0')
                seen_nonzero = true;
            if (!seen_separator && seen_nonzero)
                ++significant_integer_digits;
            else if (seen_separator && !seen_nonzero)
                ++leading_fraction_zeros;
            out.ascii.push_back(static_cast<char>(c.unicode()));
            ++pos;
        } else if (const qsizetype length =
                       seen_separator ? 0 : separator_at(text.sliced(pos), separators)) {
            seen_separator = true;
            out.ascii.push_back('.');
            pos += length;
        } else {
            break;
        }
    }
    if (!seen_digit)
        return std::nullopt;

    std::int64_t exponent = 0;
    if (pos < end && (text[pos] == u'e' || text[pos] == u'E')) {
        out.ascii.push_back('e');
        ++pos;
        bool negative_exponent = false;
        if (pos < end && (text[pos] == u'+' || text[pos] == u'-')) {
            negative_exponent = text[pos] == u'-';
            out.ascii.push_back(static_cast<char>(text[pos].unicode()));
            ++pos;
        }
        const qsizetype first_exponent_digit = pos;
        while (pos < end && is_digit(text[pos])) {
            if (exponent < exponent_cap)
                exponent = exponent * 10 + (text[pos].unicode() - u'0');
            out.ascii.push_back(static_cast<char>(text[pos].unicode()));
            ++pos;
        }
        if (pos == first_exponent_digit)
            return std::nullopt;
        if (negative_exponent)
            exponent = -exponent;
    }

    while (pos < end && is_blank(text[pos]))
        ++pos;
    if (pos != end)
        return std::nullopt;

    out.order =
        (significant_integer_digits > 0 ? significant_integer_digits : -leading_fraction_zeros) +
        exponent;
    return out;
}

// Correctly rounded conversion: an infinity of the text's sign on overflow, a signed zero on
// underflow. libstdc++ reports either as result_out_of_range and leaves the value unset;
// `order` tells which one it was.
template <typename Real> std::optional<Real> convert(const ScannedNumber &number) {
    const char *first = number.ascii.data();
    const char *last = first + number.ascii.size();
    Real value{};
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ptr != last)
        return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        const Real magnitude = number.order > 0 ? std::numeric_limits<Real>::infinity() : Real(0);
        return number.ascii.front() == '-' ? -magnitude : magnitude;
    }
    if (ec != std::errc())
        return std::nullopt;
    return value;
}

std::optional<EntryNumber> parse(QStringView text, const Separators &separators) {
    const auto scanned = scan(text, separators);
    if (!scanned)
        return std::nullopt;
    const auto value = convert<double>(*scanned);
    const auto single = convert<float>(*scanned);
    if (!value || !single)
        return std::nullopt;
    return EntryNumber{*value, *single};
}

// Writes to_chars output into a QString with 'E' and the given separator; drops the sign of a
// displayed zero (-0.004 shows as 0.00).
QString localise(const char *first, const char *last, QStringView separator) {
    bool shows_nonzero = false;
    for (const char *p = first; p != last && *p != 'e'; ++p)
        shows_nonzero = shows_nonzero || (*p >= '1' && *p <= '9');
    if (!shows_nonzero && *first == '-')
        ++first;

    QString text;
    text.reserve(static_cast<qsizetype>(last - first) + separator.size());
    for (const char *p = first; p != last; ++p) {
        if (*p == '.')
            text.append(separator);
        else if (*p == 'e')
            text.append(u'E');
        else
            text.append(QLatin1Char(*p));
    }
    return text;
}

QString format(double value, std::chars_format style, int precision, QStringView separator) {
    if (!std::isfinite(value))
        return {};
    // Fixed notation of the largest double needs 309 integer digits.
    std::array<char, 400> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, style, precision);
    if (result.ec != std::errc())
        return {};
    return localise(buffer.data(), result.ptr, separator);
}

template <typename Real> QString shortest(Real value, QStringView separator) {
    if (!std::isfinite(value))
        return {};
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    if (result.ec != std::errc())
        return {};
    return localise(buffer.data(), result.ptr, separator);
}

// A positive finite value in scientific notation: its significant digits without the point,
// and the power of ten of the first one; `precision` digits after the first.
struct Digits {
    std::string digits;
    int exponent = 0;
};

Digits scientific_digits(double value, int precision) {
    std::array<char, 128> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific, precision);
    Digits out;
    const char *p = buffer.data();
    for (; p != result.ptr && *p != 'e'; ++p) {
        if (*p != '.')
            out.digits.push_back(*p);
    }
    if (p != result.ptr)
        std::from_chars(*(p + 1) == '+' ? p + 2 : p + 1, result.ptr, out.exponent);
    return out;
}

// The digits of |value| rounded at 10^place, with the place of the last one (at or above
// `place` after a carry); empty digits for a value that rounds to zero.
Digits rounded_digits(double magnitude, int place) {
    int leading = decimal_place(magnitude);
    for (;;) {
        if (leading < place - 1)
            return {};
        if (leading == place - 1) {
            // Below one unit of the place: it rounds to one unit beyond a half, to zero at a
            // half or below (zero is even). Thirty digits tell any double from the half.
            const Digits near = scientific_digits(magnitude, 30);
            const bool above_half = near.digits[0] > '5' ||
                                    (near.digits[0] == '5' &&
                                     near.digits.find_first_not_of('0', 1) != std::string::npos);
            return above_half ? Digits{"1", place} : Digits{};
        }
        Digits out = scientific_digits(magnitude, leading - place);
        const int last = out.exponent - (leading - place);
        if (last >= place) {
            out.exponent = last;
            return out;
        }
        --leading; // thirty digits rounded the value up to the next power of ten
    }
}

} // namespace

NumberSettings number_settings(const QLocale &locale) {
    NumberSettings settings{locale.decimalPoint(), {}, locale.groupSeparator()};
    if (settings.decimal != u"." && settings.decimal != u",") {
        settings.other_decimal = settings.decimal;
        settings.decimal = QStringLiteral(".");
    }
    return settings;
}

QString decimal_separator() {
    return number_settings(QLocale::system()).decimal;
}

QString group_separator() {
    return number_settings(QLocale::system()).group;
}

std::optional<EntryNumber> parse_number(QStringView text, QStringView separator,
                                        QStringView other_separator) {
    return parse(text, Separators{separator, other_separator, {}});
}

std::optional<EntryNumber> parse_number(QStringView text, QStringView separator) {
    return parse_number(text, separator, {});
}

std::optional<EntryNumber> parse_number(QStringView text) {
    const NumberSettings settings = number_settings(QLocale::system());
    return parse_number(text, settings.decimal, settings.other_decimal);
}

std::optional<EntryNumber> parse_number_in_any_settings(QStringView text) {
    return parse(text, Separators{u".", u",", u"\u066B"});
}

QString format_scientific(double value, QStringView separator) {
    return format(value, std::chars_format::scientific, 2, separator);
}

QString format_scientific(double value) {
    return format_scientific(value, decimal_separator());
}

QString format_fixed2(double value, QStringView separator) {
    return format(value, std::chars_format::fixed, 2, separator);
}

QString format_fixed2(double value) {
    return format_fixed2(value, decimal_separator());
}

QString format_fixed(double value, int decimals) {
    return format(value, std::chars_format::fixed, decimals, decimal_separator());
}

QString format_significant(double value, int digits) {
    return format(value, std::chars_format::general, digits, decimal_separator());
}

int decimal_place(double value) {
    // Thirty digits keep a value just below a power of ten below it, which a shorter text
    // may round up to it.
    return scientific_digits(std::abs(value), 30).exponent;
}

QString format_at_place(double value, int place, QStringView separator) {
    if (!std::isfinite(value))
        return {};
    const int decimals = std::max(0, -place);
    const Digits rounded = value == 0 ? Digits{} : rounded_digits(std::abs(value), place);
    // The value times 10^decimals as an integer, then the separator put in.
    std::string scaled = rounded.digits.empty() ? std::string("0") : rounded.digits;
    if (!rounded.digits.empty())
        scaled.append(static_cast<std::size_t>(rounded.exponent + decimals), '0');
    if (scaled.size() <= static_cast<std::size_t>(decimals))
        scaled.insert(0, static_cast<std::size_t>(decimals) + 1 - scaled.size(), '0');
    QString text;
    if (!rounded.digits.empty() && std::signbit(value))
        text.append(u'-');
    const std::size_t point = scaled.size() - static_cast<std::size_t>(decimals);
    text.append(QLatin1String(scaled.data(), static_cast<qsizetype>(point)));
    if (decimals > 0) {
        text.append(separator);
        text.append(QLatin1String(scaled.data() + point, decimals));
    }
    return text;
}

QString format_shortest(double value, QStringView separator) {
    return shortest(value, separator);
}

QString format_shortest(double value) {
    return shortest(value, decimal_separator());
}

QString format_shortest(float value, QStringView separator) {
    return shortest(value, separator);
}

QString format_shortest(float value) {
    return shortest(value, decimal_separator());
}

} // namespace toolkit
