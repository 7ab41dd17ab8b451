// The two display formats on any double or float: for a finite value within the single
// range every text they write has the format's shape, passes the entry check under the same
// separator and reads back within the format's rounding of the value.
#include "fuzz_check.h"
#include "toolkit/number_text.h"

#include <QString>

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

bool is_digit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// "scientific": [-]d<sep>ddE(+|-)dd[d...]
bool scientific_shape(QStringView t, QStringView sep) {
    if (t.startsWith(u'-'))
        t = t.sliced(1);
    if (t.size() < 1 + sep.size() + 2 + 4 || !is_digit(t[0]) || !t.sliced(1).startsWith(sep))
        return false;
    t = t.sliced(1 + sep.size());
    if (!is_digit(t[0]) || !is_digit(t[1]) || t[2] != u'E' || (t[3] != u'+' && t[3] != u'-'))
        return false;
    t = t.sliced(4);
    if (t.size() < 2)
        return false;
    for (const QChar c : t)
        if (!is_digit(c))
            return false;
    return true;
}

// "0.00": [-]d[d...]<sep>dd
bool fixed2_shape(QStringView t, QStringView sep) {
    if (t.startsWith(u'-'))
        t = t.sliced(1);
    const qsizetype at = t.indexOf(sep);
    if (at < 1 || t.size() != at + sep.size() + 2)
        return false;
    for (qsizetype i = 0; i < t.size(); ++i)
        if ((i < at || i >= at + sep.size()) && !is_digit(t[i]))
            return false;
    return true;
}

// A displayed zero never carries a minus sign.
bool sign_shows_nonzero(QStringView t) {
    if (!t.startsWith(u'-'))
        return true;
    for (const QChar c : t) {
        if (c == u'E')
            break;
        if (c >= u'1' && c <= u'9')
            return true;
    }
    return false;
}

void check(double value) {
    static const char16_t separators[] = {u'.', u',', u'\u066b'};
    for (const char16_t separator : separators) {
        const QStringView sep(&separator, 1);
        const QString scientific = toolkit::format_scientific(value, sep);
        const QString fixed = toolkit::format_fixed2(value, sep);
        if (!std::isfinite(value)) {
            FUZZ_REQUIRE(scientific.isEmpty() && fixed.isEmpty());
            continue;
        }
        FUZZ_REQUIRE(scientific_shape(scientific, sep) && sign_shows_nonzero(scientific));
        FUZZ_REQUIRE(fixed2_shape(fixed, sep) && sign_shows_nonzero(fixed));
        if (std::abs(value) > FLT_MAX)
            continue;

        const auto from_scientific = toolkit::parse_number(scientific, sep);
        const auto from_fixed = toolkit::parse_number(fixed, sep);
        FUZZ_REQUIRE(from_scientific && std::isfinite(from_scientific->single));
        FUZZ_REQUIRE(from_fixed && std::isfinite(from_fixed->single));
        // Three significant digits; near the bottom of the doubles, the spacing of subnormals.
        const double denorm = std::numeric_limits<double>::denorm_min();
        FUZZ_REQUIRE(std::abs(from_scientific->value - value) <=
                     0.00501 * std::abs(value) + denorm);
        FUZZ_REQUIRE(std::abs(from_fixed->value - value) <=
                     0.00501 + std::abs(value) * DBL_EPSILON);
    }
}

} // namespace

// Every 8 bytes are a double and every 4 bytes a float, as bit patterns: all finite values,
// subnormals, signed zeros, infinities and NaNs come up.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    for (std::size_t at = 0; at + sizeof(double) <= size; at += sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data + at, sizeof value);
        check(value);
    }
    for (std::size_t at = 0; at + sizeof(float) <= size; at += sizeof(float)) {
        float value = 0;
        std::memcpy(&value, data + at, sizeof value);
        check(static_cast<double>(value));
    }
    return 0;
}
