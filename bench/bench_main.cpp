// kalvo-bench: the suite's calculations and windows under Google Benchmark. Windows are
// shown on Qt's offscreen platform unless QT_QPA_PLATFORM names another one.
#include "registration.h"
#include "startup_probe.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <clocale>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (const std::optional<int> exitCode = kalvo::bench::runStartupProbe(argc, argv))
        return *exitCode;
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C"); // as every program does after creating its application

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::AddCustomContext("qt_version", qVersion());
    benchmark::AddCustomContext("compiler_version", __VERSION__);
    benchmark::AddCustomContext("kalvo_build_type", KALVO_BUILD_TYPE);
    if (!kalvo::bench::registerReportBenchmarks())
        return 1;
    kalvo::bench::registerAnalysisBenchmarks();
    kalvo::bench::registerWindowBenchmarks();
    kalvo::bench::registerPlotBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
