#pragma once

#include "program.h"
#include "sweep.h"

#include <QWidget>

#include <vector>

class QCheckBox;
class QComboBox;
class QCPItemStraightLine;
class QCustomPlot;
class QLabel;
class QLineEdit;
class QListWidget;
class QMouseEvent;
class QShowEvent;

namespace kalvo {

// "Plot...": one or more results of the shown topology against one of its inputs over
// a range, recomputed whenever the range, the results or the window's inputs change
// (while hidden, once it is shown).
// Results of the first result's unit share the left axis, a second unit the right one.
class PlotWindow : public QWidget {
    Q_OBJECT
public:
    explicit PlotWindow(const Program& program, QWidget* parent = nullptr);

    // The topology and the inputs the calculator window holds (after GO, on a switch).
    void setInput(const Topology& topology, const CalculationInput& input);

    // For tests and the menu: the x field (1-based), its range, and the plotted keys.
    void setXField(int field);
    void setRange(const QString& from, const QString& to, bool logarithmic);
    void setQuantities(const QStringList& keys);
    QStringList plottedKeys() const;
    const std::vector<analysis::SweepPoint>& points() const { return points_; }
    QCustomPlot* plot() const { return plot_; }
    QString dataTable() const;
    QString readout() const;
    QString message() const;

    // The number of points of a curve.
    static constexpr int curvePoints = 1000;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void fillChoices();
    void defaultRange();
    void recompute();
    void draw();
    void showReadout(QMouseEvent* event);
    int xField() const;

    const Program& program;
    const Topology* topology = nullptr;
    CalculationInput input;
    std::vector<analysis::SweepPoint> points_;

    QComboBox* fieldBox = nullptr;
    QLineEdit* fromEdit = nullptr;
    QLineEdit* toEdit = nullptr;
    QCheckBox* logBox = nullptr;
    QListWidget* quantityList = nullptr;
    QCustomPlot* plot_ = nullptr;
    QCPItemStraightLine* marker = nullptr;
    QLabel* readoutLabel = nullptr;
    QLabel* messageLabel = nullptr;
    bool updating = false;
    bool stale = false; // the inputs or choices changed while the window was hidden
};

} // namespace kalvo
