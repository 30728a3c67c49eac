#include "main_window.h"

#include "analysis_actions.h"
#include "application.h"
#include "form_building.h"
#include "formula_engine.h"
#include "input_feedback.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace kalvo {
namespace {

constexpr QSize windowSize(631, 511);
constexpr QRect pictureGeometry(320, 10, 303, 216);
constexpr QRect resultGeometry(10, 240, 612, 261);
constexpr int fontPoints = 9;

QFont formFont(const char* family)
{
    QFont font(QString::fromUtf8(family));
    font.setPointSize(fontPoints);
    return font;
}

QString numbered(const char* stem, int n)
{
    return QLatin1String(stem) + QString::number(n);
}

} // namespace

MainWindow::MainWindow(const Program& program, QWidget* parent)
    : QMainWindow(parent)
    , program(program)
{
    buildForm();
    setWindowTitle(QString::fromUtf8(program.windowTitle));
    setWindowIcon(QApplication::windowIcon());
    createShortcuts();
    moreDigitsAction = new QAction(tr("Show More Digits"), this);
    moreDigitsAction->setCheckable(true);
    analysis = new AnalysisActions(
        program,
        {.window = this,
         .shownTopology = [this]() -> const Topology& { return checkedTopology(); },
         .currentInput = [this] { return currentInput(); },
         .enterValue = [this](int field, const QString& text) { enterSolvedValue(field, text); }});
    restore(loadWindowSettings(program));
    connect(moreDigitsAction, &QAction::triggered, this, &MainWindow::SetPrecision);

    if (program.createEngine != nullptr) {
        engine = program.createEngine();
        // Without its engine the window is of no use; only kalvo-rc has one.
        if (engine == nullptr || !engine->hasVariableTable()) {
            QMessageBox::critical(this, QStringLiteral("RC Kalvo"),
                                  engine == nullptr ? QStringLiteral("Out of Memory\n (Calc Object)")
                                                    : QStringLiteral("Out of Memory\n (Calc Object Vars)"));
            deleteLater();
        }
    }
}

// The stored topology is shown as if chosen; a new user sees the start topology with
// the program's start-up text.
void MainWindow::restore(const WindowSettings& settings)
{
    inputMemory = settings.inputMemory;
    if (radiansButton != nullptr)
        radiansButton->setChecked(settings.radians);
    if (settings.topologyNumber) {
        topologyButtons->button(*settings.topologyNumber)->setChecked(true);
        showTopology(*settings.topologyNumber);
    } else {
        showTopology(program.topologies.front().number);
        if (program.startupText != nullptr)
            resultPanel->setPlainText(QString::fromUtf8(program.startupText));
    }
    moreDigitsAction->setChecked(settings.moreDigits);
    format = program.numberFormat(settings.moreDigits);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    rememberInputs();
    WindowSettings settings;
    settings.inputMemory = inputMemory;
    settings.topologyNumber = checkedTopologyNumber();
    settings.moreDigits = moreDigitsAction->isChecked();
    settings.radians = radiansButton != nullptr && radiansButton->isChecked();
    saveWindowSettings(program, settings);
    QMainWindow::closeEvent(event);
}

// Closing the window moves the focus out of a line edit; its editingFinished must not
// reach members that are already destroyed.
MainWindow::~MainWindow()
{
    for (QLineEdit* edit : lineEdits)
        edit->disconnect(this);
}

void MainWindow::buildForm()
{
    setObjectName(QStringLiteral("MainWindowClass"));
    resize(windowSize);
    setFixedSize(windowSize);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setLocale(QLocale(QLocale::English, QLocale::UnitedStates));

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    setCentralWidget(central);

    buildTopologyGroup();
    buildAngleGroup();
    buildInputFrame();
    buildPictures();

    goButton = new QPushButton(QStringLiteral("GO"), central);
    goButton->setObjectName(QStringLiteral("pbGo"));
    goButton->setGeometry(program.layout.goButton);
    goButton->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    connect(goButton, &QPushButton::clicked, this, &MainWindow::on_pbGo_clicked);

    buildResultPanel();

    QWidget* previous = nullptr;
    auto chain = [&previous](QWidget* next) {
        if (previous != nullptr)
            setTabOrder(previous, next);
        previous = next;
    };
    for (QAbstractButton* button : topologyButtons->buttons())
        chain(button);
    for (QLineEdit* edit : lineEdits)
        chain(edit);
    chain(goButton);
    chain(resultPanel);
}

