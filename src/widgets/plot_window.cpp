#include "plot_window.h"

#include "catalog.h"
#include "engineering_number.h"
#include "evaluation.h"
#include "plot_export.h"
#include "plot_style.h"
#include "solve_dialog.h"

#include <qcustomplot.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace kalvo {

using namespace analysis;

namespace {

// A readout or range number: five significant digits.
QString shortNumber(double value)
{
    return std::isfinite(value) ? QString::number(value, 'g', 5) : QStringLiteral("-");
}

} // namespace

PlotWindow::PlotWindow(const Program& program, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , program(program)
{
    setObjectName(QStringLiteral("plotWindow"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    resize(860, 520);
    buildControls();
}

void PlotWindow::buildControls()
{
    fieldBox = new QComboBox(this);
    fieldBox->setObjectName(QStringLiteral("plotField"));
    fromEdit = new QLineEdit(this);
    fromEdit->setObjectName(QStringLiteral("plotFrom"));
    toEdit = new QLineEdit(this);
    toEdit->setObjectName(QStringLiteral("plotTo"));
    logBox = new QCheckBox(QStringLiteral("&Logarithmic"), this);
    logBox->setObjectName(QStringLiteral("plotLog"));
    quantityList = new QListWidget(this);
    quantityList->setObjectName(QStringLiteral("plotQuantities"));
    quantityList->setMinimumWidth(190);

    auto* exportButton = new QToolButton(this);
    exportButton->setObjectName(QStringLiteral("plotExport"));
    exportButton->setText(QStringLiteral("&Export"));
    exportButton->setPopupMode(QToolButton::InstantPopup);
    auto* exportMenu = new QMenu(exportButton);

    plot_ = new QCustomPlot(this);
    plot_->setObjectName(QStringLiteral("plot"));
    plot_->setMinimumSize(420, 300);
    plot_->legend->setVisible(true);
    plot_->setNoAntialiasingOnDrag(true);
    marker = new QCPItemStraightLine(plot_);
    addPlotExportActions(exportMenu, this, plot_, [this] { return dataTable(); });
    exportButton->setMenu(exportMenu);

    readoutLabel = new QLabel(this);
    readoutLabel->setObjectName(QStringLiteral("plotReadout"));
    readoutLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    messageLabel = new QLabel(this);
    messageLabel->setObjectName(QStringLiteral("plotMessage"));
    messageLabel->setWordWrap(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&x:"), fieldBox);
    form->addRow(QStringLiteral("&From:"), fromEdit);
    form->addRow(QStringLiteral("&To:"), toEdit);
    form->addRow(QString(), logBox);
    auto* controls = new QVBoxLayout;
    controls->addLayout(form);
    controls->addWidget(new QLabel(QStringLiteral("Results:"), this));
    controls->addWidget(quantityList, 1);
    controls->addWidget(exportButton);
    auto* plotColumn = new QVBoxLayout;
    plotColumn->addWidget(plot_, 1);
    plotColumn->addWidget(readoutLabel);
    plotColumn->addWidget(messageLabel);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(controls);
    layout->addLayout(plotColumn, 1);

    connect(fieldBox, &QComboBox::currentIndexChanged, this, [this] {
        if (!updating) {
            defaultRange();
            recompute();
        }
    });
    connect(fromEdit, &QLineEdit::editingFinished, this, &PlotWindow::recompute);
    connect(toEdit, &QLineEdit::editingFinished, this, &PlotWindow::recompute);
    connect(logBox, &QCheckBox::toggled, this, [this] {
        if (!updating)
            recompute();
    });
    connect(quantityList, &QListWidget::itemChanged, this, [this] {
        if (!updating)
            draw();
    });
    connect(plot_, &QCustomPlot::mouseMove, this, &PlotWindow::showReadout);
    applyPlotPalette(plot_, palette());
}

void PlotWindow::setInput(const Topology& shown, const CalculationInput& calculation)
{
    const bool newTopology = topology != &shown;
    topology = &shown;
    input = calculation;
    input.topology = topology;
    if (newTopology) {
        setWindowTitle(QStringLiteral("%1 - Plot - %2")
                           .arg(QString::fromUtf8(shown.buttonText), QString::fromUtf8(program.windowTitle)));
        fillChoices();
        defaultRange();
    }
    recompute();
}

void PlotWindow::fillChoices()
{
    updating = true;
    fieldBox->clear();
    for (int field = 1; field <= topology->visibleInputs; ++field)
        if (!topology->isFormulaField(field) && !topology->fieldLabel(field).isEmpty())
            fieldBox->addItem(fieldTitle(*topology, field), field);
    quantityList->clear();
    for (const QuantityInfo& q : quantityCatalog(program, *topology, input)) {
        auto* item = new QListWidgetItem(columnTitle(q.key, q.unit), quantityList);
        item->setData(Qt::UserRole, q.key);
        item->setToolTip(q.description);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(quantityList->count() == 1 ? Qt::Checked : Qt::Unchecked);
    }
    updating = false;
}

void PlotWindow::defaultRange()
{
    const double value = input.value(xField());
    updating = true;
    if (!std::isfinite(value) || value == 0.0) {
        fromEdit->setText(QStringLiteral("1"));
        toEdit->setText(QStringLiteral("1000"));
        logBox->setChecked(true);
    } else {
        const double low = std::min(value / 10.0, value * 10.0);
        const double high = std::max(value / 10.0, value * 10.0);
        fromEdit->setText(shortNumber(low));
        toEdit->setText(shortNumber(high));
        logBox->setChecked(value > 0.0);
    }
    updating = false;
}

int PlotWindow::xField() const
{
    return fieldBox->currentData().toInt();
}

void PlotWindow::setXField(int field)
{
    if (const int index = fieldBox->findData(field); index >= 0)
        fieldBox->setCurrentIndex(index);
}

void PlotWindow::setRange(const QString& from, const QString& to, bool logarithmic)
{
    updating = true;
    fromEdit->setText(from);
    toEdit->setText(to);
    logBox->setChecked(logarithmic);
    updating = false;
    recompute();
}

void PlotWindow::setQuantities(const QStringList& keys)
{
    updating = true;
    for (int row = 0; row < quantityList->count(); ++row) {
        QListWidgetItem* item = quantityList->item(row);
        item->setCheckState(keys.contains(item->data(Qt::UserRole).toString()) ? Qt::Checked : Qt::Unchecked);
    }
    updating = false;
    draw();
}

QStringList PlotWindow::plottedKeys() const
{
    QStringList keys;
    for (int i = 0; i < plot_->graphCount(); ++i)
        keys.append(plot_->graph(i)->property("key").toString());
    return keys;
}

QString PlotWindow::dataTable() const
{
    return topology != nullptr ? sweepTable(*topology, xField(), points_) : QString();
}

QString PlotWindow::readout() const
{
    return readoutLabel->text();
}

QString PlotWindow::message() const
{
    return messageLabel->text();
}

void PlotWindow::recompute()
{
    if (topology == nullptr || updating)
        return;
    // A hidden window computes its curves when it is shown, once for all the choices
    // made before (opening sets the inputs, then the x field, the range...).
    stale = !isVisible();
    if (stale)
        return;
    points_.clear();
    const std::optional<double> from = parseEngineeringNumber(fromEdit->text());
    const std::optional<double> to = parseEngineeringNumber(toEdit->text());
    SweepRequest request{.field = xField(),
                         .points = curvePoints,
                         .logarithmic = logBox->isChecked(),
                         .detail = ReportDetail::ValuesOnly};
    if (from && to) {
        request.from = std::min(*from, *to);
        request.to = std::max(*from, *to);
    }
    QString problem = !from || !to ? QStringLiteral("The range needs two numbers.") : QString();
    if (problem.isEmpty() && request.from == request.to)
        problem = QStringLiteral("The range needs two different numbers.");
    if (problem.isEmpty())
        problem = sweepRequestError(*topology, request);
    if (problem.isEmpty()) {
        Evaluation evaluation(program, *topology, input);
        points_ = sweep(evaluation, request);
    }
    messageLabel->setText(problem.isEmpty() ? QString() : problem[0].toUpper() + problem.mid(1));
    draw();
}

void PlotWindow::draw()
{
    plot_->clearGraphs();
    QStringList units;
    QStringList leftTitles;
    QStringList rightTitles;
    QStringList skipped;
    QVector<double> xs;
    xs.reserve(static_cast<qsizetype>(points_.size()));
    for (const SweepPoint& point : points_)
        xs.append(point.x);
    for (int row = 0; row < quantityList->count(); ++row) {
        const QListWidgetItem* item = quantityList->item(row);
        if (item->checkState() != Qt::Checked)
            continue;
        const QString key = item->data(Qt::UserRole).toString();
        QString unit;
        QVector<double> ys;
        ys.reserve(xs.size());
        for (const SweepPoint& point : points_) {
            const Quantity* q = point.report.quantity(key);
            if (q != nullptr && unit.isEmpty())
                unit = q->unit;
            // Non-finite results leave a gap: QCustomPlot breaks the line at NaN.
            ys.append(q != nullptr && std::isfinite(q->value) ? q->value : qQNaN());
        }
        if (!units.contains(unit)) {
            if (units.size() == 2) {
                skipped.append(item->text());
                continue;
            }
            units.append(unit);
        }
        const bool right = units.indexOf(unit) == 1;
        QCPGraph* graph = plot_->addGraph(plot_->xAxis, right ? plot_->yAxis2 : plot_->yAxis);
        graph->setProperty("key", key);
        graph->setName(item->text());
        graph->setPen(QPen(curveColor(plot_->graphCount() - 1, palette()), 2));
        graph->setData(xs, ys, true);
        (right ? rightTitles : leftTitles).append(item->text());
    }
    const bool logarithmic = logBox->isChecked();
    plot_->xAxis->setScaleType(logarithmic ? QCPAxis::stLogarithmic : QCPAxis::stLinear);
    plot_->xAxis->setTicker(logarithmic ? QSharedPointer<QCPAxisTicker>(new QCPAxisTickerLog)
                                        : QSharedPointer<QCPAxisTicker>(new QCPAxisTicker));
    plot_->xAxis->setLabel(topology != nullptr ? fieldTitle(*topology, xField()) : QString());
    plot_->yAxis->setLabel(leftTitles.join(QStringLiteral(", ")));
    plot_->yAxis2->setLabel(rightTitles.join(QStringLiteral(", ")));
    plot_->yAxis2->setVisible(!rightTitles.isEmpty());
    plot_->rescaleAxes();
    for (QCPAxis* axis : {plot_->yAxis, plot_->yAxis2}) // a flat curve still gets a readable axis
        if (axis->range().size() == 0.0)
            axis->setRange(axis->range().center() - 1.0, axis->range().center() + 1.0);
    const double current = input.value(xField());
    const bool showMarker = std::isfinite(current) && (!logarithmic || current > 0.0);
    marker->setVisible(showMarker);
    QColor markerColor = palette().color(QPalette::Text);
    markerColor.setAlphaF(0.6);
    marker->setPen(QPen(markerColor, 1, Qt::DashLine));
    marker->point1->setCoords(current, 0.0);
    marker->point2->setCoords(current, 1.0);
    if (!skipped.isEmpty())
        messageLabel->setText(
            QStringLiteral("Two units at most: %1 not shown.").arg(skipped.join(QStringLiteral(", "))));
    plot_->replot();
}

void PlotWindow::showReadout(QMouseEvent* event)
{
    if (points_.empty() || topology == nullptr)
        return;
    const double x = plot_->xAxis->pixelToCoord(event->position().x());
    const auto nearest
        = std::min_element(points_.begin(), points_.end(), [x](const SweepPoint& a, const SweepPoint& b) {
              return std::fabs(a.x - x) < std::fabs(b.x - x);
          });
    QStringList parts{topology->fieldLabel(xField()) + QStringLiteral(" = ") + shortNumber(nearest->x)};
    for (int i = 0; i < plot_->graphCount(); ++i) {
        const QString key = plot_->graph(i)->property("key").toString();
        const Quantity* q = nearest->report.quantity(key);
        parts.append(key + QStringLiteral(" = ") + (q != nullptr ? shortNumber(q->value) : QStringLiteral("-")));
    }
    readoutLabel->setText(parts.join(QStringLiteral("    ")));
}

void PlotWindow::showEvent(QShowEvent* event)
{
    if (stale)
        recompute();
    QWidget::showEvent(event);
}

void PlotWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange) {
        applyPlotPalette(plot_, palette());
        draw();
    }
    QWidget::changeEvent(event);
}

} // namespace kalvo
