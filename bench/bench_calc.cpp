#include "calc/phasor.h"
#include "calc/sequence.h"

#include <benchmark/benchmark.h>

namespace {

// The start-up case of the ABC polar group: 1 at 0, -120 and 120 degrees.
calc::PhasorState start_up_case() {
    calc::PhasorState s;
    calc::set_angle_constants(s);
    s.va_mag = s.vb_mag = s.vc_mag = 1.0;
    s.va_ang = 0.0;
    s.vb_ang = -120.0 * static_cast<double>(s.pi180);
    calc::store(s.vc_ang, 120.0 * static_cast<double>(s.pi180));
    return s;
}

void BM_abc_to_seq(benchmark::State &bench) {
    calc::PhasorState s = start_up_case();
    for (auto _ : bench) {
        benchmark::DoNotOptimize(s);
        calc::abc_to_seq(s);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_abc_to_seq);

void BM_seq_to_abc(benchmark::State &bench) {
    calc::PhasorState s = start_up_case();
    calc::abc_to_seq(s);
    for (auto _ : bench) {
        benchmark::DoNotOptimize(s);
        calc::seq_to_abc(s);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_seq_to_abc);

} // namespace
