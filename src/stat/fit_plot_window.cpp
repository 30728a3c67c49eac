#include "fit_plot_window.h"

#include "plot_export.h"
#include "plot_style.h"

#include <qcustomplot.h>

#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace kalvo {
namespace {

QString number(double value)
{
    return QString::number(value, 'g', 6);
}

// The X values the curve is drawn at: even steps over the data's finite X range, only
// where the fit is defined (positive x for the power fit).
QVector<double> curveAbscissae(const StatList& list, FitKind kind)
{
    double low = INFINITY;
    double high = -INFINITY;
    for (const StatEntry& e : list.entries())
        if (std::isfinite(e.x) && (kind != FitKind::Power || e.x > 0.0)) {
            low = std::min(low, e.x);
            high = std::max(high, e.x);
        }
    QVector<double> xs;
    if (!(low <= high))
        return xs;
    for (int i = 0; i < FitPlotWindow::curvePoints; ++i)
        xs.append(low + (high - low) * i / (FitPlotWindow::curvePoints - 1));
    return xs;
}

} // namespace

QString fitCurveName(const Fit& fit)
{
    switch (fit.kind) {
    case FitKind::Linear:
        return QStringLiteral("Y = %1*x + %2").arg(number(fit.a), number(fit.b));
    case FitKind::Quadratic:
        return QStringLiteral("Y = %1*x^2 + %2*x + %3").arg(number(fit.a), number(fit.b), number(fit.c));
    case FitKind::Exponential:
        return QStringLiteral("Y = %1*e^(%2*x)").arg(number(fit.a), number(fit.b));
    case FitKind::Power:
        return QStringLiteral("Y = %1*x^%2").arg(number(fit.a), number(fit.b));
    }
    return {};
}

FitPlotWindow::FitPlotWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("fitPlotWindow"));
    setWindowTitle(QStringLiteral("Fit Plot - Stat Kalvo"));
    resize(720, 600);
    plot_ = new QCustomPlot(this);
    plot_->setObjectName(QStringLiteral("fitPlot"));
    plot_->plotLayout()->clear();
    auto* dataRect = new QCPAxisRect(plot_);
    auto* residualRect = new QCPAxisRect(plot_);
    plot_->plotLayout()->addElement(0, 0, dataRect);
    plot_->plotLayout()->addElement(1, 0, residualRect);
    plot_->plotLayout()->setRowStretchFactors({2.0, 1.0});
    // Both panels share the X range and their left margins line up.
    auto* margins = new QCPMarginGroup(plot_);
    dataRect->setMarginGroup(QCP::msLeft | QCP::msRight, margins);
    residualRect->setMarginGroup(QCP::msLeft | QCP::msRight, margins);
    connect(dataRect->axis(QCPAxis::atBottom), qOverload<const QCPRange&>(&QCPAxis::rangeChanged),
            residualRect->axis(QCPAxis::atBottom), qOverload<const QCPRange&>(&QCPAxis::setRange));
    dataRect->axis(QCPAxis::atLeft)->setLabel(QStringLiteral("Y"));
    residualRect->axis(QCPAxis::atLeft)->setLabel(QStringLiteral("Y - fit"));
    residualRect->axis(QCPAxis::atBottom)->setLabel(QStringLiteral("X"));
    plot_->legend = new QCPLegend;
    dataRect->insetLayout()->addElement(plot_->legend, Qt::AlignTop | Qt::AlignLeft);
    plot_->legend->setLayer(QStringLiteral("legend"));
    plot_->legend->setVisible(true);

    titleLabel = new QLabel(this);
    titleLabel->setObjectName(QStringLiteral("fitPlotTitle"));
    auto* exportButton = new QToolButton(this);
    exportButton->setObjectName(QStringLiteral("plotExport"));
    exportButton->setText(QStringLiteral("&Export"));
    exportButton->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(exportButton);
    addPlotExportActions(menu, this, plot_, [this] { return table; });
    exportButton->setMenu(menu);

    auto* top = new QHBoxLayout;
    top->addWidget(titleLabel, 1);
    top->addWidget(exportButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(plot_, 1);
    restyle();
}

void FitPlotWindow::showFit(const StatList& list, const Fit& fit)
{
    plot_->clearGraphs();
    QCPAxisRect* dataRect = plot_->axisRect(0);
    QCPAxisRect* residualRect = plot_->axisRect(1);
    const auto axes
        = [](QCPAxisRect* rect) { return std::pair(rect->axis(QCPAxis::atBottom), rect->axis(QCPAxis::atLeft)); };
    const auto [dataX, dataY] = axes(dataRect);
    const auto [residualX, residualY] = axes(residualRect);

    QVector<double> xs;
    QVector<double> ys;
    QVector<double> residuals;
    table = QStringLiteral("X\tY\tfit\tY - fit\n");
    for (const StatEntry& e : list.entries()) {
        const double fitted = fit.valueAt(e.x);
        xs.append(e.x);
        ys.append(e.y);
        residuals.append(std::isfinite(fitted) ? e.y - fitted : qQNaN());
        table += QStringLiteral("%1\t%2\t%3\t%4\n").arg(number(e.x), number(e.y), number(fitted), number(e.y - fitted));
    }
    const QPalette& colours = palette();
    QCPGraph* data = plot_->addGraph(dataX, dataY);
    data->setName(QStringLiteral("data"));
    data->setLineStyle(QCPGraph::lsNone);
    data->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, curveColor(0, colours), 6));
    data->setData(xs, ys);

    const QVector<double> curveXs = curveAbscissae(list, fit.kind);
    QVector<double> curveYs;
    for (double x : curveXs) {
        const double y = fit.valueAt(x);
        curveYs.append(std::isfinite(y) ? y : qQNaN());
    }
    QCPGraph* curve = plot_->addGraph(dataX, dataY);
    curve->setName(fitCurveName(fit));
    curve->setPen(QPen(curveColor(1, colours), 2));
    curve->setData(curveXs, curveYs, true);

    QCPGraph* residual = plot_->addGraph(residualX, residualY);
    residual->removeFromLegend();
    residual->setLineStyle(QCPGraph::lsImpulse);
    residual->setPen(QPen(curveColor(0, colours), 1));
    residual->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, curveColor(0, colours), 5));
    residual->setData(xs, residuals);

    data->rescaleAxes();
    curve->rescaleAxes(true);
    residual->rescaleAxes();
    residualX->setRange(dataX->range());
    titleLabel->setText(QStringLiteral("%1 pairs, %2").arg(list.count()).arg(fitCurveName(fit)));
    plot_->replot();
}

void FitPlotWindow::restyle()
{
    applyPlotPalette(plot_, palette());
    plot_->replot();
}

void FitPlotWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        restyle();
    QWidget::changeEvent(event);
}

} // namespace kalvo
