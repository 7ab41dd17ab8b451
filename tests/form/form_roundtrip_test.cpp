// Random valid cases through the Convert command: what the window writes reads back as
// a number in the display formats, and converting a written group back reproduces the
// other groups within the display's three significant digits.

#include "form_fields.h"
#include "tests/support/shown_form.h"
#include "toolkit/number_text.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <complex>
#include <numbers>
#include <random>

namespace {

using Phasors = std::array<std::complex<double>, 6>; // A, B, C, then 0, 1, 2

// Six random entries for group g at one random scale, written the way a user might.
void type_random_case(Form1 &form, int g, std::mt19937 &rng) {
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    std::uniform_real_distribution<double> decade(-2.0, 3.0);
    std::uniform_real_distribution<double> degrees(-400.0, 400.0);
    const double scale = std::pow(10.0, decade(rng));
    const bool polar = g == 0 || g == 2;
    const auto names = form_test::group_names(g);
    for (std::size_t i = 0; i < 6; ++i) {
        const double value = (polar && i >= 3) ? degrees(rng) : scale * unit(rng);
        std::array<char, 32> buffer{};
        const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::general, 5)
                             .ptr;
        form_test::field_named(form, names[i])
            .setText(QString::fromLatin1(buffer.data(), end - buffer.data()));
    }
}

double value_of(Form1 &form, const std::string &name) {
    const auto v = toolkit::parse_number(form_test::field_named(form, name).Text());
    EXPECT_TRUE(v) << name << " = " << form_test::field_named(form, name).Text().toStdString();
    return v ? v->value : 0.0;
}

// The six phasors as the fields show them; group g (polar or rectangular) for each half.
Phasors shown_phasors(Form1 &form, int abc_group, int seq_group) {
    Phasors p;
    for (int half = 0; half < 2; ++half) {
        const int g = half == 0 ? abc_group : seq_group;
        const auto names = form_test::group_names(g);
        for (std::size_t row = 0; row < 3; ++row) {
            const double first = value_of(form, names[row]);
            const double second = value_of(form, names[row + 3]);
            // A negative magnitude is allowed: it turns the phasor by half a turn.
            const double turn = second * std::numbers::pi / 180.0;
            p[3 * static_cast<std::size_t>(half) + row] =
                (g == 0 || g == 2)
                    ? std::complex<double>(first * std::cos(turn), first * std::sin(turn))
                    : std::complex<double>(first, second);
        }
    }
    return p;
}

double largest(const Phasors &p) {
    double m = 0;
    for (const auto &z : p)
        m = std::max(m, std::abs(z));
    return m;
}

// Texts of the display formats, with the separator of the pinned C locale.
const QRegularExpression scientific(QStringLiteral("^-?[0-9]\\.[0-9]{2}E[+-][0-9]{2,3}$"));
const QRegularExpression fixed2(QStringLiteral("^-?[0-9]{1,3}\\.[0-9]{2}$"));

// State: one window, reused; each round types a random valid case into a random group.
// Action: Convert_Click on that group, then on another group whose texts were written.
// Expected: every written text is in its display format, reads back as a number, and
// angles lie within -180 to 180; the second conversion agrees with the first within the
// rounding of three significant digits, measured against the largest phasor.
TEST(ConvertRoundTrip, written_groups_convert_back_to_the_same_case) {
    Form1 form;
    testing_support::keep_no_cases(form);
    std::mt19937 rng(20240611);
    std::uniform_int_distribution<int> group(0, 3);
    std::uniform_int_distribution<int> other(1, 3);
    for (int round = 0; round < 2000; ++round) {
        const int g = group(rng);
        type_random_case(form, g, rng);
        form.Convert_Click(g);
        ASSERT_FALSE(form.model().state().errors_found) << "round " << round;
        for (int w = 0; w < 4; ++w) {
            if (w == g)
                continue;
            const auto names = form_test::group_names(w);
            for (std::size_t i = 0; i < 6; ++i) {
                const QString text = form_test::field_named(form, names[i]).Text();
                const bool angle = (w == 0 || w == 2) && i >= 3;
                ASSERT_TRUE((angle ? fixed2 : scientific).match(text).hasMatch())
                    << names[i] << " = " << text.toStdString() << ", round " << round;
                if (angle) {
                    ASSERT_LE(std::abs(value_of(form, names[i])), 180.0) << names[i];
                }
            }
        }
        // Compare each half (phases, sequences) in the forms both conversions show.
        const auto first = form_test::texts(form);
        const Phasors before_polar = shown_phasors(form, 0, 2);
        const Phasors before_rect = shown_phasors(form, 1, 3);

        const int h = (g + other(rng)) % 4;
        form.Convert_Click(h);
        ASSERT_FALSE(form.model().state().errors_found) << "round " << round;
        for (const std::string &name : form_test::group_names(h))
            ASSERT_EQ(form_test::texts(form).at(name), first.at(name)) << "own group rewritten";
        const Phasors after_polar = shown_phasors(form, 0, 2);
        const Phasors after_rect = shown_phasors(form, 1, 3);

        // Each shown part carries up to half a unit in its third digit (0.5 %); the
        // transforms add at most three such errors and the comparison two roundings.
        const double tolerance = 0.03 * largest(before_rect);
        for (std::size_t k = 0; k < 6; ++k) {
            ASSERT_LE(std::abs(after_polar[k] - before_polar[k]), tolerance)
                << "polar phasor " << k << ", round " << round << ", groups " << g << "->" << h;
            ASSERT_LE(std::abs(after_rect[k] - before_rect[k]), tolerance)
                << "rectangular phasor " << k << ", round " << round << ", groups " << g << "->"
                << h;
        }
    }
}

} // namespace
