// One history for the whole window: the keys, the menus and what every output shows after
// an undo.
#include "form_fields.h"
#include "tests/support/shown_form.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QMenu>
#include <QUndoStack>

#include <gtest/gtest.h>

namespace {

using testing_support::click;
using testing_support::field;
using testing_support::shown_form;
using testing_support::type_into;

// The keys go where a user's keys go: to the focused control.
QWidget *focused(Form1 &form) {
    QWidget *focus = QApplication::focusWidget();
    return focus != nullptr ? focus : &form;
}

void key(QWidget *target, Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    QTest::keyClick(target, k, modifiers);
    QApplication::processEvents();
}

// Everything a user or a program can read of the case: the model, the fields and their
// tooltips, the diagrams' description, the canvas, the memory selection and Copy Results.
struct Outputs {
    form::ShownCase shown;
    std::map<std::string, std::string> texts;
    QStringList tooltips;
    QString picture;
    std::vector<toolkit::DrawOp> display;
    std::vector<bool> selected;
    QString results;
    bool operator==(const Outputs &) const = default;
};

Outputs outputs(Form1 &form) {
    Outputs out{form.model().shown(), form_test::texts(form), {}, {}, {}, {}, {}};
    for (const toolkit::TextBox *f : form.all_fields())
        out.tooltips << f->widget()->toolTip();
    out.tooltips << form.Polar_012.widget()->toolTip();
    out.picture = plot_area(form)->accessibleDescription();
    out.display = form.canvas().display_list();
    for (int i = 1; i <= 10; ++i)
        out.selected.push_back(form.Option1[static_cast<std::size_t>(i)].Value());
    QApplication::clipboard()->clear();
    form.actions().copy_results->trigger();
    out.results = QApplication::clipboard()->text();
    return out;
}

// State: 5 typed into mag_a.
// Action: Return (a conversion), then Ctrl+Z in the field.
// Expected: the window is as it was before Return: every group, the marks, the held numbers,
// the diagrams, their description, the unbalance and Copy Results; mag_a keeps its 5.
TEST(FormUndo, undoing_a_conversion_brings_every_output_back) {
    const auto form = shown_form();
    click(form->Convert[0]);
    type_into(*form, "mag_a", QStringLiteral("5"));
    const Outputs before = outputs(*form);
    key(field(*form, "mag_a"), Qt::Key_Return, Qt::NoModifier);
    const Outputs converted = outputs(*form);
    ASSERT_NE(converted.texts, before.texts);
    ASSERT_NE(converted.display, before.display);
    key(field(*form, "mag_a"), Qt::Key_Z);
    EXPECT_TRUE(outputs(*form) == before);
    EXPECT_EQ(field(*form, "mag_a")->text(), QStringLiteral("5"));
    key(field(*form, "mag_a"), Qt::Key_Y);
    EXPECT_TRUE(outputs(*form) == converted);
}

// State: a case saved, another converted.
// Action: a recall of slot 1, then Undo from the window's menu, which reads "Undo Recall".
// Expected: the case before the recall in every output, the selection too; the memory, its
// bold mark, the plot labels and the recall state as they were after the recall.
TEST(FormUndo, undoing_a_recall_keeps_the_memory_and_runs_no_procedure) {
    const auto form = shown_form();
    type_into(*form, "mag_a", QStringLiteral("2"));
    click(form->Convert[0]);
    type_into(*form, "mag_a", QStringLiteral("3"));
    click(form->Convert[0]);
    type_into(*form, "real_0", QStringLiteral("9"));
    const Outputs before = outputs(*form);
    click(form->Option1[1].widget());
    ASSERT_TRUE(form->Option1[1].Value());
    const std::unique_ptr<QMenu> menu(form->actions().context_menu());
    QAction *undo = menu->actions().at(0);
    EXPECT_EQ(undo->text(), QStringLiteral("Undo Recall"));
    EXPECT_EQ(undo->objectName(), QStringLiteral("Undo"));
    undo->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(outputs(*form) == before);
    EXPECT_EQ(form->model().state().jslot, 2);
    EXPECT_TRUE(form->Option1[2].FontBold());
    EXPECT_FALSE(form->model().state().recall_in_progress);
    EXPECT_TRUE(form->Letter_A.Visible());
}

// State: 9 typed into a result field, the focus then put into another field.
// Action: Ctrl+Z there, then Ctrl+Shift+Z, then Ctrl+Z again and Ctrl+Y.
// Expected: the typing goes and comes back: a field's own history never takes the keys, so
// nothing typed is lost.
TEST(FormUndo, the_keys_in_any_field_go_to_the_one_history) {
    const auto form = shown_form();
    click(form->Convert[0]);
    const QString shown = field(*form, "mag_1")->text();
    type_into(*form, "mag_1", QStringLiteral("9"));
    QLineEdit *other = field(*form, "ang_b");
    other->setFocus();
    key(other, Qt::Key_Z);
    EXPECT_EQ(field(*form, "mag_1")->text(), shown);
    key(other, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(field(*form, "mag_1")->text(), QStringLiteral("9"));
    key(other, Qt::Key_Z);
    key(other, Qt::Key_Y);
    EXPECT_EQ(field(*form, "mag_1")->text(), QStringLiteral("9"));
    EXPECT_EQ(form->model().text(13), QStringLiteral("9"));
}

// State: "12345" in mag_a, the cursor after "12".
// Action: 9 and 8 typed, then Ctrl+Z.
// Expected: "1298345", one command with the text set before in the same field: the command
// pushed leaves the field alone.
TEST(FormUndo, typing_at_the_cursor_stays_where_it_is_typed) {
    const auto form = shown_form();
    QLineEdit *edit = field(*form, "mag_a");
    const QString original = edit->text();
    edit->setText(QStringLiteral("12345"));
    edit->setFocus();
    edit->setCursorPosition(2);
    QTest::keyClicks(edit, QStringLiteral("98"));
    EXPECT_EQ(edit->text(), QStringLiteral("1298345"));
    EXPECT_EQ(form->model().text(0), QStringLiteral("1298345"));
    key(edit, Qt::Key_Z);
    EXPECT_EQ(edit->text(), original);
}

// State: a conversion, then 7 typed into mag_b.
// Action: the Undo of mag_b's own context menu, twice.
// Expected: the typing, then the conversion, are taken back.
TEST(FormUndo, a_fields_own_menu_undoes_in_the_one_history) {
    const auto form = shown_form();
    const auto before = form_test::texts(*form);
    type_into(*form, "mag_a", QStringLiteral("2"));
    click(form->Convert[0]);
    type_into(*form, "mag_b", QStringLiteral("7"));
    const auto undo_in_menu = [&] {
        QLineEdit *edit = field(*form, "mag_b");
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                edit->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(edit, &event);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QAction *undo = menu->findChild<QAction *>(QStringLiteral("Undo"));
        ASSERT_NE(undo, nullptr);
        ASSERT_TRUE(undo->isEnabled());
        undo->trigger();
        menu->close();
        QApplication::processEvents();
    };
    undo_in_menu();
    EXPECT_EQ(field(*form, "mag_b")->text(), QString::fromStdString(before.at("mag_b")));
    EXPECT_EQ(field(*form, "mag_1")->text().endsWith(QLatin1String("E+00")), true);
    undo_in_menu();
    undo_in_menu();
    EXPECT_EQ(form_test::texts(*form), before);
}

// State: a bad entry converted (ang_b marked "Not a number"), then a good one.
// Action: Ctrl+Z.
// Expected: ang_b's mark comes back with its reason, in its tooltip and for screen readers.
TEST(FormUndo, a_marks_reason_comes_back) {
    const auto form = shown_form();
    type_into(*form, "ang_b", QStringLiteral("x"));
    click(form->Convert[0]);
    const QString reason = field(*form, "ang_b")->toolTip();
    ASSERT_EQ(reason, QStringLiteral("Not a number"));
    type_into(*form, "ang_b", QStringLiteral("1"));
    click(form->Convert[0]);
    ASSERT_EQ(field(*form, "ang_b")->toolTip(), QString());
    key(focused(*form), Qt::Key_Z);
    EXPECT_EQ(field(*form, "ang_b")->toolTip(), reason);
    EXPECT_EQ(field(*form, "ang_b")->accessibleDescription(), reason);
    EXPECT_EQ(form_test::marked(*form), std::vector<std::string>{"ang_b"});
    EXPECT_TRUE(form->model().state().errors_found);
}

// State: a drawing made, 4 typed into mag_a.
// Action: the same conversion twice, then Ctrl+Z twice.
// Expected: the window before the first, then before the typing: the second conversion
// changed nothing and added no step.
TEST(FormUndo, a_conversion_that_changed_nothing_adds_no_step) {
    const auto form = shown_form();
    click(form->Convert[0]);
    const auto before = form_test::texts(*form);
    type_into(*form, "mag_a", QStringLiteral("4"));
    const auto typed = form_test::texts(*form);
    click(form->Convert[0]);
    const int steps = form->history().stack().count();
    click(form->Convert[0]);
    EXPECT_EQ(form->history().stack().count(), steps);
    key(focused(*form), Qt::Key_Z);
    EXPECT_EQ(form_test::texts(*form), typed);
    key(focused(*form), Qt::Key_Z);
    EXPECT_EQ(form_test::texts(*form), before);
}

} // namespace
