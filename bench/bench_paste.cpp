// A pasted text of a million characters in a field of the offscreen window: the paste with
// the repaint it causes, a key typed and taken back in that field with its repaints, and the
// Convert command that checks it. Run beside the same at 32,767 characters, the length Qt's
// text boxes keep by default.
#include "form/form1.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

QString long_number(qsizetype length) {
    return QStringLiteral("0.") + QString(length - 2, u'7');
}

// The window shown, the focus in `field`, and the events settled.
void show_with_focus(Form1 &form, QLineEdit *field) {
    form.show();
    field->setFocus();
    QApplication::processEvents();
}

// A key and then `undo` (Backspace or a shortcut), each with the repaint it causes.
void key_and_back(QLineEdit *field, Qt::Key key, Qt::KeyboardModifiers modifiers, Qt::Key undo,
                  Qt::KeyboardModifiers undo_modifiers) {
    QTest::keyClick(field, key, modifiers);
    QApplication::processEvents();
    QTest::keyClick(field, undo, undo_modifiers);
    QApplication::processEvents();
}

void paste_long_text(benchmark::State &state) {
    Form1 form;
    QLineEdit *field = form.mag_a.widget();
    show_with_focus(form, field);
    QApplication::clipboard()->setText(long_number(state.range(0)));
    for (auto _ : state) {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        QApplication::processEvents();
    }
    if (field->text().size() != state.range(0))
        state.SkipWithError("the paste was cut");
}
BENCHMARK(paste_long_text)->Arg(32'767)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// A key typed and erased in `typed` while mag_a holds the long text: in that field itself,
// or beside it.
void type_with_long_text(benchmark::State &state, toolkit::TextBox Form1::*typed) {
    Form1 form;
    form.mag_a.setText(long_number(state.range(0)));
    QLineEdit *field = (form.*typed).widget();
    show_with_focus(form, field);
    for (auto _ : state)
        key_and_back(field, Qt::Key_7, Qt::NoModifier, Qt::Key_Backspace, Qt::NoModifier);
}
BENCHMARK_CAPTURE(type_with_long_text, in_that_field, &Form1::mag_a)
    ->Arg(32'767)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(type_with_long_text, beside_it, &Form1::mag_b)
    ->Arg(32'767)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

// The paste taken back by Undo, and made again by Redo.
void undo_long_paste(benchmark::State &state) {
    Form1 form;
    QLineEdit *field = form.mag_a.widget();
    show_with_focus(form, field);
    QApplication::clipboard()->setText(long_number(state.range(0)));
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
    for (auto _ : state)
        key_and_back(field, Qt::Key_Z, Qt::ControlModifier, Qt::Key_Z,
                     Qt::ControlModifier | Qt::ShiftModifier);
}
BENCHMARK(undo_long_paste)->Arg(32'767)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void convert_long_text(benchmark::State &state) {
    Form1 form;
    form.mag_a.setText(long_number(state.range(0)));
    show_with_focus(form, form.mag_a.widget());
    for (auto _ : state) {
        form.Convert[0]->click();
        QApplication::processEvents();
    }
}
BENCHMARK(convert_long_text)->Arg(32'767)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace
