// The cost of keeping cases between runs: one save (lock, read, merge, write whole) and the
// read at start-up, with a full file of ten cases, in a temporary folder.
#include "form/memory_store.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

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
        const QString problem = store.save(typical_case(k++));
        benchmark::DoNotOptimize(problem);
    }
}
BENCHMARK(store_save)->Unit(benchmark::kMicrosecond);

void store_load(benchmark::State &state) {
    const QTemporaryDir dir;
    form::MemoryStore store(dir.path());
    for (int k = 0; k < 10; ++k)
        (void)store.save(typical_case(k));
    for (auto _ : state) {
        const form::StoredCases read = store.load();
        benchmark::DoNotOptimize(read.cases.size());
    }
}
BENCHMARK(store_load)->Unit(benchmark::kMicrosecond);

} // namespace
