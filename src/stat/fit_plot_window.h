#pragma once

#include "fits.h"

#include <QWidget>

class QCustomPlot;
class QLabel;

namespace kalvo {

// The data with its fitted curve over the data's X range, and the residuals (Y minus the
// fitted value) in a panel below; with export of the picture and of the data.
class FitPlotWindow : public QWidget {
    Q_OBJECT
public:
    explicit FitPlotWindow(QWidget* parent = nullptr);

    void showFit(const StatList& list, const Fit& fit);
    QCustomPlot* plot() const { return plot_; }
    // The pairs, fitted values and residuals, tab-separated with a header line.
    QString dataTable() const { return table; }

    static constexpr int curvePoints = 400;

protected:
    void changeEvent(QEvent* event) override;

private:
    void restyle();

    QCustomPlot* plot_ = nullptr;
    QLabel* titleLabel = nullptr;
    QString table;
};

// The fitted formula as the plot's legend names it, e.g. "Y = 2*x + 1".
QString fitCurveName(const Fit& fit);

} // namespace kalvo
