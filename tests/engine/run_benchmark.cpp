// The speed of the analysis run without its window. Target: under 10
// microseconds per run on the dense sheet.

#include <benchmark/benchmark.h>

#include "report.h"
#include "ruletest.h"

namespace {

void Run(benchmark::State& state, const TAnswerSheet& sheet) {
    TSubject subject;
    subject.FirstName = "Анна";
    TReportText report;
    for (auto _ : state) {
        RunRules(sheet, subject, report);
        benchmark::DoNotOptimize(report.data());
    }
    state.counters["report_bytes"] = static_cast<double>(report.size());
}

void EmptySheet(benchmark::State& state) { Run(state, TAnswerSheet{}); }
void DenseSheet(benchmark::State& state) { Run(state, ruletest::DenseSheet()); }

}  // namespace

BENCHMARK(EmptySheet);
BENCHMARK(DenseSheet);
BENCHMARK_MAIN();
