// The case memory's named situations, driven through the real window.
#include "memory_view.h"
#include "tests/support/shown_form.h"

#include <QSignalSpy>

#include <memory>
#include <string>
#include <vector>

namespace {

using memory_test::abc_polar_texts;
using memory_test::buttons;
using memory_test::CaseTexts;
using memory_test::expected_buttons;
using memory_test::slot_texts;
using testing_support::click;

class MemoryCases : public ::testing::Test {
protected:
    std::unique_ptr<Form1> form = testing_support::shown_form();

    void type_group(int group, const CaseTexts &texts) {
        const auto first = static_cast<std::size_t>(group) * 6;
        for (std::size_t i = 0; i < 6; ++i)
            testing_support::type_into(*form, memory_test::field_names[first + i], texts[i]);
    }
    void convert(int group) { click(form->Convert[static_cast<std::size_t>(group)]); }
    void option(int slot) { click(form->Option1[static_cast<std::size_t>(slot)].widget()); }

    // Case n of a series: A n at 0, B 1 at -120, C 1 at 120 degrees, n written out.
    static CaseTexts numbered(int n) {
        return {QString::number(n),  QStringLiteral("1"),    QStringLiteral("1"),
                QStringLiteral("0"), QStringLiteral("-120"), QStringLiteral("120")};
    }
    void save_numbered(int from, int to) {
        for (int n = from; n <= to; ++n) {
            type_group(0, numbered(n));
            convert(0);
        }
    }

    std::vector<CaseTexts> all_slots() const {
        std::vector<CaseTexts> out;
        for (int slot = 0; slot <= 10; ++slot)
            out.push_back(slot_texts(*form, slot));
        return out;
    }

