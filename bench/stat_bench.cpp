// The evaluations of kalvo-stat's "Mode" group on a full list, in entry order as after
// loading a data file.
#include "stat_mode.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

namespace {

// kMaxList measured pairs, y growing like x^1.5 with 5 % noise; all positive, so the
// power and exponential fits take every pair.
kalvo::StatList fullList()
{
    std::mt19937 generator(20261207);
    std::uniform_real_distribution<double> x(0.5, 100.0);
    std::normal_distribution<double> noise(1.0, 0.05);
    kalvo::StatList list;
    while (!list.isFull()) {
        const double value = x(generator);
        list.append(value, 3.0 * std::pow(value, 1.5) * std::fabs(noise(generator)));
    }
    return list;
}

// Each evaluation gets a fresh copy of the list in entry order; copying is not timed.
void evaluateFreshCopies(benchmark::State& state, kalvo::StatMode mode, int bins)
{
    const kalvo::StatList entryOrder = fullList();
    kalvo::StatList list;
    for (auto _ : state) {
        state.PauseTiming();
        list = entryOrder;
        state.ResumeTiming();
        benchmark::DoNotOptimize(kalvo::runMode(list, mode, bins));
    }
}

// Arg: the position of the mode's button in modeButtons().
void statMode(benchmark::State& state)
{
    const kalvo::ModeButton& button = kalvo::modeButtons()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(QString::fromUtf8(button.text).trimmed().toStdString());
    evaluateFreshCopies(state, button.mode, kalvo::kDefaultBins);
}

BENCHMARK(statMode)
    ->ArgName("mode")
    ->DenseRange(0, static_cast<int>(kalvo::modeButtons().size()) - 1)
    ->Unit(benchmark::kMicrosecond);

void statHistogramBins(benchmark::State& state)
{
    evaluateFreshCopies(state, kalvo::StatMode::Histogram, static_cast<int>(state.range(0)));
}

BENCHMARK(statHistogramBins)
    ->ArgName("bins")
    ->Arg(kalvo::kMinBins)
    ->Arg(kalvo::kMaxBins)
    ->Unit(benchmark::kMicrosecond);

} // namespace