void MainWindow::buildTopologyGroup()
{
    auto* group = new QGroupBox(QString::fromUtf8(program.groupTitle), centralWidget());
    group->setObjectName(QStringLiteral("groupBox"));
    group->setGeometry(program.layout.groupBox);
    group->setFont(formFont(program.layout.groupFont));
    group->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto* layout = new QVBoxLayout(group);
    layout->setObjectName(QStringLiteral("verticalLayout"));
    layout->setSpacing(program.layout.groupSpacing);
    layout->setContentsMargins(8, 1, 0, 6);

    topologyButtons = new QButtonGroup(this);
    for (const Topology& topology : program.topologies) {
        auto* button = new QRadioButton(QString::fromUtf8(topology.buttonText), group);
        button->setObjectName(numbered("radioButton_", topology.number));
        layout->addWidget(button);
        topologyButtons->addButton(button, topology.number);
    }
    topologyButtons->buttons().front()->setChecked(true);
    connect(topologyButtons, &QButtonGroup::idClicked, this, &MainWindow::showTopology);
}

// kalvo-xy's Deg/Rad choice: read at GO time; changing it clears the report, which
// no longer matches the choice.
void MainWindow::buildAngleGroup()
{
    if (program.layout.angleGroup.isNull())
        return;
    auto* group = new QGroupBox(QStringLiteral("Angle"), centralWidget());
    group->setObjectName(QStringLiteral("groupBox_2"));
    group->setGeometry(program.layout.angleGroup);
    group->setFont(formFont(program.layout.groupFont));
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(8, 1, 0, 6);
    const int first = program.highestTopologyNumber() + 1;
    auto* degrees = new QRadioButton(QStringLiteral("Deg"), group);
    degrees->setObjectName(numbered("radioButton_", first));
    degrees->setChecked(true);
    radiansButton = new QRadioButton(QStringLiteral("Rad"), group);
    radiansButton->setObjectName(numbered("radioButton_", first + 1));
    layout->addWidget(degrees);
    layout->addWidget(radiansButton);
    layout->addStretch();
    connect(radiansButton, &QRadioButton::toggled, this, [this] { resultPanel->clear(); });
}

void MainWindow::buildInputFrame()
{
    auto* frame = new QFrame(centralWidget());
    frame->setObjectName(QStringLiteral("frame"));
    frame->setGeometry(program.layout.frame);
    frame->setFont(formFont("Sans Serif"));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setMidLineWidth(4);

    auto* form = new QFormLayout(frame);
    form->setObjectName(QStringLiteral("formLayout"));
    form->setSpacing(6);
    form->setContentsMargins(11, 11, 11, 6);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignTop);
    form->setHorizontalSpacing(6);
    form->setVerticalSpacing(8);

    // kalvo-xy, whose GO turns empty fields into "0", reads the others strictly and
    // answers "Input Failure!"; the other programs read a text that is no number as 0.
    const bool strict = program.emptyInputsBecomeZero;
    const ReadsCompletely reads = strict ? readsAsDouble : readsAsDoubleOrInfinity;
    const QString tooltip = strict
        ? QStringLiteral("Not a number: a function using this field answers \"Input Failure!\"")
        : QStringLiteral("Not a number: this field is read as 0");
    for (int n = 1; n <= program.layout.inputRows; ++n) {
        auto* label = new QLabel(QStringLiteral("TextLabel"), frame);
        label->setObjectName(numbered("label_", n));
        auto* edit = new QLineEdit(frame);
        edit->setObjectName(numbered("lineEdit_", n));
        form->addRow(label, edit);
        labels.push_back(label);
        lineEdits.push_back(edit);
        if (n <= program.rememberedFields)
            connect(edit, &QLineEdit::editingFinished, this, &MainWindow::rememberInputs);
        markUnreadableInput(
            edit, [this, n, reads](const QString& text) { return checkedTopology().isFormulaField(n) || reads(text); },
            tooltip);
    }
    form->addItem(new QSpacerItem(20, 0, QSizePolicy::Minimum, QSizePolicy::Expanding));
}

