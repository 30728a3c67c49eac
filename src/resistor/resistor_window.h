#pragma once

#include "resistor_form.h"

#include <QMainWindow>

class QTableWidget;

namespace kalvo {
struct SearchReport;
}

namespace kalvo::resistor {

// The window of kalvo-resistor: the nominal value, the E-series and decade range, and
// for the parallel and the serial connection the best combination and the top ten.
// Every radio button, GO, Return and Enter run the search at once.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

protected:
    // Remembers the series, the decade range and the nominal value for the next run.
    void closeEvent(QCloseEvent* event) override;

private Q_SLOTS:
    void on_tableWidget_2_NeedDropData();
    void on_tableWidget_1_NeedDropData();
    void on_pbGo_clicked();
    void on_help();

private:
    void connectSignals();
    void createShortcuts();
    void restoreChoices();
    void runSearch();
    void showReport(const SearchReport& report);

    ResistorForm form;
};

} // namespace kalvo::resistor
