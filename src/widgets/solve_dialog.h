#pragma once

#include "program.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;

namespace kalvo {

// What the solve dialog last asked for in one topology, preselected the next time.
struct SolveChoices {
    int field = 0;
    QString key;
    QString target;
    QString from;
    QString to;
};

// "Solve for an Input...": finds the values of one visible input that make a result
// reach a target, all other inputs as the window holds them. The root nearest the
// field's current value is handed to the window (solved); the others are listed in the
// message line. When nothing is found the dialog says why and changes nothing.
class SolveDialog : public QDialog {
    Q_OBJECT
public:
    SolveDialog(const Program& program, const Topology& topology, const CalculationInput& input,
                const SolveChoices& choices, QWidget* parent = nullptr);

    SolveChoices choices() const;
    QString message() const;

Q_SIGNALS:
    // The field (1-based) and the text that puts the root into it.
    void solved(int field, const QString& text);

public Q_SLOTS:
    void solveNow();

private:
    void showMessage(const QString& text, bool problem);

    const Program& program;
    const Topology& topology;
    CalculationInput input;
    QComboBox* fieldBox = nullptr;
    QComboBox* quantityBox = nullptr;
    QLineEdit* targetEdit = nullptr;
    QLineEdit* fromEdit = nullptr;
    QLineEdit* toEdit = nullptr;
    QLabel* messageLabel = nullptr;
};

// "w [mm]" for a field, "w" where it has no unit.
QString fieldTitle(const Topology& topology, int field);

} // namespace kalvo