void MainWindow::buildPictures()
{
    for (int n = 1; n <= program.layout.pictureLabels; ++n) {
        auto* picture = new QLabel(centralWidget());
        picture->setObjectName(numbered("label_pic", n));
        picture->setGeometry(pictureGeometry);
        picture->setFrameShape(QFrame::StyledPanel);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->hide();
        pictureLabels.push_back(picture);
    }
}

void MainWindow::buildResultPanel()
{
    resultPanel = place<QPlainTextEdit>(centralWidget(), "TextEditOut", resultGeometry);
    setUpResultPanel(resultPanel);
    resultPanel->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(resultPanel, &QPlainTextEdit::customContextMenuRequested, this,
            &MainWindow::on_TextEditOut_customContextMenuRequested);
}

void MainWindow::createShortcuts()
{
    auto* enter = new QShortcut(QKeySequence(Qt::Key_Enter), this);
    connect(enter, &QShortcut::activated, this, &MainWindow::on_pbGo_clicked);
    auto* ret = new QShortcut(QKeySequence(Qt::Key_Return), this);
    connect(ret, &QShortcut::activated, this, &MainWindow::on_pbGo_clicked);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, &MainWindow::on_help);
}

// Description, remembered inputs, picture, visible rows and labels of radioButton_N,
// in that order; runs on every click, also of the checked button. A topology without
// a description (kalvo-xy) clears the panel: a report of other inputs no longer applies.
void MainWindow::showTopology(int buttonNumber)
{
    const Topology* topology = program.topologyByNumber(buttonNumber);
    if (topology == nullptr)
        return;
    resultPanel->setPlainText(topology->description != nullptr ? QString::fromUtf8(topology->description) : QString());
    const auto& remembered = inputMemory[buttonNumber - 1];
    for (int row = 0; row < program.rememberedFields; ++row)
        lineEdits[row]->setText(remembered[row]);
    showPicture(topology->picture);
    for (size_t row = 0; row < labels.size(); ++row)
        labels[row]->setVisible(static_cast<int>(row) < topology->visibleInputs);
    for (size_t row = 0; row < lineEdits.size(); ++row)
        lineEdits[row]->setVisible(static_cast<int>(row) < topology->visibleInputs);
    for (size_t row = 0; row < labels.size(); ++row)
        if (topology->labels[row] != nullptr)
            labels[row]->setText(QString::fromUtf8(topology->labels[row]));
    describeFields(*topology);
    if (analysis != nullptr)
        analysis->inputsChanged();
}

// Screen readers announce a field by its label and unit ("w, mm"); whether a text is
// a number can depend on the topology (a formula field).
void MainWindow::describeFields(const Topology& topology)
{
    for (size_t row = 0; row < lineEdits.size(); ++row) {
        const int n = static_cast<int>(row) + 1;
        const QString unit = QString::fromUtf8(topology.unit(n).shown);
        const QString label = topology.fieldLabel(n);
        lineEdits[row]->setAccessibleName(unit.isEmpty() || label.isEmpty() ? label
                                                                            : label + QStringLiteral(", ") + unit);
        recheckUnreadableInput(lineEdits[row]);
    }
}

