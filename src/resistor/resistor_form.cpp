#include "resistor_form.h"

#include "decade_range.h"
#include "e_series.h"
#include "form_building.h"
#include "input_feedback.h"
#include "mtable_widget.h"
#include "top_ten.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kalvo::resistor {
namespace {

constexpr QSize windowSize(521, 540);
constexpr int tableColumns = 3;
constexpr int columnWidth = 80;
constexpr int rowHeight = 17;
constexpr int headerHeight = 20;
constexpr int buttonsPerRow = 3;

void makeBold(QWidget* widget, int pointSize = -1)
{
    QFont font = widget->font();
    font.setBold(true);
    if (pointSize > 0)
        font.setPointSize(pointSize);
    widget->setFont(font);
}

// A tooltip of plain lines (tabs kept) in 8 points.
QString smallTooltip(const QStringList& lines)
{
    QStringList escaped;
    for (const QString& line : lines)
        escaped << line.toHtmlEscaped();
    return QStringLiteral("<p style=\"font-size:8pt; white-space:pre\">") + escaped.join(QStringLiteral("<br>"))
        + QStringLiteral("</p>");
}

// A group of radio buttons in rows of three, numbered on from firstNumber; the button
// checked at start is underlined.
template <class Choice, std::size_t N>
QButtonGroup* radioGroup(QWidget* group, const std::array<Choice, N>& choices, const char* (*text)(Choice),
                         int firstNumber, Choice checked)
{
    auto* grid = new QGridLayout(group);
    auto* buttons = new QButtonGroup(group);
    for (std::size_t i = 0; i < N; ++i) {
        auto* button = new QRadioButton(QString::fromUtf8(text(choices[i])), group);
        button->setObjectName(QStringLiteral("radioButton_%1").arg(firstNumber + static_cast<int>(i)));
        grid->addWidget(button, static_cast<int>(i) / buttonsPerRow, static_cast<int>(i) % buttonsPerRow);
        buttons->addButton(button, static_cast<int>(i));
        if (choices[i] == checked) {
            button->setChecked(true);
            QFont font = button->font();
            font.setUnderline(true);
            button->setFont(font);
        }
    }
    return buttons;
}

QPlainTextEdit* resultPanel(QWidget* parent, const char* objectName, const QRect& geometry)
{
    auto* panel = place<QPlainTextEdit>(parent, objectName, geometry);
    setUpResultPanel(panel);
    return panel;
}

// Ten rows of R1, R2 and Diff, read-only, rows selected whole, cell texts dragged out.
MTableWidget* topTenTable(QWidget* parent, const char* objectName, const QRect& geometry)
{
    auto* table = place<MTableWidget>(parent, objectName, geometry);
    table->setColumnCount(tableColumns);
    table->setRowCount(topTenSize);
    table->setHorizontalHeaderLabels({QStringLiteral("R1"), QStringLiteral("R2"), QStringLiteral("Diff")});
    for (int row = 0; row < topTenSize; ++row)
        for (int column = 0; column < tableColumns; ++column)
            table->setItem(row, column, new QTableWidgetItem);

    QHeaderView* header = table->horizontalHeader();
    header->setDefaultSectionSize(40);
    for (int column = 0; column < tableColumns; ++column)
        header->resizeSection(column, columnWidth);
    header->setStretchLastSection(true);
    header->setFixedHeight(headerHeight);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setSortIndicatorShown(false);
    table->verticalHeader()->setMinimumSectionSize(rowHeight);
    table->verticalHeader()->setDefaultSectionSize(rowHeight);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->hide();

    table->setShowGrid(false);
    table->setAlternatingRowColors(true);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setDragEnabled(true);
    table->setDragDropMode(QAbstractItemView::DragOnly);
    table->setDropIndicatorShown(false);
    return table;
}

} // namespace

ResistorForm buildResistorForm(QMainWindow& window)
{
    window.setObjectName(QStringLiteral("MainWindowClass"));
    window.setFixedSize(windowSize);
    window.setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    window.setWindowTitle(QStringLiteral("Resistor Kalvo 2.0"));
    auto* central = new QWidget(&window);
    central->setObjectName(QStringLiteral("centralWidget"));
    window.setCentralWidget(central);

    ResistorForm form;
    const auto* nominalLabel = placeWithText<QLabel>(central, "label_1", "Nominal", {10, 13, 61, 20});
    form.nominalEdit = place<QLineEdit>(central, "lineEdit_1", {70, 10, 101, 24});
    form.nominalEdit->setAccessibleName(nominalLabel->text() + QStringLiteral(" (Ohm)"));
    markUnreadableInput(form.nominalEdit, readsAsDouble);
    form.goButton = placeWithText<QPushButton>(central, "pbGo", "GO", {180, 10, 71, 24});
    makeBold(placeWithText<QLabel>(central, "label_2", "Top Ten Hits", {330, 13, 101, 20}), 11);

    makeBold(placeWithText<QLabel>(central, "label_3", "Parallel R    Serial C", {10, 50, 181, 20}));
    form.parallelPanel = resultPanel(central, "TextEditOut_1", {10, 70, 241, 171});
    form.parallelPanel->setPlainText(QStringLiteral("Enter Nominal Value and  \"GO\""));
    form.parallelTable = topTenTable(central, "tableWidget_1", {260, 40, 251, 201});
    form.parallelTable->setWordWrap(false);
    form.parallelTable->setCornerButtonEnabled(false);

    makeBold(placeWithText<QLabel>(central, "label_4", "Serial R    Parallel C", {10, 260, 181, 20}));
    form.serialPanel = resultPanel(central, "TextEditOut_2", {10, 280, 241, 171});
    form.serialTable = topTenTable(central, "tableWidget_2", {260, 250, 251, 201});

    auto* seriesGroup = place<QGroupBox>(central, "groupBox", {10, 460, 191, 71});
    seriesGroup->setTitle(QStringLiteral("Value Range"));
    seriesGroup->setToolTip(smallTooltip({QStringLiteral("IEC 60063 E-Series"), QStringLiteral("Prefferred Values")}));
    form.seriesButtons = radioGroup(seriesGroup, allSeries, seriesName, 1, ESeries::E12);

    auto* rangeGroup = place<QGroupBox>(central, "groupBox_2", {210, 460, 301, 71});
    rangeGroup->setTitle(QStringLiteral("Value Difference"));
    rangeGroup->setToolTip(
        smallTooltip({QStringLiteral("Maximum relative difference between the two values"),
                      QStringLiteral("1 Decade\t= 1/10"), QStringLiteral("2 Decades\t= 1/100"),
                      QStringLiteral("3 Decades\t= 1/1000"), QStringLiteral("-1\t= One decade lower"),
                      QStringLiteral("0\t= Same decade"), QStringLiteral("+1\t= One decade higher")}));
    form.rangeButtons = radioGroup(rangeGroup, allDecadeRanges, decadeRangeName, static_cast<int>(allSeries.size()) + 1,
                                   DecadeRange::TwoDecades);

    form.nominalEdit->setFocus();
    return form;
}

} // namespace kalvo::resistor
