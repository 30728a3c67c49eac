#pragma once

#include <QButtonGroup>

class QGraphicsView;
class QLabel;
class QLineEdit;
class QMainWindow;
class QPlainTextEdit;
class QPushButton;

namespace kalvo {

class MTableWidget;

// The widgets of the statistics window, owned by their Qt parents.
struct StatForm {
    QLabel* inputLabel = nullptr; // label_1
    QLineEdit* input = nullptr; // lineEdit_1
    QPushButton* addButton = nullptr; // pbAdd
    QPushButton* deleteButton = nullptr;
    QPushButton* insertButton = nullptr;
    QPushButton* deleteListButton = nullptr;
    QPushButton* loadButton = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* goButton = nullptr;
    QButtonGroup* sortButtons = nullptr; // ids: N of radioButton_N
    QButtonGroup* modeButtons = nullptr; // ids: N of radioButton_N
    MTableWidget* table = nullptr; // tableWidget_1
    QGraphicsView* histogramView = nullptr;
    QPlainTextEdit* resultPanel = nullptr; // TextEditOut_1
};

// Builds every widget of the window with its object name, geometry and settings.
StatForm buildStatForm(QMainWindow& window);

} // namespace kalvo
