// What the user waits for, on the offscreen platform: one Convert click with the repaint
// that its plot schedules, and one key typed into a field below a drawn plot with its
// repaint. QT_SCALE_FACTOR=2 gives ratio 2.
#include "form/form1.h"
#include "toolkit/application.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

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

int main(int argc, char **argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (std::getenv("XDG_RUNTIME_DIR") == nullptr) {
        const std::string dir = "/tmp/trivane-runtime-" + std::to_string(getuid());
        mkdir(dir.c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", dir.c_str(), 0);
    }
    QApplication app(argc, argv);
    toolkit::setup_application(app);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
