// What the user waits for, on the offscreen platform: one Convert click with the repaint
// that its plot schedules, and one key typed into a field below a drawn plot with its
// repaint. QT_SCALE_FACTOR=2 gives ratio 2.
#include "form/form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

// Shows the window and converts the start-up set once; returns the first CONVERT button.
QPushButton *show_and_convert(Form1 &form) {
    form.show();
    QApplication::processEvents();
    auto *convert = form.findChild<QPushButton *>(QStringLiteral("Convert_0"));
    convert->click();
    QApplication::processEvents();
    return convert;
}

void convert_and_repaint(benchmark::State &state) {
    Form1 form;
    QPushButton *convert = show_and_convert(form);
    for (auto _ : state) {
        convert->click();
        QApplication::processEvents();
    }
    state.counters["ratio"] = form.devicePixelRatioF();
}
BENCHMARK(convert_and_repaint);

// A digit typed and taken back again, so the text stays the same from one round to the next.
void type_and_repaint(benchmark::State &state) {
    Form1 form;
    show_and_convert(form);
    auto *field = form.findChild<QLineEdit *>(QStringLiteral("mag_a"));
    field->setFocus();
    for (auto _ : state) {
        QTest::keyClick(field, Qt::Key_7);
        QApplication::processEvents();
        QTest::keyClick(field, Qt::Key_Backspace);
        QApplication::processEvents();
    }
}
BENCHMARK(type_and_repaint);

} // namespace
