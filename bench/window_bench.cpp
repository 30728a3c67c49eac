// Each window from construction to its first frame painted into the backing store, next
// to a bare QMainWindow of the calculator window's size measured the same way.
#include "registration.h"

#include "ee_program.h"
#include "impedance_program.h"
#include "inductance_program.h"
#include "main_window.h"
#include "rc_program.h"
#include "resistor_window.h"
#include "stat_window.h"
#include "xy_program.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

namespace {

// Notes the first paint event of the watched window. Its children are painted in the
// same pass, which ends before the event loop returns.
class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

constexpr qint64 paintTimeoutMs = 10000;

using WindowFactory = std::function<std::unique_ptr<QWidget>()>;

// Construct, show and process events until the first frame is painted; the time is
// taken manually, the window's destruction is not part of it.
void firstFrame(benchmark::State& state, const WindowFactory& createWindow)
{
    for (auto _ : state) {
        PaintWatch watch;
        QElapsedTimer timer;
        timer.start();
        const std::unique_ptr<QWidget> window = createWindow();
        window->installEventFilter(&watch);
        window->show();
        while (!watch.painted && timer.elapsed() < paintTimeoutMs)
            QCoreApplication::processEvents();
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
        if (!watch.painted)
            return state.SkipWithError("the window was not painted");
        window->removeEventFilter(&watch);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::unique_ptr<QWidget> bareMainWindow()
{
    auto window = std::make_unique<QMainWindow>();
    window->resize(631, 511); // the calculator window's size
    return window;
}

WindowFactory calculatorWindow(const kalvo::Program& (*program)())
{
    return [program] { return std::make_unique<kalvo::MainWindow>(program()); };
}

void registerWindow(const char* name, const WindowFactory& factory)
{
    benchmark::RegisterBenchmark(name, firstFrame, factory)->UseManualTime()->Unit(benchmark::kMillisecond);
}

} // namespace

namespace kalvo::bench {

void registerWindowBenchmarks()
{
    registerWindow("window/bare_QMainWindow", bareMainWindow);
    registerWindow("window/rc", calculatorWindow(rcProgram));
    registerWindow("window/impedance", calculatorWindow(impedanceProgram));
    registerWindow("window/ee", calculatorWindow(eeProgram));
    registerWindow("window/inductance", calculatorWindow(inductanceProgram));
    registerWindow("window/xy", calculatorWindow(xyProgram));
    registerWindow("window/stat", [] { return std::make_unique<stat::MainWindow>(); });
    registerWindow("window/resistor", [] { return std::make_unique<resistor::MainWindow>(); });
}

} // namespace kalvo::bench
