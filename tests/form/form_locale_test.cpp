// The window under German number settings: entries and results use a decimal comma.
// Runs for real in the de_DE.UTF-8 registration of this binary; skipped elsewhere.

#include "form_fields.h"
#include "tests/support/shown_form.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

using form_test::marked;
using form_test::texts;
using testing_support::click;
using testing_support::shown_form;
using testing_support::type_into;

// State: a fresh window under de_DE; ABC Polar holds 1,5 / 1 / 1 at 0 / -120 / 120.
// Action: press CONVERT under ABC Polar.
// Expected: "1,5" is a number and every result is written with a comma.
TEST(FormGermanNumbers, decimal_comma_passes_and_results_use_it) {
    if (QLocale::system().language() != QLocale::German)
        GTEST_SKIP() << "the system locale is not German";
    const auto form = shown_form();
    const std::pair<const char *, const char *> entries[] = {{"mag_a", "1,5"},  {"mag_b", "1"},
                                                             {"mag_c", "1"},    {"ang_a", "0"},
                                                             {"ang_b", "-120"}, {"ang_c", "120"}};
    for (const auto &[name, text] : entries)
        type_into(*form, name, QString::fromUtf8(text));
    click(form->Convert[0]);
    EXPECT_FALSE(form->model().state().errors_found);
    EXPECT_TRUE(marked(*form).empty());
    const auto shown = texts(*form);
    EXPECT_EQ(shown.at("real_a"), "1,50E+00");
    EXPECT_EQ(shown.at("real_b"), "-5,00E-01");
    EXPECT_EQ(shown.at("mag_1"), "1,17E+00");
    EXPECT_EQ(shown.at("ang_1"), "0,00");
    EXPECT_EQ(shown.at("mag_a"), "1,5");
}

// State: a fresh window under de_DE; mag_a holds "1.5".
// Action: press CONVERT under ABC Polar.
// Expected: a decimal point is no number here: mag_a is marked and no text changes.
TEST(FormGermanNumbers, decimal_point_is_marked_bad) {
    if (QLocale::system().language() != QLocale::German)
        GTEST_SKIP() << "the system locale is not German";
    const auto form = shown_form();
    type_into(*form, "mag_a", QStringLiteral("1.5"));
    const auto before = texts(*form);
    click(form->Convert[0]);
    EXPECT_TRUE(form->model().state().errors_found);
    EXPECT_EQ(marked(*form), std::vector<std::string>{"mag_a"});
    EXPECT_EQ(texts(*form), before);
}

// State: a fresh window under de_DE.
// Action: press CONVERT under ABC Polar, then under ABC Rectangular.
// Expected: the default texts are written with a comma and pass the check.
TEST(FormGermanNumbers, default_texts_use_the_comma_and_pass) {
    if (QLocale::system().language() != QLocale::German)
        GTEST_SKIP() << "the system locale is not German";
    const auto form = shown_form();
    EXPECT_EQ(texts(*form).at("ang_b"), "-120,0");
    click(form->Convert[0]);
    EXPECT_FALSE(form->model().state().errors_found);
    EXPECT_EQ(form->model().state().jslot, 1);
    click(form->Convert[1]);
    EXPECT_FALSE(form->model().state().errors_found);
}

} // namespace
