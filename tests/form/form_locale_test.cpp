// The window under German number settings, where entries and results use a decimal comma,
// and under Arabic and Persian settings, whose decimal separator U+066B entries may hold
// beside a point, while results are written with a point. Runs for real in the de_DE, ar_EG
// and fa_IR registrations of this binary.

#include "form_fields.h"
#include "tests/support/number_settings.h"
#include "tests/support/shown_form.h"

#include <QLineEdit>
#include <QLocale>
#include <QTest>

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
    if (!testing_support::number_settings().startsWith(QLatin1String("de_")))
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
    if (!testing_support::number_settings().startsWith(QLatin1String("de_")))
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
    if (!testing_support::number_settings().startsWith(QLatin1String("de_")))
        GTEST_SKIP() << "the system locale is not German";
    const auto form = shown_form();
    EXPECT_EQ(texts(*form).at("ang_b"), "-120,0");
    click(form->Convert[0]);
    EXPECT_FALSE(form->model().state().errors_found);
    EXPECT_EQ(form->model().state().jslot, 1);
    click(form->Convert[1]);
    EXPECT_FALSE(form->model().state().errors_found);
}

// Types any text, beyond the ASCII that QTest::keyClicks knows, as key events carrying it.
void type_text(Form1 &form, const char *name, const QString &text) {
    QLineEdit *edit = testing_support::field(form, name);
    edit->selectAll();
    edit->setFocus();
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// State: a fresh window under the settings of the registration; ABC Polar holds one text of
// its row for mag_a and 1 / 1 at 0 / -120 / 120.
// Action: press CONVERT under ABC Polar.
// Expected: each accepted text converts and the results use the separator the settings write;
// each refused one marks mag_a, and Arabic-Indic digits are refused everywhere.
TEST(FormLocalNumbers, entries_convert_and_results_use_the_written_separator) {
    struct Row {
        const char *language;
        const char *separator;
        std::vector<QString> accepted, refused;
    };
    const QString arabic_digits = QStringLiteral("\u0661\u066B\u0665");
    const Row rows[] = {
        {"de", ",", {"1,5"}, {"1.5", QStringLiteral("1\u066B5"), arabic_digits}},
        {"ar", ".", {"1.5", QStringLiteral("1\u066B5")}, {"1,5", arabic_digits}},
        {"fa", ".", {"1.5", QStringLiteral("1\u066B5")}, {"1,5", QStringLiteral("\u06F1.\u06F5")}},
    };
    const Row *row = testing_support::row_for_number_settings(rows);
    ASSERT_NE(row, nullptr) << "no row for " << testing_support::number_language().toStdString();
    const std::string sep = row->separator;
    const std::pair<const char *, const char *> others[] = {
        {"mag_b", "1"}, {"mag_c", "1"}, {"ang_a", "0"}, {"ang_b", "-120"}, {"ang_c", "120"}};
    const auto convert = [&](const QString &mag_a) {
        auto form = shown_form();
        EXPECT_EQ(texts(*form).at("ang_b"), "-120" + sep + "0");
        type_text(*form, "mag_a", mag_a);
        for (const auto &[name, text] : others)
            type_into(*form, name, QString::fromUtf8(text));
        click(form->Convert[0]);
        return form;
    };
    for (const QString &text : row->accepted) {
        SCOPED_TRACE(text.toStdString());
        const auto form = convert(text);
        EXPECT_FALSE(form->model().state().errors_found);
        const auto shown = texts(*form);
        EXPECT_EQ(shown.at("real_a"), "1" + sep + "50E+00");
        EXPECT_EQ(shown.at("real_b"), "-5" + sep + "00E-01");
        EXPECT_EQ(shown.at("mag_1"), "1" + sep + "17E+00");
        EXPECT_EQ(shown.at("ang_1"), "0" + sep + "00");
        EXPECT_EQ(shown.at("mag_a"), text.toStdString());
    }
    for (const QString &text : row->refused) {
        SCOPED_TRACE(text.toStdString());
        const auto form = convert(text);
        EXPECT_TRUE(form->model().state().errors_found);
        EXPECT_EQ(marked(*form), std::vector<std::string>{"mag_a"});
    }
}

} // namespace
