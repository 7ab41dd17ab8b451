// The reading beside the window: its menu entries, the quantity kept with the case, Put into
// the Form and the line-to-line entry as steps of the one history, the pre-fault choice when
// the ring wraps, and the rows it adds to Copy Results.
#include "form/memory_store.h"
#include "form/reading_room.h"
#include "form/reading_window.h"
#include "tests/support/shown_form.h"

#include <QClipboard>
#include <QSettings>
#include <QUndoStack>

#include <gtest/gtest.h>

namespace {

using form::Quantity;
using testing_support::click;
using testing_support::shown_form;

form::ReadingRoom &room_of(Form1 &form) {
    return *form.findChild<form::ReadingRoom *>();
}

// Types a case into ABC Polar and converts it.
void convert_abc(Form1 &form, const std::array<const char *, 6> &texts) {
    for (std::size_t i = 0; i < 6; ++i)
        form.all_fields()[i]->setText(QLatin1String(texts[i]));
    click(form.Convert[0]);
}

QString field_text(Form1 &form, int k) {
    return form.model().text(k);
}

// State: a fresh window.
// Action: the two entries of the context menu.
// Expected: named by their untranslated names; Show Reading is a check mark on Ctrl+R that
// opens the reading window without taking the focus, and keeps the choice.
TEST(ReadingRoom, menu_entries_open_the_window_and_keep_it_open) {
    const auto form = shown_form();
    const std::unique_ptr<QMenu> menu(form->actions().context_menu());
    QAction *show = nullptr, *line = nullptr;
    for (QAction *action : menu->actions()) {
        if (action->objectName() == QLatin1String("Show Reading"))
            show = action;
        if (action->objectName() == QStringLiteral("Enter Line-to-Line Voltages…"))
            line = action;
    }
    ASSERT_TRUE(show && line);
    EXPECT_TRUE(show->isCheckable());
    EXPECT_EQ(show->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    QWidget *focus = form->focusWidget();
    QTest::keyClick(focus, Qt::Key_R, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_TRUE(show->isChecked());
    EXPECT_TRUE(room_of(*form).window().isVisible());
    EXPECT_EQ(form->focusWidget(), focus);
    EXPECT_EQ(focus->objectName(), QStringLiteral("mag_b"));
    EXPECT_TRUE(QSettings(QStringLiteral("trivane"), QStringLiteral("trivane"))
                    .value(QStringLiteral("reading/open"))
                    .toBool());
    room_of(*form).window().close();
    EXPECT_FALSE(show->isChecked());
}

// State: a case converted, its quantity said.
// Action: undo, redo, a recall of the saved case.
// Expected: the quantity comes back with the case each time, and is saved with it.
TEST(ReadingRoom, quantity_is_kept_with_the_case) {
    const auto form = shown_form();
    click(form->Convert[0]);
    form::ReadingRoom &room = room_of(*form);
    room.choose_quantity(Quantity::currents);
    QUndoStack &stack = form->history().stack();
    stack.undo();
    EXPECT_EQ(form->model().quantity(), Quantity::unsaid);
    stack.redo();
    EXPECT_EQ(form->model().quantity(), Quantity::currents);
    click(form->Convert[0]); // saved as slot 2, with its quantity
    EXPECT_EQ(form->model().state().saved[2].quantity, Quantity::currents);
    room.choose_quantity(Quantity::voltages);
    click(form->Option1[1].widget());
    EXPECT_EQ(form->model().quantity(), Quantity::unsaid);
    click(form->Option1[2].widget());
    EXPECT_EQ(form->model().quantity(), Quantity::currents);
    EXPECT_EQ(form::reading_json(room.reading())["quantity"].toString(), QLatin1String("currents"));
}

// State: a load in slot 1, a fault case converted after it, slot 1 chosen.
// Action: Put into the Form, then undo.
// Expected: ABC Polar holds the superimposed phases and is converted, as one step; the choice
// is none afterwards, and the results gain the reading's rows.
TEST(ReadingRoom, put_into_the_form_is_one_step) {
    const auto form = shown_form();
    convert_abc(*form, {"0.6", "0.6", "0.6", "-25", "-145", "95"});
    convert_abc(*form, {"0.6", "3.2", "3.2", "-25", "150", "10"});
    form::ReadingRoom &room = room_of(*form);
    room.choose_quantity(Quantity::currents);
    ASSERT_TRUE(room.subtract(1).isEmpty());
    const auto texts = form::delta_texts(room.reading(), toolkit::decimal_separator());
    ASSERT_TRUE(texts);
    const int steps = form->history().stack().count();
    EXPECT_TRUE(room.put_delta().isEmpty());
    EXPECT_EQ(form->history().stack().count(), steps + 1);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(field_text(*form, i), (*texts)[static_cast<std::size_t>(i)]) << i;
    EXPECT_EQ(field_text(*form, 0), QStringLiteral("0"));
    EXPECT_EQ(room.reading().prefault_slot, 0);
    EXPECT_EQ(form->model().quantity(), Quantity::currents);
    EXPECT_TRUE(form->model().state().has_results);
    form->actions().copy_results->trigger();
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(copied.contains(QLatin1String("\n3X0\t")));
    EXPECT_TRUE(copied.contains(QLatin1String("\nFault\t")));
    form->history().stack().undo();
    EXPECT_EQ(field_text(*form, 1), QStringLiteral("3.2"));
}

// State: slot 2 chosen as the pre-fault case.
// Action: conversions until the ring wraps into slot 2; a choice of an empty slot.
// Expected: the choice goes back to none when the slot takes another case; an empty slot is
// refused and the choice stays.
TEST(ReadingRoom, prefault_choice_goes_back_to_none_when_its_slot_is_overwritten) {
    const auto form = shown_form();
    testing_support::keep_no_cases(*form);
    click(form->Convert[0]);
    click(form->Convert[0]);
    form::ReadingRoom &room = room_of(*form);
    ASSERT_TRUE(room.subtract(2).isEmpty());
    EXPECT_FALSE(room.subtract(5).isEmpty());
    for (int i = 3; i <= 10; ++i)
        click(form->Convert[0]);
    click(form->Convert[0]); // slot 1
    EXPECT_EQ(room.reading().prefault_slot, 2);
    click(form->Convert[0]); // slot 2
    EXPECT_EQ(room.reading().prefault_slot, 0);
}

// State: a fresh window.
// Action: the line-to-line entry of the metering example, then undo.
// Expected: 012 Polar holds V0 = 0, V1 and V2, converted as voltages, one step, and a notice.
TEST(ReadingRoom, line_to_line_entry_is_one_step_of_voltages) {
    const auto form = shown_form();
    const form::LineOutcome outcome = form::line_to_line(
        {{84.9, 138.3, 85.4}, std::array{0.0, -144.0, -288.0}}, toolkit::decimal_separator());
    const int steps = form->history().stack().count();
    room_of(*form).enter_line_to_line(outcome.texts);
    EXPECT_EQ(form->history().stack().count(), steps + 1);
    EXPECT_EQ(form->model().quantity(), Quantity::voltages);
    EXPECT_EQ(field_text(*form, 12), QStringLiteral("0"));
    EXPECT_EQ(field_text(*form, 13), outcome.texts[1]);
    EXPECT_EQ(form->model().state().converted_group, 2);
    EXPECT_EQ(form->take_notice(),
              QStringLiteral("V0 is shown as 0 because line-to-line values cannot give it."));
    form->history().stack().undo();
    EXPECT_EQ(form->model().quantity(), Quantity::unsaid);
}

// The case memory's file keeps the quantity said, and leaves it out when it is not.
TEST(ReadingRoom, memory_file_keeps_the_quantity) {
    std::vector<form::StoredCase> cases(3);
    cases[0].saved.quantity = Quantity::currents;
    cases[1].saved.quantity = Quantity::voltages;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        cases[i].order = static_cast<std::int64_t>(i + 1);
        cases[i].saved.texts = {"1", "1", "1", "0", "-120", "120"};
    }
    const QByteArray file = form::write_cases(cases);
    EXPECT_EQ(file.count("\"quantity\""), 2);
    EXPECT_TRUE(file.contains("\"version\": 1"));
    const form::StoredCases read = form::read_cases(file);
    ASSERT_EQ(read.cases.size(), 3u);
    EXPECT_EQ(read.cases[0].saved.quantity, Quantity::currents);
    EXPECT_EQ(read.cases[1].saved.quantity, Quantity::voltages);
    EXPECT_EQ(read.cases[2].saved.quantity, Quantity::unsaid);
    QByteArray unknown = file;
    unknown.replace("\"voltages\"", "\"power\"");
    EXPECT_EQ(form::read_cases(unknown).cases[1].saved.quantity, Quantity::unsaid);
    EXPECT_TRUE(form::read_cases(unknown).problem.isEmpty());
}

} // namespace
