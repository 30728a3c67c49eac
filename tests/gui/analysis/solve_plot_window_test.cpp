// Solve and Plot in the calculator window, driven as a user does: the context menu, the
// solve dialog's fields and buttons, the plot window's range and results, export.
#include "analysis_actions.h"
#include "calculator_window_test.h"
#include "evaluation.h"
#include "impedance_program.h"
#include "plot_export.h"
#include "plot_window.h"
#include "rc_program.h"
#include "review_screenshots.h"
#include "solve_dialog.h"
#include "sweep.h"

#include <qcustomplot.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace kalvo {

class SolvePlotWindowTest : public CalculatorWindowTest {
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void menuOffersSolveAndPlotAboveMoreDigits();
    void solvesTheMicrostripWidthForFiftyOhm();
    void aTargetOutOfReachChangesNothing();
    void lastChoicesArePreselected();
    void plotOfImpedanceOverWidthFallsAndMatchesTheReports();
    void plotFollowsGo();
    void twoUnitsGetTwoAxesAndGapsStayGaps();
    void exportsImagesAndTheSweepTable();
    void screenshotsForReview();

private:
    std::unique_ptr<SolveDialog> openSolve();
    void chooseInDialog(SolveDialog* dialog, const QString& fieldLabel, const QString& key, const QString& target);
    PlotWindow* openMicrostripPlot();
};

void SolvePlotWindowTest::cleanup()
{
    closeWindow();
}

std::unique_ptr<SolveDialog> SolvePlotWindowTest::openSolve()
{
    return std::unique_ptr<SolveDialog>(window->analysisActions()->createSolveDialog());
}

void SolvePlotWindowTest::chooseInDialog(SolveDialog* dialog, const QString& fieldLabel, const QString& key,
                                         const QString& target)
{
    auto* fields = dialog->findChild<QComboBox*>(QStringLiteral("solveField"));
    auto* quantities = dialog->findChild<QComboBox*>(QStringLiteral("solveQuantity"));
    fields->setCurrentIndex(fields->findText(fieldLabel, Qt::MatchStartsWith));
    quantities->setCurrentIndex(quantities->findData(key));
    QVERIFY(fields->currentIndex() >= 0);
    QVERIFY(quantities->currentIndex() >= 0);
    auto* targetEdit = dialog->findChild<QLineEdit*>(QStringLiteral("solveTarget"));
    targetEdit->clear();
    QTest::keyClicks(targetEdit, target);
}

void SolvePlotWindowTest::menuOffersSolveAndPlotAboveMoreDigits()
{
    openWindow(rcProgram());
    std::unique_ptr<QMenu> menu(window->createResultMenu());
    const QList<QAction*> actions = menu->actions();
    QCOMPARE(actions.last()->text(), QStringLiteral("Show More Digits"));
    QCOMPARE(actions.at(actions.size() - 3)->text(), QStringLiteral("Solve for an Input..."));
    QCOMPARE(actions.at(actions.size() - 2)->text(), QStringLiteral("Plot..."));
    QVERIFY(!actions.at(actions.size() - 3)->shortcut().isEmpty());
    QVERIFY(!actions.at(actions.size() - 2)->shortcut().isEmpty());
}

void SolvePlotWindowTest::solvesTheMicrostripWidthForFiftyOhm()
{
    openWindow(impedanceProgram());
    typeInto(1, QStringLiteral("1.6"));
    typeInto(2, QStringLiteral("1"));
    std::unique_ptr<SolveDialog> dialog = openSolve();
    chooseInDialog(dialog.get(), QStringLiteral("w"), QStringLiteral("Z"), QStringLiteral("50"));
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("solveButton")), Qt::LeftButton);

    const double w = field(2)->text().toDouble();
    QVERIFY2(std::abs(w - 3.07) < 0.01, qPrintable(field(2)->text()));
    QVERIFY2(panelText().contains(QStringLiteral("Z\t= 50.000 ")), qPrintable(panelText()));
    QVERIFY(dialog->message().startsWith(QStringLiteral("w = ")));
    // The solved width is remembered like a typed one.
    clickTopology(6);
    clickTopology(1);
    QCOMPARE(field(2)->text().toDouble(), w);
}

