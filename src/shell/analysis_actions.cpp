#include "analysis_actions.h"

#include "plot_window.h"

#include <QAction>
#include <QApplication>
#include <QWidget>

#include <utility>

namespace kalvo {

AnalysisActions::AnalysisActions(const Program& program, AnalysisHost host)
    : QObject(host.window)
    , program(program)
    , host(std::move(host))
{
    solve = new QAction(QStringLiteral("Solve for an Input..."), this);
    solve->setObjectName(QStringLiteral("solveAction"));
    solve->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    solve->setShortcutContext(Qt::WindowShortcut);
    connect(solve, &QAction::triggered, this, &AnalysisActions::openSolveDialog);
    plot = new QAction(QStringLiteral("Plot..."), this);
    plot->setObjectName(QStringLiteral("plotAction"));
    plot->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    plot->setShortcutContext(Qt::WindowShortcut);
    connect(plot, &QAction::triggered, this, &AnalysisActions::showPlotWindow);
    fieldCheck = new QAction(QStringLiteral("Check with the Field Solver"), this);
    fieldCheck->setObjectName(QStringLiteral("fieldCheckAction"));
    fieldCheck->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    fieldCheck->setShortcutContext(Qt::WindowShortcut);
    connect(fieldCheck, &QAction::triggered, this, &AnalysisActions::openFieldCheckDialog);
    // Added to the window so that the shortcuts work without the menu.
    this->host.window->addAction(solve);
    this->host.window->addAction(plot);
    this->host.window->addAction(fieldCheck);
}

SolveDialog* AnalysisActions::createSolveDialog()
{
    const Topology& topology = host.shownTopology();
    auto* dialog = new SolveDialog(program, topology, host.currentInput(), lastChoices[topology.number], host.window);
    connect(dialog, &SolveDialog::solved, this,
            [this](int field, const QString& text) { host.enterValue(field, text); });
    connect(dialog, &QDialog::finished, this,
            [this, dialog, number = topology.number] { lastChoices[number] = dialog->choices(); });
    return dialog;
}

void AnalysisActions::openSolveDialog()
{
    SolveDialog* dialog = createSolveDialog();
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

PlotWindow* AnalysisActions::showPlotWindow()
{
    if (plotWindow_ == nullptr)
        plotWindow_ = new PlotWindow(program, host.window);
    plotWindow_->setInput(host.shownTopology(), host.currentInput());
    plotWindow_->show();
    plotWindow_->raise();
    plotWindow_->activateWindow();
    return plotWindow_;
}

FieldCheckDialog* AnalysisActions::createFieldCheckDialog()
{
    const Topology& topology = host.shownTopology();
    if (topology.fieldCheck == nullptr)
        return nullptr;
    // A solve takes up to a few hundred milliseconds.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Report check = topology.fieldCheck(host.currentInput());
    QApplication::restoreOverrideCursor();
    return new FieldCheckDialog(QString::fromUtf8(topology.buttonText), check, host.window);
}

void AnalysisActions::openFieldCheckDialog()
{
    FieldCheckDialog* dialog = createFieldCheckDialog();
    if (dialog == nullptr)
        return;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void AnalysisActions::inputsChanged()
{
    fieldCheck->setEnabled(host.shownTopology().fieldCheck != nullptr);
    if (plotWindow_ != nullptr && plotWindow_->isVisible())
        plotWindow_->setInput(host.shownTopology(), host.currentInput());
}

} // namespace kalvo
