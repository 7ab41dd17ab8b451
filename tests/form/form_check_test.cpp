// The entry check as the user meets it: which texts pass, which field is marked light
// red, and entries whose results lie beyond what the window can show.

#include "form_fields.h"
#include "tests/support/shown_form.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

using form_test::marked;
using form_test::texts;
using testing_support::click;
using testing_support::shown_form;
using testing_support::type_into;
using Names = std::vector<std::string>;

struct Entry {
    const char *name;
    const char *text;
    bool passes;
};

void PrintTo(const Entry &e, std::ostream *out) {
    *out << '"' << e.text << '"';
}

const Entry entries[] = {
    {"blanks_around", "  12.5  ", true},
    {"negative", "-120", true},
    {"plus_sign", "+7", true},
    {"exponent", "1e3", true},
    {"near_single_limit", "3E+38", true},
    {"largest_single", "3.4028235E+38", true},
    {"too_small_for_single", "1e-50", true},
    {"no_integer_digit", ".5", true},
    {"no_fraction_digit", "5.", true},
    {"written_by_the_program", "-5.00E-01", true},
    {"clear_zero", "0", true},
    {"beyond_single_limit", "4E+38", false},
    {"just_beyond_largest_single", "3.4028236E+38", false},
    {"negative_beyond_single_limit", "-4E+38", false},
    {"two_separators", "1.2.3", false},
    {"trailing_letter", "12a", false},
    {"lone_minus", "-", false},
    {"lone_separator", ".", false},
    {"empty", "", false},
    {"blanks_only", "   ", false},
    {"two_numbers", "1 2", false},
    {"decimal_comma_in_c_locale", "1,5", false},
    {"exponent_without_digits", "1e", false},
    {"infinity", "inf", false},
    {"not_a_number", "nan", false},
    {"hexadecimal", "0x10", false},
};

class EntryCheck : public testing::TestWithParam<Entry> {};

