#pragma once

#include "field_check_dialog.h"
#include "plot_window.h"
#include "program.h"
#include "solve_dialog.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <map>

class QAction;
class QWidget;

namespace kalvo {

// What the solve and plot commands need of a calculator window.
struct AnalysisHost {
    QWidget* window = nullptr;
    std::function<const Topology&()> shownTopology;
    std::function<CalculationInput()> currentInput;
    // Writes text into field (1-based) as if typed, remembers it and runs GO.
    std::function<void(int field, const QString& text)> enterValue;
};

// "Solve for an Input...", "Plot..." and "Check with the Field Solver" of a calculator
// window: the actions with their shortcuts, the solve dialog with the last choices per
// topology, the one plot window, kept up to date with the window's inputs, and the
// field solver's check where the topology has one.
class AnalysisActions : public QObject {
    Q_OBJECT
public:
    AnalysisActions(const Program& program, AnalysisHost host);

    QAction* solveAction() const { return solve; }
    QAction* plotAction() const { return plot; }
    // "Check with the Field Solver": enabled where the shown topology has a check.
    QAction* fieldCheckAction() const { return fieldCheck; }

    // A solve dialog for the shown topology, not yet shown; the caller owns it.
    SolveDialog* createSolveDialog();
    // The plot window for the shown topology, shown and raised.
    PlotWindow* showPlotWindow();
    // The plot window if it was opened, else nullptr.
    PlotWindow* plotWindow() const { return plotWindow_; }
    // The field solver's check of the shown topology at the window's inputs, not yet
    // shown; the caller owns it. nullptr where the topology has no check.
    FieldCheckDialog* createFieldCheckDialog();
    // The window's inputs or topology changed: a visible plot follows them.
    void inputsChanged();

private:
    void openSolveDialog();
    void openFieldCheckDialog();

    const Program& program;
    AnalysisHost host;
    QAction* solve = nullptr;
    QAction* plot = nullptr;
    QAction* fieldCheck = nullptr;
    std::map<int, SolveChoices> lastChoices; // by topology number
    QPointer<PlotWindow> plotWindow_;
};

} // namespace kalvo
