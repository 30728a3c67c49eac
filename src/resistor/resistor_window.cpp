#include "resistor_window.h"

#include "application.h"
#include "mtable_widget.h"
#include "resistor_settings.h"
#include "search_report.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>

namespace kalvo::resistor {
namespace {

// The checked button's choice, or fallback when none is checked.
template <class Choice, std::size_t N>
Choice checkedChoice(const QButtonGroup* buttons, const std::array<Choice, N>& choices, Choice fallback)
{
    const int id = buttons->checkedId();
    return id >= 0 && id < static_cast<int>(N) ? choices[id] : fallback;
}

// Checks the button of choice: its id is its position among choices.
template <class Choice, std::size_t N>
void checkChoice(QButtonGroup* buttons, const std::array<Choice, N>& choices, Choice choice)
{
    const auto position = std::find(choices.begin(), choices.end(), choice) - choices.begin();
    buttons->button(static_cast<int>(position))->setChecked(true);
}

void fillTopTenTable(QTableWidget* table, const TopTenRows& rows)
{
    for (int row = 0; row < table->rowCount(); ++row)
        for (int column = 0; column < table->columnCount(); ++column)
            table->item(row, column)->setText(rows[row][column]);
    table->selectRow(0);
    table->clearSelection();
}

// The current cell's text goes out as plain text, even when it is empty.
void dragCurrentCell(QTableWidget* table)
{
    if (const QTableWidgetItem* item = table->currentItem())
        startTextDrag(table, item->data(Qt::DisplayRole).toString());
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , form(buildResistorForm(*this))
{
    connectSignals();
    createShortcuts();
    restoreChoices();
}

// Nothing is searched until the user asks, so the start-up text stays; a restored value
// is selected, so that typing replaces it.
void MainWindow::restoreChoices()
{
    const ResistorChoices choices = loadResistorChoices();
    checkChoice(form.seriesButtons, allSeries, choices.series);
    checkChoice(form.rangeButtons, allDecadeRanges, choices.range);
    form.nominalEdit->setText(choices.nominal);
    form.nominalEdit->selectAll();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    ResistorChoices choices;
    choices.series = checkedChoice(form.seriesButtons, allSeries, choices.series);
    choices.range = checkedChoice(form.rangeButtons, allDecadeRanges, choices.range);
    choices.nominal = form.nominalEdit->text();
    saveResistorChoices(choices);
    event->accept();
}

void MainWindow::connectSignals()
{
    connect(form.seriesButtons, &QButtonGroup::buttonClicked, this, &MainWindow::runSearch);
    connect(form.rangeButtons, &QButtonGroup::buttonClicked, this, &MainWindow::runSearch);
    connect(form.goButton, &QPushButton::clicked, this, &MainWindow::on_pbGo_clicked);
    connect(form.parallelTable, &MTableWidget::NeedDropData, this, &MainWindow::on_tableWidget_1_NeedDropData);
    connect(form.serialTable, &MTableWidget::NeedDropData, this, &MainWindow::on_tableWidget_2_NeedDropData);
}

// Return or Enter anywhere in the window runs the search; F1 opens the help.
void MainWindow::createShortcuts()
{
    connect(new QShortcut(QKeySequence(Qt::Key_Enter), this), &QShortcut::activated, this,
            &MainWindow::on_pbGo_clicked);
    connect(new QShortcut(QKeySequence(Qt::Key_Return), this), &QShortcut::activated, this,
            &MainWindow::on_pbGo_clicked);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, &MainWindow::on_help);
}

void MainWindow::on_tableWidget_2_NeedDropData()
{
    dragCurrentCell(form.serialTable);
}

void MainWindow::on_tableWidget_1_NeedDropData()
{
    dragCurrentCell(form.parallelTable);
}

void MainWindow::on_pbGo_clicked()
{
    runSearch();
}

void MainWindow::on_help()
{
    openHelpDocument();
}

void MainWindow::runSearch()
{
    form.parallelTable->clearSelection();
    form.serialTable->clearSelection();
    if (form.nominalEdit->text().isEmpty())
        form.nominalEdit->setText(QStringLiteral("0"));
    const double nominal = nominalFromText(form.nominalEdit->text());
    const ESeries series = checkedChoice(form.seriesButtons, allSeries, ESeries::E12);
    const DecadeRange range = checkedChoice(form.rangeButtons, allDecadeRanges, DecadeRange::TwoDecades);
    showReport(searchReport(kalvo::runSearch(nominal, series, range)));
    // Selected, the value is replaced by the next one typed instead of extended.
    form.nominalEdit->setFocus();
    form.nominalEdit->selectAll();
}

void MainWindow::showReport(const SearchReport& report)
{
    fillTopTenTable(form.serialTable, report.serialRows);
    form.serialPanel->setPlainText(report.serialText);
    fillTopTenTable(form.parallelTable, report.parallelRows);
    form.parallelPanel->setPlainText(report.parallelText);
}

} // namespace kalvo::resistor