// State: a fresh window with the decimal point of the C locale.
// Action: type the text into real_a and press CONVERT under ABC Rectangular (the other
// entries there stay small, so even the largest entries give results that can be shown).
// Expected: a number converts (no mark, results written); anything else marks real_a
// alone and changes no text.
TEST_P(EntryCheck, typed_into_real_a) {
    const Entry &e = GetParam();
    const auto form = shown_form();
    type_into(*form, "real_a", QString::fromUtf8(e.text));
    const auto before = texts(*form);
    click(form->Convert[1]);
    EXPECT_EQ(form->model().state().errors_found, !e.passes);
    EXPECT_EQ(marked(*form), e.passes ? Names{} : Names{"real_a"});
    EXPECT_EQ(texts(*form).at("real_a"), e.text); // the entry is never rewritten
    if (e.passes) {
        EXPECT_NE(texts(*form).at("mag_a"), before.at("mag_a"));
    } else {
        EXPECT_EQ(texts(*form), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Form1, EntryCheck, testing::ValuesIn(entries),
                         [](const auto &info) { return std::string(info.param.name); });

// State: a fresh window; the second and fifth fields of group g hold no number.
// Action: press group g's CONVERT.
// Expected: only the second field is marked: checking stops at the first bad field.
TEST(Marking, each_group_marks_only_its_first_bad_field) {
    for (int g = 0; g < 4; ++g) {
        const auto form = shown_form();
        const auto names = form_test::group_names(g);
        type_into(*form, names[1].c_str(), QStringLiteral("x"));
        type_into(*form, names[4].c_str(), QString());
        click(form->Convert[static_cast<std::size_t>(g)]);
        EXPECT_TRUE(form->model().state().errors_found) << g;
        EXPECT_EQ(marked(*form), Names{names[1]}) << g;
    }
}

// State: a fresh window; mag_c and ang_a hold no number.
// Action: press CONVERT under ABC Polar.
// Expected: mag_c, which comes first in checking order, is the one field marked.
TEST(Marking, checking_order_runs_magnitudes_before_angles) {
    const auto form = shown_form();
    type_into(*form, "ang_a", QStringLiteral("abc"));
    type_into(*form, "mag_c", QStringLiteral("1..0"));
    click(form->Convert[0]);
    EXPECT_EQ(marked(*form), Names{"mag_c"});
}

// State: a fresh window; real_a holds letters.
// Action: press CONVERT under ABC Polar.
// Expected: the other groups are not read: nothing is marked and real_a gets its result.
TEST(Marking, other_groups_are_not_read) {
    const auto form = shown_form();
    type_into(*form, "real_a", QStringLiteral("letters"));
    click(form->Convert[0]);
    EXPECT_FALSE(form->model().state().errors_found);
    EXPECT_EQ(marked(*form), Names{});
    EXPECT_EQ(texts(*form).at("real_a"), "1.00E+00");
}

// State: mag_b is marked after a failed check; the user then corrects it.
// Action: press CONVERT under ABC Rectangular, whose entries are good.
// Expected: editing alone leaves the mark; the next good check removes it.
TEST(Marking, mark_stays_until_the_next_check_of_any_group) {
    const auto form = shown_form();
    type_into(*form, "mag_b", QString());
    click(form->Convert[0]);
    ASSERT_EQ(marked(*form), Names{"mag_b"});
    type_into(*form, "mag_b", QStringLiteral("1"));
    EXPECT_EQ(marked(*form), Names{"mag_b"});
    click(form->Convert[1]);
    EXPECT_FALSE(form->model().state().errors_found);
    EXPECT_EQ(marked(*form), Names{});
}

// State: a fresh window; mag_a holds no number.
// Action: press CONVERT under ABC Polar.
// Expected: the plot is erased and left empty, the labels come up, nothing is saved.
TEST(Marking, failed_check_draws_no_phasors_and_saves_nothing) {
    const auto form = shown_form();
    type_into(*form, "mag_a", QStringLiteral("?"));
    click(form->Convert[0]);
    EXPECT_EQ(form->model().phasors().va_mag, 0.0);
    EXPECT_EQ(form->model().phasors().vb_mag, 0.0);
    EXPECT_EQ(form->model().phasors().vc_mag, 0.0);
    ASSERT_EQ(form->canvas().last_call().size(), 1u);
    EXPECT_EQ(form->canvas().last_call()[0].kind, toolkit::DrawOp::Kind::Box);
    EXPECT_TRUE(form->Letter_A.Visible());
    EXPECT_EQ(form->model().state().jslot, 0);
    EXPECT_FALSE(form->Option1[1].Enabled());
}

struct Overflow {
    const char *name;
    int group;
    std::vector<std::pair<const char *, const char *>> entries;
};

void PrintTo(const Overflow &o, std::ostream *out) {
    *out << o.name;
}

const Overflow overflows[] = {
    {"phase_a_sum_of_sequence_reals",
     3,
     {{"real_0", "3E+38"}, {"real_1", "3E+38"}, {"real_2", "3E+38"}}},
    {"phase_a_sum_of_sequence_magnitudes",
     2,
     {{"mag_0", "3E+38"}, {"mag_1", "3E+38"}, {"mag_2", "3E+38"}}},
    {"magnitude_of_phase_a", 1, {{"real_a", "3E+38"}, {"imag_a", "3E+38"}}},
    // The square of a single-precision imaginary part overflows long before the entry does.
    {"square_of_phase_c_imaginary_part", 1, {{"imag_c", "2E+19"}}},
    {"square_of_sequence_2_imaginary_part", 3, {{"imag_2", "2E+19"}}},
    // Passes the check, but sequence 2 then has an imaginary part near 8.7E+37.
    {"phase_b_near_the_limit", 0, {{"mag_b", "3E+38"}}},
};

class BeyondSingleRange : public testing::TestWithParam<Overflow> {};

// State: a fresh window; the pressed group's entries all pass the check, but a result
// lies beyond the single-precision range.
// Action: press the group's CONVERT.
// Expected: the entry is refused as a whole: all six fields of the group light red,
// errors_found set, no text changed (so no "inf" anywhere), no phasors, nothing saved.
TEST_P(BeyondSingleRange, whole_group_is_refused) {
    const Overflow &o = GetParam();
    const auto form = shown_form();
    for (const auto &[name, text] : o.entries)
        type_into(*form, name, QString::fromUtf8(text));
    const auto before = texts(*form);
    click(form->Convert[static_cast<std::size_t>(o.group)]);
    EXPECT_TRUE(form->model().state().errors_found);
    const auto names = form_test::group_names(o.group);
    EXPECT_EQ(marked(*form), Names(names.begin(), names.end()));
    EXPECT_EQ(texts(*form), before);
    EXPECT_EQ(form->model().phasors().va_mag, 0.0);
    EXPECT_EQ(form->model().phasors().vb_mag, 0.0);
    EXPECT_EQ(form->model().phasors().vc_mag, 0.0);
    EXPECT_EQ(form->model().state().jslot, 0);
}

INSTANTIATE_TEST_SUITE_P(Form1, BeyondSingleRange, testing::ValuesIn(overflows),
                         [](const auto &info) { return std::string(info.param.name); });

// State: a fresh window; ABC Rectangular holds phase A at 3E+38, everything else zero.
// Action: press CONVERT under ABC Rectangular.
// Expected: every result fits the single range, so it converts and is shown.
TEST(BeyondSingleRangeEdge, results_just_inside_the_range_are_shown) {
    const auto form = shown_form();
    for (const char *name : {"real_b", "real_c", "imag_a", "imag_b", "imag_c"})
        type_into(*form, name, QStringLiteral("0"));
    type_into(*form, "real_a", QStringLiteral("3E+38"));
    click(form->Convert[1]);
    EXPECT_FALSE(form->model().state().errors_found);
    EXPECT_EQ(marked(*form), Names{});
    const auto shown = texts(*form);
    EXPECT_EQ(shown.at("mag_a"), "3.00E+38");
    EXPECT_EQ(shown.at("real_0"), "1.00E+38");
    EXPECT_EQ(form->model().state().jslot, 1);
}

} // namespace
