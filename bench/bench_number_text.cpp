#include "toolkit/number_text.h"

#include <benchmark/benchmark.h>

#include <QString>

namespace {

void parse_typical_entry(benchmark::State &state) {
    const QString text = QStringLiteral("-120.5");
    for (auto _ : state)
        benchmark::DoNotOptimize(toolkit::parse_number(text, u"."));
}
BENCHMARK(parse_typical_entry);

void parse_typical_entry_system_separator(benchmark::State &state) {
    const QString text = QStringLiteral("-120.5");
    for (auto _ : state)
        benchmark::DoNotOptimize(toolkit::parse_number(text));
}
BENCHMARK(parse_typical_entry_system_separator);

void format_scientific_result(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(toolkit::format_scientific(-1.2094851e-08, u"."));
}
BENCHMARK(format_scientific_result);

void format_fixed2_angle(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(toolkit::format_fixed2(-119.99999, u"."));
}
BENCHMARK(format_fixed2_angle);

// Pasted texts of a million characters and around it, to show the check is linear: a valid
// fraction of that many digits, and digits spoilt by a last letter.
void check_long_number(benchmark::State &state) {
    const QString text = QStringLiteral("0.") + QString(state.range(0), u'7');
    for (auto _ : state)
        benchmark::DoNotOptimize(toolkit::parse_number(text, u"."));
    state.SetBytesProcessed(state.iterations() * text.size() * qsizetype(sizeof(QChar)));
}
BENCHMARK(check_long_number)
    ->Arg(250'000)
    ->Arg(1'000'000)
    ->Arg(4'000'000)
    ->Unit(benchmark::kMillisecond);

void check_long_garbage(benchmark::State &state) {
    const QString text = QString(state.range(0), u'7') + u'x';
    for (auto _ : state)
        benchmark::DoNotOptimize(toolkit::parse_number(text, u"."));
    state.SetBytesProcessed(state.iterations() * text.size() * qsizetype(sizeof(QChar)));
}
BENCHMARK(check_long_garbage)
    ->Arg(250'000)
    ->Arg(1'000'000)
    ->Arg(4'000'000)
    ->Unit(benchmark::kMillisecond);

} // namespace
