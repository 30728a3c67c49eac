#pragma once

class QButtonGroup;
class QLineEdit;
class QMainWindow;
class QPlainTextEdit;
class QPushButton;

namespace kalvo {
class MTableWidget;
}

namespace kalvo::resistor {

// The widgets of the resistor finder the window works with. The id of a button in
// seriesButtons is its position in allSeries, in rangeButtons its position in
// allDecadeRanges.
struct ResistorForm {
    QLineEdit* nominalEdit = nullptr;
    QPushButton* goButton = nullptr;
    QPlainTextEdit* parallelPanel = nullptr;
    MTableWidget* parallelTable = nullptr;
    QPlainTextEdit* serialPanel = nullptr;
    MTableWidget* serialTable = nullptr;
    QButtonGroup* seriesButtons = nullptr;
    QButtonGroup* rangeButtons = nullptr;
};

// Builds every widget of the window with its object name, text, geometry and settings.
ResistorForm buildResistorForm(QMainWindow& window);

} // namespace kalvo::resistor
