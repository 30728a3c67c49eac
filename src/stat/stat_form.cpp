#include "stat_form.h"

#include "entry_cells.h"
#include "form_building.h"
#include "input_feedback.h"
#include "input_pair.h"
#include "mtable_widget.h"
#include "stat_mode.h"

#include <QGraphicsView>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kalvo {
namespace {

constexpr QSize kWindowSize(790, 480);
constexpr int kHeaderHeight = 23;
constexpr int kRowHeight = 20;

// The dialog font of the desktop the window was drawn for, else fonts of about its width,
// so that the longest button texts fit the groups.
QFont groupFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Shell Dlg 2"), QStringLiteral("Tahoma"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans")});
    font.setPointSize(9);
    return font;
}

struct RadioGroup {
    QButtonGroup* buttons;
    QGridLayout* grid;
};

// A group of radio buttons in a grid, ids and object names from the button numbers;
// the first button starts checked.
template <typename Button>
RadioGroup radioGroup(QWidget* parent, const char* name, const char* title, const QRect& geometry,
                      const char* layoutName, std::span<const Button> buttons)
{
    auto* box = place<QGroupBox>(parent, name, geometry);
    box->setTitle(QString::fromUtf8(title));
    box->setFont(groupFont());
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* grid = new QGridLayout(box);
    grid->setObjectName(QLatin1String(layoutName));
    grid->setSpacing(6);
    grid->setContentsMargins(10, 2, 11, 11);
    auto* group = new QButtonGroup(box);
    for (const Button& b : buttons) {
        auto* radio = new QRadioButton(QString::fromUtf8(b.text), box);
        radio->setObjectName(QStringLiteral("radioButton_%1").arg(b.number));
        grid->addWidget(radio, b.row, b.column);
        group->addButton(radio, b.number);
    }
    group->button(buttons.front().number)->setChecked(true);
    return {group, grid};
}

void setUpTable(MTableWidget* table)
{
    table->setColumnCount(kTableColumns);
    table->setHorizontalHeaderLabels(tableHeaders());
    QHeaderView* header = table->horizontalHeader();
    header->setDefaultSectionSize(90);
    header->setMinimumSectionSize(40);
    for (int column = 0; column < kTableColumns - 1; ++column)
        table->setColumnWidth(column, 90);
    table->setColumnWidth(kTableColumns - 1, 45);
    header->setStretchLastSection(true);
    header->setFixedHeight(kHeaderHeight);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setSortIndicatorShown(false);
    table->verticalHeader()->setVisible(false);
    table->verticalHeader()->setMinimumSectionSize(kRowHeight);
    table->verticalHeader()->setDefaultSectionSize(kRowHeight);
    table->setShowGrid(false);
    table->setAlternatingRowColors(true);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSortingEnabled(false);
    table->setWordWrap(false);
    table->setCornerButtonEnabled(false);
    table->setDragEnabled(true);
    table->setDragDropMode(QAbstractItemView::DragOnly);
    table->setDropIndicatorShown(false);
    table->setDragDropOverwriteMode(false);
}

void setUpHistogramView(QGraphicsView* view)
{
    view->setAcceptDrops(false);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    view->setRenderHints(QPainter::TextAntialiasing | QPainter::Antialiasing);
    view->setTransformationAnchor(QGraphicsView::NoAnchor);
    view->setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    view->hide();
}

} // namespace

StatForm buildStatForm(QMainWindow& window)
{
    window.setFixedSize(kWindowSize);
    window.setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* central = new QWidget(&window);
    central->setObjectName(QStringLiteral("centralWidget"));
    window.setCentralWidget(central);

    StatForm form;
    form.inputLabel
        = placeWithText<QLabel>(central, "label_1", " Input: Xi Yi  (Separate with Space) ", {10, 20, 211, 20});
    form.input = place<QLineEdit>(central, "lineEdit_1", {10, 50, 211, 24});
    form.input->setAccessibleName(form.inputLabel->text().simplified());
    markUnreadableInput(form.input, startsWithNumber,
                        QStringLiteral("No number at the start: this line is read as the pair 0 0"));
    form.addButton = placeWithText<QPushButton>(central, "pbAdd", "Add", {10, 90, 91, 31});
    form.deleteButton = placeWithText<QPushButton>(central, "pbDel", "Delete", {130, 90, 91, 31});
    form.insertButton = placeWithText<QPushButton>(central, "pbInsert", "Insert", {10, 130, 91, 31});
    form.deleteListButton = placeWithText<QPushButton>(central, "pbDelList", "Delete List", {130, 130, 91, 31});
    form.loadButton = placeWithText<QPushButton>(central, "pbLoad", "Load Data", {10, 180, 91, 31});
    form.saveButton = placeWithText<QPushButton>(central, "pbSave", "Save Report", {10, 220, 91, 31});
    form.goButton = placeWithText<QPushButton>(central, "pbGo", "GO", {130, 180, 91, 71});
    QFont goFont = form.goButton->font();
    goFont.setPointSize(12);
    form.goButton->setFont(goFont);

    form.sortButtons = radioGroup(central, "groupBox", "Sort", {10, 270, 221, 71}, "gridLayout", sortButtons()).buttons;
    const RadioGroup mode
        = radioGroup(central, "groupBox_2", "Mode", {10, 350, 221, 121}, "gridLayout_2", modeButtons());
    mode.grid->setColumnStretch(0, 1);
    mode.grid->setColumnStretch(1, 2);
    form.modeButtons = mode.buttons;

    form.table = place<MTableWidget>(central, "tableWidget_1", {240, 10, 541, 251});
    setUpTable(form.table);
    form.histogramView = place<QGraphicsView>(central, "graphicsView", {240, 10, 541, 261});
    setUpHistogramView(form.histogramView);
    form.resultPanel = place<QPlainTextEdit>(central, "TextEditOut_1", {240, 280, 541, 191});
    setUpResultPanel(form.resultPanel);
    return form;
}

} // namespace kalvo
