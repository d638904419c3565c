#pragma once
// The machine the benchmarks run on is shared with builds; wall time then
// measures the neighbours as much as the code. These benchmarks report the
// thread's CPU time per iteration as their (manual) time, so the ratios
// compare the work done. Use with ->UseManualTime().
#include <benchmark/benchmark.h>

#include <ctime>

namespace examsim::bench {

inline double threadCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

template <typename Body>
void cpuTimed(benchmark::State& state, Body body) {
    for (auto _ : state) {
        const double start = threadCpuSeconds();
        body();
        state.SetIterationTime(threadCpuSeconds() - start);
    }
}

}  // namespace examsim::bench
