#pragma once

#include "stat_form.h"
#include "stat_list.h"
#include "stat_mode.h"

#include <QMainWindow>
#include <QPointer>

#include <optional>

class QAction;
class QGraphicsScene;
class QMenu;

namespace kalvo {
class FitPlotWindow;
}

namespace kalvo::stat {

// The window of kalvo-stat: the data list with its table, the sort and mode groups,
// the histogram view and the result panel.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    const StatList& list() const { return entries; }
    int histogramBins() const { return binCount; }
    // The result panel's context menu: the standard entries and "Plot", which shows the
    // last fit with its residuals, or the histogram. The caller owns it.
    QMenu* createResultMenu();
    // The fit plot window, opened by "Plot"; nullptr before.
    FitPlotWindow* fitPlotWindow() const;

protected:
    // Offers to save the report of a changed list, then remembers the choices.
    void closeEvent(QCloseEvent* event) override;

private Q_SLOTS:
    void on_pbAdd_clicked();
    void on_pbDel_clicked();
    void on_pbInsert_clicked();
    void on_pbDelList_clicked();
    void on_pbLoad_clicked();
    void on_pbSave_clicked();
    void on_pbGo_clicked();
    void on_tableWidget_1_NeedDropData();
    void on_help();
    void on_F11();
    void on_F12();
    void chooseSortMode(int buttonNumber);
    void runModeOfButton(int buttonNumber);
    void activateFocusedButtonOrAdd();
    void showPlot();

private:
    void connectSignals();
    void createShortcuts();
    void restoreChoices();
    void storeChoices() const;
    bool saveReportToChosenFile();
    bool mayClose();
    void runSelectedMode();
    void evaluate(StatMode mode);
    void drawHistogram();
    void changeBinCount(int step);
    void showTable();
    void showHistogramView();
    void refreshTable();
    void showProblem(const QString& text);

    StatForm form;
    StatList entries;
    SortMode sortMode = SortMode::Original;
    bool histogramShown = false;
    // The list holds changes of the user's since the last Load or Save Report; an
    // emptied list holds none.
    bool listChanged = false;
    int binCount = kDefaultBins;
    QString reportPath;
    QString loadPath;
    QGraphicsScene* histogramScene = nullptr;
    std::optional<FitKind> lastFit; // the fit the result panel shows, if any
    QAction* plotAction = nullptr;
    QPointer<FitPlotWindow> fitPlot;
};

} // namespace kalvo::stat
