// What the user waits for, on the offscreen platform: one Convert click with the repaint
// that its plot schedules, and one key typed into a field below a drawn plot with its
// repaint. QT_SCALE_FACTOR=2 gives ratio 2.
#include "form/form1.h"
#include "toolkit/application.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

void convert_and_repaint(benchmark::State &state) {
    Form1 form;
    form.show();
    QApplication::processEvents();
    form.Convert_Click(0);
    QApplication::processEvents();
    for (auto _ : state) {
        form.Convert_Click(0);
        QApplication::processEvents();
    }
    state.counters["ratio"] = form.devicePixelRatioF();
}
BENCHMARK(convert_and_repaint);

// A digit typed and taken back again, so the text stays the same from one round to the next.
void type_and_repaint(benchmark::State &state) {
    Form1 form;
    form.show();
    QApplication::processEvents();
    form.Convert_Click(0);
    QApplication::processEvents();
    QLineEdit *field = form.mag_a.widget();
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