void SolvePlotWindowTest::aTargetOutOfReachChangesNothing()
{
    openWindow(impedanceProgram());
    typeInto(1, QStringLiteral("1.6"));
    typeInto(2, QStringLiteral("3"));
    clickGo();
    const QString report = panelText();
    std::unique_ptr<SolveDialog> dialog = openSolve();
    chooseInDialog(dialog.get(), QStringLiteral("w"), QStringLiteral("Z"), QStringLiteral("5000"));
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("solveButton")), Qt::LeftButton);
    QCOMPARE(field(2)->text(), QStringLiteral("3"));
    QCOMPARE(panelText(), report);
    QVERIFY2(dialog->message().startsWith(QStringLiteral("No w reaches Z = 5000 Ohm")), qPrintable(dialog->message()));
    QCOMPARE(dialog->message().count(QLatin1Char('\n')), 0);
}

void SolvePlotWindowTest::lastChoicesArePreselected()
{
    openWindow(rcProgram());
    typeInto(1, QStringLiteral("1600"));
    {
        std::unique_ptr<SolveDialog> dialog = openSolve();
        chooseInDialog(dialog.get(), QStringLiteral("C"), QStringLiteral("F3db"), QStringLiteral("1k"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("solveButton")), Qt::LeftButton);
        dialog->reject();
    }
    // 1 / (2 pi 1600 1000) = 99.47 nF
    QVERIFY2(std::abs(field(2)->text().toDouble() - 9.947183943e-8) < 1e-15, qPrintable(field(2)->text()));
    std::unique_ptr<SolveDialog> again = openSolve();
    QCOMPARE(again->choices().field, 2);
    QCOMPARE(again->choices().key, QStringLiteral("F3db"));
    QCOMPARE(again->choices().target, QStringLiteral("1k"));
}

PlotWindow* SolvePlotWindowTest::openMicrostripPlot()
{
    openWindow(impedanceProgram());
    typeInto(1, QStringLiteral("1.6"));
    typeInto(2, QStringLiteral("3"));
    clickGo();
    PlotWindow* plot = window->analysisActions()->showPlotWindow();
    plot->setXField(2);
    plot->setRange(QStringLiteral("0.1"), QStringLiteral("10"), true);
    plot->setQuantities({QStringLiteral("Z")});
    return plot;
}

void SolvePlotWindowTest::plotOfImpedanceOverWidthFallsAndMatchesTheReports()
{
    PlotWindow* plot = openMicrostripPlot();
    QCOMPARE(plot->plottedKeys(), (QStringList{"Z"}));
    const auto& points = plot->points();
    QCOMPARE(static_cast<int>(points.size()), PlotWindow::curvePoints);
    QCPGraph* graph = plot->plot()->graph(0);
    double previous = INFINITY;
    CalculationInput input = impedanceProgram().startInput(impedanceProgram().topologies.front());
    input.texts[0] = QStringLiteral("1.6");
    analysis::Evaluation single(impedanceProgram(), impedanceProgram().topologies.front(), input);
    for (int i = 0; i < graph->dataCount(); ++i) {
        const double z = graph->data()->at(i)->value;
        QVERIFY(z < previous);
        previous = z;
        if (i % 100 == 0)
            QCOMPARE(z, single.at(2, graph->data()->at(i)->key).quantity(u"Z")->value);
    }
}

void SolvePlotWindowTest::plotFollowsGo()
{
    PlotWindow* plot = openMicrostripPlot();
    const double before = plot->plot()->graph(0)->data()->at(500)->value;
    typeInto(1, QStringLiteral("0.8")); // a thinner board: lower impedance at every width
    clickGo();
    const double after = plot->plot()->graph(0)->data()->at(500)->value;
    QVERIFY2(after < before, qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(after)));
}

