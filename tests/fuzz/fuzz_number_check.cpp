// The entry check on any text: the bytes are read once as UTF-8 and once as raw UTF-16
// (unpaired surrogates and NULs included), each with three decimal separators. Whatever the
// check accepts must match the entry grammar and read back to exactly the value that the C
// library's correctly rounded conversion gives, finite in single precision; whatever it
// rejects must be off the grammar or beyond the single range.
#include "fuzz_check.h"
#include "toolkit/number_text.h"

#include <QString>

#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The text in the C library's spelling: the separator becomes '.', any other character that
// the grammar cannot hold becomes '#', so a plain ASCII matcher decides.
std::string c_spelling(QStringView text, char16_t separator) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == separator)
            out.push_back('.');
        else if (u == u'.' || u == 0 || u > 0x7f)
            out.push_back('#');
        else
            out.push_back(static_cast<char>(u));
    }
    return out;
}

// The entry grammar, checked independently of the program's scanner. On a match, `number`
// is the text without its blanks, ready for strtod.
bool matches_grammar(const std::string &s, std::string &number) {
    std::size_t i = 0;
    const std::size_t n = s.size();
    const auto blank = [&](std::size_t k) { return k < n && (s[k] == ' ' || s[k] == '\t'); };
    const auto digit = [&](std::size_t k) { return k < n && s[k] >= '0' && s[k] <= '9'; };
    while (blank(i))
        ++i;
    const std::size_t first = i;
    if (i < n && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    for (; digit(i); ++i)
        ++digits;
    if (i < n && s[i] == '.')
        for (++i; digit(i); ++i)
            ++digits;
    if (digits == 0)
        return false;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-'))
            ++i;
        if (!digit(i))
            return false;
        while (digit(i))
            ++i;
    }
    const std::size_t last = i;
    while (blank(i))
        ++i;
    if (i != n)
        return false;
    number = s.substr(first, last - first);
    return true;
}

bool same(double a, double b) {
    return a == b && std::signbit(a) == std::signbit(b);
}

void check(QStringView text) {
    static const char16_t separators[] = {u'.', u',', u'\u066b'};
    for (const char16_t separator : separators) {
        const QStringView sep(&separator, 1);
        const auto parsed = toolkit::parse_number(text, sep);

        std::string spelling;
        const bool expected = matches_grammar(c_spelling(text, separator), spelling);
        FUZZ_REQUIRE(parsed.has_value() == expected);
        if (!parsed)
            continue;
        // Beyond either range strtod and strtof give an infinity, below it zero or a
        // subnormal, as the parse does.
        FUZZ_REQUIRE(same(parsed->value, std::strtod(spelling.c_str(), nullptr)));
        FUZZ_REQUIRE(same(parsed->single, std::strtof(spelling.c_str(), nullptr)));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    check(QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));

    std::u16string units(size / 2, u'\0');
    std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    check(QStringView(units.data(), static_cast<qsizetype>(units.size())));
    return 0;
}
