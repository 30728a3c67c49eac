// Each window from construction to its first frame painted into the backing store, next
// to a bare QMainWindow measured the same way: in this process after Qt's one-time
// initialisation ("window/"), and as a whole program start in a fresh process
// ("startup/"). The time is elapsed time; the counter cpu_ms is the CPU time spent in the
// same span, which waiting for a core shared with other work does not lengthen.
#include "registration.h"
#include "startup_probe.h"
#include "window_kinds.h"

#include "application.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>

namespace kalvo::bench {
namespace {

constexpr int paintTimeoutMs = 10000;
constexpr QLatin1StringView probeOption("--first-frame-of=");

std::int64_t monotonicNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::int64_t cpuNanoseconds(clockid_t clock)
{
    timespec time{};
    clock_gettime(clock, &time);
    return std::int64_t{time.tv_sec} * 1'000'000'000 + time.tv_nsec;
}

benchmark::Counter cpuMillisecondsPerIteration(std::int64_t totalNanoseconds)
{
    return benchmark::Counter(static_cast<double>(totalNanoseconds) * 1e-6, benchmark::Counter::kAvgIterations);
}

// Construct, show and process events until the first frame is painted; the window's
// destruction is not timed.
void firstFrame(benchmark::State& state, const WindowKind& kind)
{
    useOwnResources(kind);
    std::int64_t cpu = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        const std::int64_t cpuStart = cpuNanoseconds(CLOCK_THREAD_CPUTIME_ID);
        const std::unique_ptr<QWidget> window = kind.create();
        FirstPaintWatch watch;
        window->installEventFilter(&watch);
        window->show();
        while (!watch.painted() && timer.elapsed() < paintTimeoutMs)
            QCoreApplication::processEvents();
        cpu += cpuNanoseconds(CLOCK_THREAD_CPUTIME_ID) - cpuStart;
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
        if (!watch.painted())
            return state.SkipWithError("the window was not painted");
        window->removeEventFilter(&watch);
    }
    state.counters["cpu_ms"] = cpuMillisecondsPerIteration(cpu);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// From launching a process to the first frame of its window: the program entry of
// every kalvo program, run by this executable's start-up probe.
void startUp(benchmark::State& state, const WindowKind& kind)
{
    std::int64_t cpu = 0;
    for (auto _ : state) {
        QProcess probe;
        const std::int64_t launched = monotonicNanoseconds();
        probe.start(QCoreApplication::applicationFilePath(), {probeOption + QLatin1String(kind.name)});
        if (!probe.waitForFinished(paintTimeoutMs) || probe.exitStatus() != QProcess::NormalExit
            || probe.exitCode() != 0) {
            const std::string message = "the start-up probe failed: " + probe.readAllStandardError().toStdString();
            return state.SkipWithError(message.c_str());
        }
        const QList<QByteArray> times = probe.readAllStandardOutput().simplified().split(' ');
        bool isNumber = times.size() == 2;
        const std::int64_t painted = isNumber ? times[0].toLongLong(&isNumber) : 0;
        const std::int64_t probeCpu = isNumber ? times[1].toLongLong(&isNumber) : 0;
        if (!isNumber)
            return state.SkipWithError("the start-up probe printed no times");
        state.SetIterationTime(static_cast<double>(painted - launched) * 1e-9);
        cpu += probeCpu;
    }
    state.counters["cpu_ms"] = cpuMillisecondsPerIteration(cpu);
}

} // namespace

void registerWindowBenchmarks()
{
    for (const WindowKind& kind : windowKinds())
        benchmark::RegisterBenchmark((std::string("window/") + kind.name).c_str(), firstFrame, std::cref(kind))
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    for (const WindowKind& kind : windowKinds())
        benchmark::RegisterBenchmark((std::string("startup/") + kind.name).c_str(), startUp, std::cref(kind))
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
}

std::optional<int> runStartupProbe(int argc, char** argv)
{
    if (argc != 2 || !QLatin1StringView(argv[1]).startsWith(probeOption))
        return std::nullopt;
    const WindowKind* kind = windowKindNamed(QString::fromLatin1(argv[1] + probeOption.size()));
    if (kind == nullptr) {
        std::fprintf(stderr, "unknown window %s\n", argv[1] + probeOption.size());
        return 2;
    }
    useOwnResources(*kind);
    return runApplication(argc, argv, QString::fromLatin1(kind->iconResource), [kind] {
        std::unique_ptr<QWidget> window = kind->create();
        auto* watch = new FirstPaintWatch(window.get());
        window->installEventFilter(watch);
        // Queued: the times are taken once the painting pass has ended.
        QObject::connect(
            watch, &FirstPaintWatch::firstPaint, watch,
            [] {
                std::printf("%lld %lld\n", static_cast<long long>(monotonicNanoseconds()),
                            static_cast<long long>(cpuNanoseconds(CLOCK_PROCESS_CPUTIME_ID)));
                std::fflush(stdout);
                QCoreApplication::quit();
            },
            Qt::QueuedConnection);
        return window;
    });
}

} // namespace kalvo::bench
