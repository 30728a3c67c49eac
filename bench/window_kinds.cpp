#include "window_kinds.h"

#include "ee_program.h"
#include "impedance_program.h"
#include "inductance_program.h"
#include "main_window.h"
#include "pcb_program.h"
#include "rc_program.h"
#include "resistor_window.h"
#include "stat_window.h"
#include "xy_program.h"

#include <QEvent>
#include <QLabel>
#include <QMainWindow>

// The resource initialisers qt_add_resources generates, one pair per resource set.
int qInitResources_rc_pictures();
int qInitResources_impedance_pictures();
int qInitResources_ee_pictures();
int qInitResources_inductance_pictures();
int qInitResources_xy_pictures();
int qInitResources_stat_pictures();
int qInitResources_resistor_pictures();
int qInitResources_pcb_pictures();
int qCleanupResources_rc_pictures();
int qCleanupResources_impedance_pictures();
int qCleanupResources_ee_pictures();
int qCleanupResources_inductance_pictures();
int qCleanupResources_xy_pictures();
int qCleanupResources_stat_pictures();
int qCleanupResources_resistor_pictures();
int qCleanupResources_pcb_pictures();

namespace kalvo::bench {
namespace {

constexpr QSize calculatorWindowSize(631, 511);

std::unique_ptr<QWidget> bareMainWindow()
{
    auto window = std::make_unique<QMainWindow>();
    window->resize(calculatorWindowSize);
    return window;
}

// The least a window with text needs: the font system's first use.
std::unique_ptr<QWidget> labelMainWindow()
{
    std::unique_ptr<QWidget> window = bareMainWindow();
    static_cast<QMainWindow&>(*window).setCentralWidget(new QLabel(QStringLiteral("GO")));
    return window;
}

WindowFactory calculatorWindow(const Program& (*program)())
{
    return [program] { return std::make_unique<MainWindow>(program()); };
}

template <class Window>
std::unique_ptr<QWidget> ownWindow()
{
    return std::make_unique<Window>();
}

} // namespace

std::span<const WindowKind> windowKinds()
{
    static const WindowKind kinds[] = {
        {"bare_QMainWindow", "", nullptr, bareMainWindow},
        {"label_QMainWindow", "", nullptr, labelMainWindow},
        {"rc", rcProgram().iconResource, qInitResources_rc_pictures, calculatorWindow(rcProgram)},
        {"impedance", impedanceProgram().iconResource, qInitResources_impedance_pictures,
         calculatorWindow(impedanceProgram)},
        {"ee", eeProgram().iconResource, qInitResources_ee_pictures, calculatorWindow(eeProgram)},
        {"inductance", inductanceProgram().iconResource, qInitResources_inductance_pictures,
         calculatorWindow(inductanceProgram)},
        {"xy", xyProgram().iconResource, qInitResources_xy_pictures, calculatorWindow(xyProgram)},
        {"stat", ":/pic/LogoMini.svg", qInitResources_stat_pictures, ownWindow<stat::MainWindow>},
        {"resistor", ":/pic/LogoMini.svg", qInitResources_resistor_pictures, ownWindow<resistor::MainWindow>},
        {"pcb", pcbProgram().iconResource, qInitResources_pcb_pictures, calculatorWindow(pcbProgram)},
    };
    return kinds;
}

const WindowKind* windowKindNamed(const QString& name)
{
    for (const WindowKind& kind : windowKinds())
        if (name == QLatin1String(kind.name))
            return &kind;
    return nullptr;
}

void useOwnResources(const WindowKind& kind)
{
    for (int (*cleanup)() :
         {qCleanupResources_rc_pictures, qCleanupResources_impedance_pictures, qCleanupResources_ee_pictures,
          qCleanupResources_inductance_pictures, qCleanupResources_xy_pictures, qCleanupResources_stat_pictures,
          qCleanupResources_resistor_pictures, qCleanupResources_pcb_pictures})
        cleanup();
    if (kind.registerPictures != nullptr)
        kind.registerPictures();
}

bool FirstPaintWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && !seen) {
        seen = true;
        Q_EMIT firstPaint();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kalvo::bench
