// The heaviest search a click can start: E96 over three decades, both connections.
#include "search_report.h"

#include <benchmark/benchmark.h>

namespace {

void searchE96ThreeDecades(benchmark::State& state, double nominal)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(kalvo::runSearch(nominal, kalvo::ESeries::E96, kalvo::DecadeRange::ThreeDecades));
}

BENCHMARK_CAPTURE(searchE96ThreeDecades, nominal_5000, 5000.0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(searchE96ThreeDecades, nominal_1234_5678, 1234.5678)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(searchE96ThreeDecades, nominal_0_47, 0.47)->Unit(benchmark::kMicrosecond);

// What a click costs beyond the search: the panel texts and table rows.
void searchAndReportE96ThreeDecades(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(
            kalvo::searchReport(kalvo::runSearch(5000.0, kalvo::ESeries::E96, kalvo::DecadeRange::ThreeDecades)));
}

BENCHMARK(searchAndReportE96ThreeDecades)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