// Only the visible picture is rendered, the first time it is shown. Its viewBox is the
// label's size, so it is drawn unscaled (crisp, and its text is not transformed), the
// label's frame covering the outermost pixels.
void MainWindow::showPicture(int picture)
{
    for (size_t i = 0; i < pictureLabels.size(); ++i) {
        QLabel* label = pictureLabels[i];
        const bool shown = static_cast<int>(i) + 1 == picture;
        if (shown && label->pixmap().isNull()) {
            const qreal ratio = devicePixelRatioF();
            const QRect contents = label->contentsRect();
            QPixmap pixmap(contents.size() * ratio);
            pixmap.setDevicePixelRatio(ratio);
            pixmap.fill(Qt::white);
            QPainter painter(&pixmap);
            QSvgRenderer renderer(QLatin1String(program.picturePrefix) + QString::number(picture)
                                  + QLatin1String(".svg"));
            renderer.render(&painter, QRectF(-contents.topLeft(), QSizeF(label->size())));
            painter.end();
            label->setPixmap(pixmap);
        }
        label->setVisible(shown);
    }
}

// Texts typed so far belong to the topology that is checked while they are typed.
void MainWindow::rememberInputs()
{
    auto& remembered = inputMemory[checkedTopologyNumber() - 1];
    for (int row = 0; row < program.rememberedFields; ++row)
        remembered[row] = lineEdits[row]->text();
}

int MainWindow::checkedTopologyNumber() const
{
    const int id = topologyButtons->checkedId();
    return id > 0 ? id : program.topologies.front().number;
}

const Topology& MainWindow::checkedTopology() const
{
    return *program.topologyByNumber(checkedTopologyNumber());
}

QStringList MainWindow::inputTexts() const
{
    QStringList texts;
    for (const QLineEdit* edit : lineEdits)
        texts.append(edit->text());
    return texts;
}

void MainWindow::on_pbGo_clicked()
{
    if (program.emptyInputsBecomeZero) {
        for (QLineEdit* edit : lineEdits) {
            if (edit->text().isEmpty()) {
                edit->setText(QStringLiteral("0"));
                rememberInputs();
            }
        }
    }
    const Topology& topology = checkedTopology();
    if (topology.report == nullptr)
        return;
    CalculationInput input = currentInput();
    input.engine = engine.get();
    resultPanel->setPlainText(topology.report(input).text);
    analysis->inputsChanged();
}

CalculationInput MainWindow::currentInput() const
{
    CalculationInput input;
    input.texts = inputTexts();
    input.format = format;
    input.radians = radiansButton != nullptr && radiansButton->isChecked();
    input.topology = &checkedTopology();
    return input;
}

// A solved value goes into its field as if typed, is remembered, and GO runs.
void MainWindow::enterSolvedValue(int field, const QString& text)
{
    lineEdits[static_cast<size_t>(field - 1)]->setText(text);
    rememberInputs();
    on_pbGo_clicked();
}

void MainWindow::on_help()
{
    openHelpDocument(this);
}

void MainWindow::SetPrecision()
{
    format = program.numberFormat(moreDigitsAction->isChecked());
    on_pbGo_clicked();
}

QMenu* MainWindow::createResultMenu()
{
    QMenu* menu = resultPanel->createStandardContextMenu();
    menu->addSeparator();
    menu->addAction(analysis->solveAction());
    menu->addAction(analysis->plotAction());
    if (checkedTopology().fieldCheck != nullptr)
        menu->addAction(analysis->fieldCheckAction());
    menu->addAction(moreDigitsAction);
    return menu;
}

void MainWindow::on_TextEditOut_customContextMenuRequested(const QPoint& pos)
{
    QMenu* menu = createResultMenu();
    menu->exec(resultPanel->viewport()->mapToGlobal(pos));
    delete menu;
}

QString MainWindow::rememberedText(int buttonNumber, int row) const
{
    return inputMemory.at(static_cast<size_t>(buttonNumber - 1)).at(static_cast<size_t>(row));
}

int runCalculatorProgram(int argc, char** argv, const Program& program)
{
    return runApplication(argc, argv, QString::fromUtf8(program.iconResource),
                          [&program] { return std::make_unique<MainWindow>(program); });
}

} // namespace kalvo
