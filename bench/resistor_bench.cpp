// The E-series search for every series and decade range; E96 over "3 Decades" is the
// heaviest search a click can start.
#include "search_report.h"

#include <benchmark/benchmark.h>

namespace {

using kalvo::DecadeRange;
using kalvo::ESeries;

// Args: series, range (indices into allSeries and allDecadeRanges).
void resistorSearch(benchmark::State& state, double nominal)
{
    const ESeries series = kalvo::allSeries[static_cast<std::size_t>(state.range(0))];
    const DecadeRange range = kalvo::allDecadeRanges[static_cast<std::size_t>(state.range(1))];
    state.SetLabel(std::string(kalvo::seriesName(series)) + " " + kalvo::decadeRangeName(range));
    for (auto _ : state)
        benchmark::DoNotOptimize(kalvo::runSearch(nominal, series, range));
}

void everySeriesAndRange(benchmark::internal::Benchmark* benchmark)
{
    benchmark->ArgNames({"series", "range"});
    for (std::size_t series = 0; series < kalvo::allSeries.size(); ++series)
        for (std::size_t range = 0; range < kalvo::allDecadeRanges.size(); ++range)
            benchmark->Args({static_cast<std::int64_t>(series), static_cast<std::int64_t>(range)});
}

BENCHMARK_CAPTURE(resistorSearch, nominal_5000, 5000.0)->Apply(everySeriesAndRange)->Unit(benchmark::kMicrosecond);

// The headline: E96, "3 Decades", at nominal values of different decades and digits.
void resistorSearchE96ThreeDecades(benchmark::State& state, double nominal)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(kalvo::runSearch(nominal, ESeries::E96, DecadeRange::ThreeDecades));
}

BENCHMARK_CAPTURE(resistorSearchE96ThreeDecades, nominal_5000, 5000.0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(resistorSearchE96ThreeDecades, nominal_1234_5678, 1234.5678)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(resistorSearchE96ThreeDecades, nominal_0_47, 0.47)->Unit(benchmark::kMicrosecond);

// What a click costs beyond the search: the panel texts and table rows.
void resistorSearchAndReportE96ThreeDecades(benchmark::State& state)
{
    for (auto _ : state) {
        const kalvo::SearchResult result = kalvo::runSearch(5000.0, ESeries::E96, DecadeRange::ThreeDecades);
        benchmark::DoNotOptimize(kalvo::searchReport(result));
    }
}

BENCHMARK(resistorSearchAndReportE96ThreeDecades)->Unit(benchmark::kMicrosecond);

} // namespace
