#include "stat_window.h"

#include "fit_plot_window.h"

#include "application.h"
#include "data_file.h"
#include "entry_cells.h"
#include "histogram_scene.h"
#include "input_pair.h"
#include "mtable_widget.h"
#include "report_file.h"
#include "stat_settings.h"

#include <QCloseEvent>
#include <QMenu>
#include <QDir>
#include <QFileDialog>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

#include <memory>

namespace kalvo::stat {
namespace {

const QString kProblemTitle = QStringLiteral("Stat Kalvo Problem");
const QString kWarningTitle = QStringLiteral("Stat Kalvo Warning");
const QString kTextFiles = QStringLiteral("Text files (*.txt)");
const QString kDataFiles = QStringLiteral("Text files (*.txt);;All files (*)");

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , form(buildStatForm(*this))
{
    setWindowTitle(QStringLiteral("Stat Kalvo 2.0"));
    form.resultPanel->setPlainText(QStringLiteral("Welcome to Stat Kalvo"));
    connectSignals();
    createShortcuts();
    plotAction = new QAction(QStringLiteral("Plot"), this);
    plotAction->setObjectName(QStringLiteral("plotAction"));
    plotAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    addAction(plotAction);
    connect(plotAction, &QAction::triggered, this, &MainWindow::showPlot);
    form.resultPanel->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(form.resultPanel, &QPlainTextEdit::customContextMenuRequested, this, [this](const QPoint& pos) {
        std::unique_ptr<QMenu> menu(createResultMenu());
        menu->exec(form.resultPanel->viewport()->mapToGlobal(pos));
    });
    restoreChoices();
    form.input->setFocus();
}

// The sort order and the mode of the last run are checked again; nothing is evaluated
// until the user asks, so the start-up text stays.
void MainWindow::restoreChoices()
{
    const StatChoices choices = loadStatChoices();
    sortMode = choices.sort;
    form.sortButtons->button(buttonOf(choices.sort).number)->setChecked(true);
    form.modeButtons->button(buttonOf(choices.mode).number)->setChecked(true);
}

void MainWindow::storeChoices() const
{
    StatChoices choices;
    choices.sort = sortMode;
    choices.mode = modeOfButton(form.modeButtons->checkedId()).value_or(choices.mode);
    saveStatChoices(choices);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!mayClose()) {
        event->ignore();
        return;
    }
    storeChoices();
    event->accept();
}

bool MainWindow::mayClose()
{
    if (!listChanged)
        return true;
    const auto answer = QMessageBox::warning(
        this, kWarningTitle,
        QStringLiteral("The list has changed since it was last loaded or saved.\nSave the report?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return saveReportToChosenFile();
    return answer == QMessageBox::Discard;
}

void MainWindow::connectSignals()
{
    connect(form.addButton, &QPushButton::clicked, this, &MainWindow::on_pbAdd_clicked);
    connect(form.deleteButton, &QPushButton::clicked, this, &MainWindow::on_pbDel_clicked);
    connect(form.insertButton, &QPushButton::clicked, this, &MainWindow::on_pbInsert_clicked);
    connect(form.deleteListButton, &QPushButton::clicked, this, &MainWindow::on_pbDelList_clicked);
    connect(form.loadButton, &QPushButton::clicked, this, &MainWindow::on_pbLoad_clicked);
    connect(form.saveButton, &QPushButton::clicked, this, &MainWindow::on_pbSave_clicked);
    connect(form.goButton, &QPushButton::clicked, this, &MainWindow::on_pbGo_clicked);
    connect(form.table, &MTableWidget::NeedDropData, this, &MainWindow::on_tableWidget_1_NeedDropData);
    connect(form.sortButtons, &QButtonGroup::idClicked, this, &MainWindow::chooseSortMode);
    connect(form.modeButtons, &QButtonGroup::idClicked, this, &MainWindow::runModeOfButton);
}

// Window-wide: Return or Enter adds the typed pair unless a push button has the focus;
// Delete deletes the current entry wherever the focus is, except in the input line,
// which keeps the key for its text.
void MainWindow::createShortcuts()
{
    const auto shortcut = [this](QKeySequence key, void (MainWindow::*slot)()) {
        connect(new QShortcut(key, this), &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence(Qt::Key_Enter), &MainWindow::activateFocusedButtonOrAdd);
    shortcut(QKeySequence(Qt::Key_Return), &MainWindow::activateFocusedButtonOrAdd);
    shortcut(QKeySequence::Delete, &MainWindow::on_pbDel_clicked);
    shortcut(QKeySequence(Qt::Key_F1), &MainWindow::on_help);
    shortcut(QKeySequence(Qt::Key_F11), &MainWindow::on_F11);
    shortcut(QKeySequence(Qt::Key_F12), &MainWindow::on_F12);
}

void MainWindow::activateFocusedButtonOrAdd()
{
    if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
        button->click();
    else
        on_pbAdd_clicked();
}

// The typed pair stays in the input line when the list is full.
void MainWindow::on_pbAdd_clicked()
{
    if (histogramShown)
        return;
    const ValuePair pair = readInputPair(form.input->text());
    if (entries.append(pair.x, pair.y)) {
        form.input->clear();
        listChanged = true;
        refreshTable();
        form.table->selectRow(entries.positionOf(entries.count() - 1));
    } else {
        QMessageBox::critical(this, kProblemTitle, QStringLiteral("Maxlist Reached!"));
    }
    form.input->setFocus();
}

void MainWindow::on_pbInsert_clicked()
{
    if (histogramShown)
        return;
    if (sortMode != SortMode::Original) {
        QMessageBox::warning(this, kWarningTitle, QStringLiteral("Insert data only in \"Original\" sort mode!"));
        return;
    }
    form.resultPanel->clear();
    const ValuePair pair = readInputPair(form.input->text());
    const int row = form.table->currentRow();
    if (row >= 0 && row < entries.count()) {
        if (entries.insert(row, pair.x, pair.y)) { // a full list stays as it is
            form.input->clear();
            listChanged = true;
        }
        refreshTable();
        form.table->selectRow(row);
    }
    form.input->setFocus();
}

void MainWindow::on_pbDel_clicked()
{
    if (histogramShown)
        return;
    const int row = form.table->currentRow();
    form.resultPanel->clear();
    if (entries.remove(row)) {
        listChanged = entries.count() > 0;
        refreshTable();
        if (row - 1 >= 0)
            form.table->selectRow(row - 1);
    }
    form.input->setFocus();
}

void MainWindow::on_pbDelList_clicked()
{
    if (histogramShown)
        return;
    const auto answer = QMessageBox::warning(this, kWarningTitle, QStringLiteral("Delete FULL List?"),
                                             QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer == QMessageBox::Yes) {
        listChanged = false;
        entries.clear();
        form.table->clearContents();
        form.table->setRowCount(0);
        form.resultPanel->clear();
    }
    form.input->setFocus();
}

// Loaded pairs are no change of the user's: they are in their file.
void MainWindow::on_pbLoad_clicked()
{
    if (loadPath.isEmpty())
        loadPath = QDir::homePath();
    const QString path
        = QFileDialog::getOpenFileName(this, QStringLiteral("Load and append Data"), loadPath, kDataFiles);
    if (!path.isEmpty()) {
        loadPath = path;
        QString panelText = dataFormatHelp();
        const DataLoad load = loadDataFile(path, entries);
        if (!load.error.isEmpty()) {
            showProblem(dataFileErrorMessage(path, load.error));
        } else {
            if (load.listFilled)
                QMessageBox::critical(this, kProblemTitle, listFilledOnLoadMessage());
            refreshTable();
            panelText += QStringLiteral("\n\n") + loadSummary(load);
        }
        form.resultPanel->setPlainText(panelText);
    }
    form.input->setFocus();
}

void MainWindow::on_pbSave_clicked()
{
    saveReportToChosenFile();
}

// Whether the report was written; false also when the dialog was cancelled.
bool MainWindow::saveReportToChosenFile()
{
    if (reportPath.isEmpty())
        reportPath = QDir::homePath() + QStringLiteral("/Report.txt");
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save Report"), reportPath, kTextFiles);
    bool saved = false;
    if (!path.isEmpty()) {
        reportPath = path;
        const QString error = saveReport(path, reportText(entries, form.resultPanel->toPlainText()));
        saved = error.isEmpty();
        if (saved)
            listChanged = false;
        else
            showProblem(reportFileErrorMessage(path, error));
    }
    form.input->setFocus();
    return saved;
}

void MainWindow::on_pbGo_clicked()
{
    runSelectedMode();
}

void MainWindow::on_tableWidget_1_NeedDropData()
{
    dragCurrentCellText(form.table);
}

void MainWindow::on_help()
{
    openHelpDocument();
}

void MainWindow::on_F11()
{
    changeBinCount(-1);
}

void MainWindow::on_F12()
{
    changeBinCount(+1);
}

void MainWindow::chooseSortMode(int buttonNumber)
{
    if (const std::optional<SortMode> mode = sortModeOfButton(buttonNumber)) {
        sortMode = *mode;
        refreshTable();
    }
}

void MainWindow::runModeOfButton(int buttonNumber)
{
    if (const std::optional<StatMode> mode = modeOfButton(buttonNumber))
        evaluate(*mode);
}

void MainWindow::runSelectedMode()
{
    runModeOfButton(form.modeButtons->checkedId());
}

void MainWindow::evaluate(StatMode mode)
{
    lastFit.reset();
    if (mode == StatMode::Histogram) {
        showHistogramView();
        drawHistogram();
        return;
    }
    showTable();
    const ModeResult result = runMode(entries, mode, binCount);
    form.resultPanel->setPlainText(result.text);
    if (result.restoreSortOrder)
        refreshTable();
    if (const std::optional<FitKind> kind = fitKind(mode); kind && entries.count() >= minimumEntries(*kind))
        lastFit = kind;
}

QMenu* MainWindow::createResultMenu()
{
    QMenu* menu = form.resultPanel->createStandardContextMenu();
    menu->addSeparator();
    plotAction->setEnabled(lastFit.has_value() || histogramShown);
    menu->addAction(plotAction);
    return menu;
}

// After a fit: the data, the fitted curve and the residuals; in the histogram mode the
// histogram view shows the plot already.
void MainWindow::showPlot()
{
    if (histogramShown || !lastFit || entries.count() < minimumEntries(*lastFit))
        return;
    if (fitPlot == nullptr)
        fitPlot = new FitPlotWindow(this);
    fitPlot->showFit(entries, computeFit(entries, *lastFit));
    fitPlot->show();
    fitPlot->raise();
}

FitPlotWindow* MainWindow::fitPlotWindow() const
{
    return fitPlot;
}

// Without a histogram to show the view is emptied; the result panel tells why.
void MainWindow::drawHistogram()
{
    const ModeResult result = runMode(entries, StatMode::Histogram, binCount);
    QGraphicsScene* previous = histogramScene;
    histogramScene
        = result.histogram ? createHistogramScene(*result.histogram, form.histogramView->size(), this) : nullptr;
    form.histogramView->setScene(histogramScene);
    delete previous;
    form.histogramView->show();
    form.resultPanel->setPlainText(result.text);
}

void MainWindow::changeBinCount(int step)
{
    const int changed = binCount + step;
    if (!histogramShown || changed < kMinBins || changed > kMaxBins)
        return;
    binCount = changed;
    drawHistogram();
}

// The table is stale after the histogram view (which sorts the list by X and lets
// Load append without a refresh), so leaving that view refreshes it.
void MainWindow::showTable()
{
    const bool wasHistogram = histogramShown;
    histogramShown = false;
    form.table->show();
    form.histogramView->hide();
    if (wasHistogram)
        refreshTable();
}

void MainWindow::showHistogramView()
{
    histogramShown = true;
    form.table->hide();
    form.histogramView->show();
}

// Rows follow the list in the order of the sort mode; no row is current afterwards.
void MainWindow::refreshTable()
{
    if (histogramShown)
        return;
    entries.sortList(sortMode);
    form.table->clearContents();
    form.table->setCurrentCell(-1, -1);
    form.table->setRowCount(entries.count());
    for (int row = 0; row < entries.count(); ++row) {
        const QStringList cells = entryCells(entries.at(row));
        for (int column = 0; column < kTableColumns; ++column)
            form.table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    form.input->setFocus();
}

void MainWindow::showProblem(const QString& text)
{
    QMessageBox::warning(this, kProblemTitle, text);
}

} // namespace kalvo::stat