    std::vector<QString> other_groups() {
        std::vector<QString> out;
        for (int group = 1; group < 4; ++group) {
            for (toolkit::TextBox *field : group_fields(*form, group))
                out.push_back(field->Text());
        }
        return out;
    }
};

TEST_F(MemoryCases, start_up_has_no_button_enabled_bold_or_selected) {
    EXPECT_EQ(buttons(*form), expected_buttons(0, 0, 0));
    EXPECT_EQ(form->model().state().jslot, 0);
    for (const CaseTexts &texts : all_slots())
        EXPECT_EQ(texts, CaseTexts{});
}

TEST_F(MemoryCases, first_conversion_fills_slot_1) {
    convert(0);
    EXPECT_EQ(form->model().state().jslot, 1);
    EXPECT_EQ(buttons(*form), expected_buttons(1, 1, 0));
    const CaseTexts start_up{QStringLiteral("1.0"),    QStringLiteral("1.0"),
                             QStringLiteral("1.0"),    QStringLiteral("0.0"),
                             QStringLiteral("-120.0"), QStringLiteral("120.0")};
    EXPECT_EQ(slot_texts(*form, 1), start_up);
    EXPECT_EQ(slot_texts(*form, 2), CaseTexts{});
}

TEST_F(MemoryCases, eleventh_conversion_overwrites_slot_1_and_moves_the_bold_mark) {
    save_numbered(1, 10);
    EXPECT_EQ(buttons(*form), expected_buttons(10, 10, 0));
    save_numbered(11, 11);
    EXPECT_EQ(form->model().state().jslot, 1);
    EXPECT_EQ(buttons(*form), expected_buttons(10, 1, 0));
    EXPECT_EQ(slot_texts(*form, 1), numbered(11));
    for (int slot = 2; slot <= 10; ++slot)
        EXPECT_EQ(slot_texts(*form, slot), numbered(slot));
}

TEST_F(MemoryCases, recalling_slot_4_while_7_is_newest_restores_it_without_saving) {
    std::vector<QString> results_of_4;
    for (int n = 1; n <= 7; ++n) {
        save_numbered(n, n);
        if (n == 4)
            results_of_4 = other_groups();
    }
    type_group(0, numbered(99));
    const auto before = all_slots();

    option(4);
    EXPECT_EQ(abc_polar_texts(*form), numbered(4));
    EXPECT_EQ(other_groups(), results_of_4);
    EXPECT_EQ(buttons(*form), expected_buttons(7, 7, 4));
    EXPECT_EQ(form->model().state().jslot, 7);
    EXPECT_EQ(all_slots(), before);
    EXPECT_FALSE(form->model().state().recall_in_progress);

    convert(0);
    EXPECT_EQ(buttons(*form), expected_buttons(8, 8, 0));
    EXPECT_EQ(slot_texts(*form, 8), numbered(4));
}

TEST_F(MemoryCases, texts_come_back_exactly_as_typed) {
    const CaseTexts typed{QStringLiteral(" 2 "),    QStringLiteral("1.0"), QStringLiteral("1e0"),
                          QStringLiteral("-120.0"), QStringLiteral("+0"),  QStringLiteral("3e2")};
    type_group(0, typed);
    convert(0);
    save_numbered(5, 5);
    option(1);
    EXPECT_EQ(abc_polar_texts(*form), typed);
    EXPECT_EQ(slot_texts(*form, 1), typed);
}

// State: a 012 polar case converted, then another case. Action: recall the first.
// Expected: the 012 texts come back exactly as typed, into their group, and convert again
// as a recall: the ABC results are those of the first conversion, nothing is saved.
TEST_F(MemoryCases, a_case_comes_back_into_the_group_it_was_entered_in) {
    const CaseTexts entered{QStringLiteral("0.01234"), QStringLiteral("1"),
                            QStringLiteral("0.05678"), QStringLiteral("77.7"),
                            QStringLiteral("-3.3"),    QStringLiteral("151.1")};
    type_group(2, entered);
    convert(2);
    ASSERT_EQ(form->model().state().jslot, 1);
    const CaseTexts results = abc_polar_texts(*form);
    save_numbered(5, 5);
    type_group(2, numbered(7));

    option(1);
    EXPECT_EQ(memory_test::group_texts(*form, 2), entered);
    EXPECT_EQ(abc_polar_texts(*form), results);
    EXPECT_EQ(form->model().state().saved[1].group, 2);
    EXPECT_EQ(buttons(*form), expected_buttons(2, 2, 1));
    EXPECT_FALSE(form->model().state().recall_in_progress);
}

struct Outcome {
    const char *what;
    int group;
    CaseTexts texts;
    bool saves;
};

// Starting from two saved cases: which conversions take slot 3.
TEST_F(MemoryCases, a_conversion_saves_only_a_checked_case_with_a_phase_above_1e_minus_6) {
    const auto q = [](const char *text) { return QString::fromLatin1(text); };
    const Outcome rows[] = {
        {"bad magnitude", 0, {q("abc"), q("1"), q("1"), q("0"), q("0"), q("0")}, false},
        {"bad angle", 2, {q("1"), q("1"), q("1"), q("0"), q("1.2.3"), q("0")}, false},
        {"empty imaginary part", 1, {q("1"), q("1"), q("1"), q("0"), q("0"), q("")}, false},
        {"all zero", 0, {q("0"), q("0"), q("0"), q("0"), q("-120"), q("120")}, false},
        {"largest exactly 1e-6",
         0,
         {q("1e-6"), q("-0.000001"), q("5e-7"), q("0"), q("0"), q("0")},
         false},
        {"tiny rectangular", 3, {q("5e-7"), q("0"), q("0"), q("0"), q("0"), q("0")}, false},
        {"just above 1e-6", 0, {q("1.000001e-6"), q("0"), q("0"), q("0"), q("0"), q("0")}, true},
        {"only B above", 0, {q("1e-6"), q("-2"), q("0"), q("0"), q("0"), q("0")}, true},
        {"only C above", 0, {q("0"), q("5e-7"), q("-2"), q("0"), q("0"), q("0")}, true},
        {"all negative", 0, {q("-1"), q("-2"), q("-3"), q("0"), q("-120"), q("120")}, true},
        {"rectangular", 1, {q("1"), q("0"), q("0"), q("1"), q("0"), q("0")}, true},
    };
    for (const Outcome &row : rows) {
        SCOPED_TRACE(row.what);
        form = testing_support::shown_form();
        save_numbered(1, 2);
        const auto before = all_slots();
        type_group(row.group, row.texts);
        convert(row.group);
        if (row.saves) {
            EXPECT_EQ(buttons(*form), expected_buttons(3, 3, 0));
            EXPECT_EQ(slot_texts(*form, 3), memory_test::group_texts(*form, row.group));
        } else {
            EXPECT_EQ(buttons(*form), expected_buttons(2, 2, 0));
            EXPECT_EQ(all_slots(), before);
        }
    }
}

TEST_F(MemoryCases, clear_saves_nothing_and_keeps_the_memory) {
    save_numbered(1, 3);
    option(2);
    click(form->CLEAR);
    EXPECT_EQ(form->model().state().jslot, 3);
    EXPECT_EQ(buttons(*form), expected_buttons(3, 3, 0));
    option(1);
    EXPECT_EQ(abc_polar_texts(*form), numbered(1));
    save_numbered(7, 7);
    EXPECT_EQ(slot_texts(*form, 4), numbered(7));
}

TEST_F(MemoryCases, clicking_a_disabled_button_changes_nothing) {
    save_numbered(1, 2);
    type_group(0, numbered(42));
    QSignalSpy clicks(form->Option1[3].widget(), &QAbstractButton::clicked);
    option(3);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(buttons(*form), expected_buttons(2, 2, 0));
    EXPECT_EQ(abc_polar_texts(*form), numbered(42));
    EXPECT_EQ(form->model().state().jslot, 2);
}

TEST_F(MemoryCases, clearing_the_selection_raises_no_click) {
    save_numbered(1, 2);
    option(1);
    ASSERT_TRUE(form->Option1[1].Value());
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (int slot = 1; slot <= 10; ++slot)
        spies.push_back(std::make_unique<QSignalSpy>(
            form->Option1[static_cast<std::size_t>(slot)].widget(), &QAbstractButton::clicked));
    type_group(0, numbered(8));
    convert(0);
    for (const auto &spy : spies)
        EXPECT_EQ(spy->count(), 0);
    EXPECT_EQ(abc_polar_texts(*form), numbered(8)); // no recall of slot 1 overwrote them
    EXPECT_EQ(buttons(*form), expected_buttons(3, 3, 0));
    EXPECT_EQ(slot_texts(*form, 3), numbered(8));
}

} // namespace