void SolvePlotWindowTest::twoUnitsGetTwoAxesAndGapsStayGaps()
{
    openWindow(rcProgram());
    clickTopology(2); // RLC Serial
    typeInto(1, QStringLiteral("10"));
    typeInto(2, QStringLiteral("1e-6"));
    typeInto(3, QStringLiteral("1e-3"));
    clickGo();
    PlotWindow* plot = window->analysisActions()->showPlotWindow();
    plot->setXField(1);
    plot->setRange(QStringLiteral("1"), QStringLiteral("1000"), true);
    plot->setQuantities({QStringLiteral("T1"), QStringLiteral("Q")});
    QCOMPARE(plot->plottedKeys(), (QStringList{"Q", "T1"}));
    QCustomPlot* chart = plot->plot();
    QVERIFY(chart->yAxis2->visible());
    QCOMPARE(chart->graph(0)->valueAxis(), chart->yAxis);
    QCOMPARE(chart->graph(1)->valueAxis(), chart->yAxis2);
    // T1 exists only without oscillation (R >= 2 sqrt(L/C) = 63.2 Ohm): NaN below, a gap.
    const QCPGraph* t1 = chart->graph(1);
    QVERIFY(std::isnan(t1->data()->at(0)->value));
    QVERIFY(std::isfinite(t1->data()->at(t1->dataCount() - 1)->value));
    bool found = false;
    const QCPRange range = t1->getValueRange(found);
    QVERIFY(found);
    QVERIFY(std::isfinite(range.lower) && std::isfinite(range.upper));
    QCOMPARE(chart->yAxis2->range().upper < 1.0, true); // seconds, not a spike to infinity
}

void SolvePlotWindowTest::exportsImagesAndTheSweepTable()
{
    PlotWindow* plot = openMicrostripPlot();
    QTemporaryDir dir;
    for (const char* name : {"plot.png", "plot.svg", "plot.pdf"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QVERIFY2(savePlot(plot->plot(), path), name);
        QVERIFY2(QFileInfo(path).size() > 1000, name);
    }
    QVERIFY(QSvgRenderer(dir.filePath(QStringLiteral("plot.svg"))).isValid());
    QFile pdf(dir.filePath(QStringLiteral("plot.pdf")));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    QImage png(dir.filePath(QStringLiteral("plot.png")));
    QCOMPARE(png.size(), plot->plot()->size() * 2);

    const QString csv = dir.filePath(QStringLiteral("plot.csv"));
    QVERIFY(saveText(csv, plot->dataTable()));
    QFile table(csv);
    QVERIFY(table.open(QIODevice::ReadOnly));
    const Topology& microstrip = impedanceProgram().topologies.front();
    CalculationInput input = impedanceProgram().startInput(microstrip);
    input.texts[0] = QStringLiteral("1.6");
    input.texts[1] = QStringLiteral("3");
    analysis::Evaluation evaluation(impedanceProgram(), microstrip, input);
    const auto points = analysis::sweep(
        evaluation, {.field = 2, .from = 0.1, .to = 10, .points = PlotWindow::curvePoints, .logarithmic = true});
    QCOMPARE(QString::fromUtf8(table.readAll()), analysis::sweepTable(microstrip, 2, points));
}

// KALVO_SCREENSHOTS=DIR saves the solve dialog and a plot with two axes (RLC Serial: Q
// and T1 over R) under a light and a dark palette, for a person to look at.
void SolvePlotWindowTest::screenshotsForReview()
{
    const QString directory = test::reviewScreenshotDirectory();
    if (directory.isEmpty())
        QSKIP("set KALVO_SCREENSHOTS=DIR to save screenshots");
    openWindow(rcProgram());
    clickTopology(2);
    typeInto(1, QStringLiteral("10"));
    typeInto(2, QStringLiteral("1e-6"));
    typeInto(3, QStringLiteral("1e-3"));
    clickGo();
    std::unique_ptr<SolveDialog> dialog = openSolve();
    chooseInDialog(dialog.get(), QStringLiteral("R"), QStringLiteral("Q"), QStringLiteral("0.5"));
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("solveButton")), Qt::LeftButton);
    dialog->show();
    PlotWindow* plot = window->analysisActions()->showPlotWindow();
    plot->setXField(1);
    plot->setRange(QStringLiteral("1"), QStringLiteral("1000"), true);
    plot->setQuantities({QStringLiteral("T1"), QStringLiteral("Q")});
    test::underLightAndDarkPalettes([&](const QString& suffix) {
        QVERIFY(dialog->grab().save(QStringLiteral("%1/solve-dialog-%2.png").arg(directory, suffix)));
        QVERIFY(plot->grab().save(QStringLiteral("%1/plot-two-axes-%2.png").arg(directory, suffix)));
    });
}

} // namespace kalvo

QTEST_MAIN(kalvo::SolvePlotWindowTest)
#include "solve_plot_window_test.moc"
