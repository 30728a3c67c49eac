// The plot window of kalvo-impedance's microstrip, Z against w over its 1000 points:
// opened as "Plot..." opens it until its first frame is painted, and recomputed as GO
// makes it follow the calculator window's inputs. Elapsed time, with the CPU time of the
// same span as the counter cpu_ms.
#include "registration.h"
#include "window_kinds.h"

#include "impedance_program.h"
#include "plot_window.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <ctime>

namespace kalvo::bench {
namespace {

constexpr int paintTimeoutMs = 10000;
constexpr int widthField = 2;

double threadCpuSeconds()
{
    timespec time{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_nsec) * 1e-9;
}

// The microstrip as after typing d = 1.6 mm (the board) and w = 3 mm, then GO.
CalculationInput microstripInput(const Topology& microstrip, const QString& board)
{
    CalculationInput input = impedanceProgram().startInput(microstrip);
    input.texts[0] = board;
    input.texts[1] = QStringLiteral("3");
    return input;
}

const Topology& microstrip()
{
    return *impedanceProgram().topologyByNumber(1);
}

// Processes events until watch has seen a paint; false when none came in time.
bool paintedInTime(const FirstPaintWatch& watch, const QElapsedTimer& timer)
{
    while (!watch.painted() && timer.elapsed() < paintTimeoutMs)
        QCoreApplication::processEvents();
    return watch.painted();
}

QWidget* plotArea(const PlotWindow& window)
{
    return window.findChild<QWidget*>(QStringLiteral("plot"));
}

// What "Plot..." does (the window, its inputs, show), with w chosen as x, up to the
// first frame.
void openPlot(benchmark::State& state)
{
    const CalculationInput input = microstripInput(microstrip(), QStringLiteral("1.6"));
    double cpu = 0.0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = threadCpuSeconds();
        auto window = std::make_unique<PlotWindow>(impedanceProgram());
        window->setInput(microstrip(), input);
        window->setXField(widthField);
        FirstPaintWatch watch;
        window->installEventFilter(&watch);
        window->show();
        const bool painted = paintedInTime(watch, timer);
        cpu += threadCpuSeconds() - cpuStart;
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
        if (!painted)
            return state.SkipWithError("the plot window was not painted");
        window->removeEventFilter(&watch);
    }
    state.counters["cpu_ms"] = benchmark::Counter(cpu * 1e3, benchmark::Counter::kAvgIterations);
}

// An open plot after GO with another board thickness (AnalysisActions::inputsChanged):
// the new curve computed and painted.
void recomputePlot(benchmark::State& state)
{
    const CalculationInput thick = microstripInput(microstrip(), QStringLiteral("1.6"));
    const CalculationInput thin = microstripInput(microstrip(), QStringLiteral("0.8"));
    PlotWindow window(impedanceProgram());
    window.setInput(microstrip(), thick);
    window.setXField(widthField);
    window.show();
    QCoreApplication::processEvents();
    QWidget* plot = plotArea(window);
    bool useThin = true;
    double cpu = 0.0;
    for (auto _ : state) {
        FirstPaintWatch watch;
        plot->installEventFilter(&watch);
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = threadCpuSeconds();
        window.setInput(microstrip(), useThin ? thin : thick);
        const bool painted = paintedInTime(watch, timer);
        cpu += threadCpuSeconds() - cpuStart;
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
        plot->removeEventFilter(&watch);
        if (!painted)
            return state.SkipWithError("the plot was not painted");
        useThin = !useThin;
    }
    state.counters["cpu_ms"] = benchmark::Counter(cpu * 1e3, benchmark::Counter::kAvgIterations);
}

} // namespace

void registerPlotBenchmarks()
{
    benchmark::RegisterBenchmark("plot/open/impedance/Microstrip/Z_against_w", openPlot)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("plot/recompute/impedance/Microstrip/Z_against_w", recomputePlot)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

} // namespace kalvo::bench
