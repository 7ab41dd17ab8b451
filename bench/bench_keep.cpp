// The cost of keeping cases between runs: one save (lock, read, merge, write whole) and the
// read at start-up, with a full file of ten cases, in a temporary folder; and what a Convert
// click costs the window while the store writes slowly, beside the same click with keeping
// off: the click must not wait for the disk.
#include "form/form1.h"
#include "form/memory_store.h"
#include "toolkit/save_file.h"

#include <QApplication>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

namespace {

form::SavedCase typical_case(int k) {
    form::SavedCase saved;
    saved.group = k % 4;
    saved.texts = {QStringLiteral("1.0"),    QString::number(k),  QStringLiteral("2.5E+03"),
                   QStringLiteral("-120.0"), QStringLiteral("0"), QStringLiteral("119.75")};
    return saved;
}

void store_save(benchmark::State &state) {
    const QTemporaryDir dir;
    form::MemoryStore store(dir.path());
    for (int k = 0; k < 10; ++k)
        (void)store.save(typical_case(k));
    int k = 10;
    for (auto _ : state) {
        const form::StoreOutcome outcome = store.save(typical_case(k++));
        benchmark::DoNotOptimize(outcome.failure);
    }
}
BENCHMARK(store_save)->Unit(benchmark::kMicrosecond);

void store_load(benchmark::State &state) {
    const QTemporaryDir dir;
    form::MemoryStore store(dir.path());
    for (int k = 0; k < 10; ++k)
        (void)store.save(typical_case(k));
    for (auto _ : state) {
        const form::StoredCases read = store.read();
        benchmark::DoNotOptimize(read.cases.size());
    }
}
BENCHMARK(store_load)->Unit(benchmark::kMicrosecond);

void set_keeping(bool keep) {
    QSettings(QStringLiteral("trivane"), QStringLiteral("trivane"))
        .setValue(QStringLiteral("cases/keep"), keep);
}

// A Convert click with the events it posts, keeping off (range 0) or keeping while every
// write of the store takes 50 ms (range 1).
void convert_click(benchmark::State &state) {
    const bool keeping = state.range(0) != 0;
    set_keeping(keeping);
    Form1 form;
    form.case_memory().set_writer([](const QString &path, const QByteArray &data) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return toolkit::save_file(path, data);
    });
    form.show();
    QApplication::processEvents();
    auto *convert = form.findChild<QPushButton *>(QStringLiteral("Convert_0"));
    convert->click();
    QApplication::processEvents();
    for (auto _ : state) {
        convert->click();
        QApplication::processEvents();
    }
    // Once timing ends the saves still queued find keeping off, so the window closes at once.
    set_keeping(false);
    form.case_memory().wait_for_pending();
    set_keeping(true);
}
// A fixed count of clicks: the queue that the slow disk leaves behind stays short.
BENCHMARK(convert_click)
    ->ArgName("keeping_slow_disk")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(500)
    ->Unit(benchmark::kMicrosecond);

} // namespace
