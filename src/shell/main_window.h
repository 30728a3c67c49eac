#pragma once

#include "program.h"
#include "window_settings.h"

#include <QMainWindow>

#include <vector>

class QAction;
class QButtonGroup;
class QCloseEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace kalvo {

class AnalysisActions;

// The calculator window shared by kalvo-rc, -impedance, -ee, -inductance and -xy,
// built from one program table.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(const Program& program, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The result panel's context menu: the panel's standard menu ending with the
    // checkable "Show More Digits". The caller owns it.
    QMenu* createResultMenu();
    // The remembered text of field row (0-based) for radioButton_N.
    QString rememberedText(int buttonNumber, int row) const;
    // "Solve for an Input..." and "Plot..." of this window.
    AnalysisActions* analysisActions() const { return analysis; }
    // The inputs as GO reads them now.
    CalculationInput currentInput() const;

protected:
    // Stores the inputs and choices for the next start.
    void closeEvent(QCloseEvent* event) override;

private Q_SLOTS:
    void on_TextEditOut_customContextMenuRequested(const QPoint& pos);
    void on_pbGo_clicked();
    void on_help();
    void SetPrecision();
    void showTopology(int buttonNumber);
    void rememberInputs();

private:
    void restore(const WindowSettings& settings);
    void buildForm();
    void buildTopologyGroup();
    void buildAngleGroup();
    void buildInputFrame();
    void buildPictures();
    void buildResultPanel();
    void createShortcuts();
    void showPicture(int picture);
    void enterSolvedValue(int field, const QString& text);
    void describeFields(const Topology& topology);
    int checkedTopologyNumber() const;
    const Topology& checkedTopology() const;
    QStringList inputTexts() const;

    const Program& program;
    QAction* moreDigitsAction = nullptr;
    NumberFormat format;
    InputMemory inputMemory;
    std::shared_ptr<FormulaEngine> engine;

    QButtonGroup* topologyButtons = nullptr;
    QRadioButton* radiansButton = nullptr;
    std::vector<QLabel*> labels;
    std::vector<QLineEdit*> lineEdits;
    std::vector<QLabel*> pictureLabels;
    QPushButton* goButton = nullptr;
    QPlainTextEdit* resultPanel = nullptr;
    AnalysisActions* analysis = nullptr;
};

// The whole main() of a calculator program: the shared entry with its window.
int runCalculatorProgram(int argc, char** argv, const Program& program);

} // namespace kalvo
