#include "data_file.h"
#include "fit_plot_window.h"
#include "help_document_check.h"
#include "input_feedback.h"
#include "modal_answer.h"
#include "mtable_widget.h"
#include "stat_settings.h"
#include "stat_window.h"

#include <QDrag>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <qcustomplot.h>

#include <QMenu>
#include <QtTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace kalvo {

using test::ShownBox;
using test::ShownFileDialog;

// A Unix socket bound at path (the file exists, but opening it fails); -1 on failure.
int bindUnixSocket(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.size() >= static_cast<qsizetype>(sizeof address.sun_path))
        return -1;
    std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
    const int handle = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (handle >= 0 && ::bind(handle, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(handle);
        return -1;
    }
    return handle;
}

// Records the text of the drags started from a widget: a drag may be deleted as soon
// as it is over, so it is read when it is created (as a child of its source) and
// again just before it is deleted.
class DragWatcher : public QObject {
public:
    explicit DragWatcher(QObject* source)
        : source(source)
    {
        source->installEventFilter(this);
    }
    ~DragWatcher() override { source->removeEventFilter(this); }

    QString text() const
    {
        if (const QDrag* drag = source->findChild<QDrag*>(); drag != nullptr && drag->mimeData() != nullptr)
            return drag->mimeData()->text();
        return dragged;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == source && event->type() == QEvent::ChildAdded)
            static_cast<QChildEvent*>(event)->child()->installEventFilter(this);
        const auto* drag = qobject_cast<QDrag*>(watched);
        if (drag != nullptr && event->type() == QEvent::DeferredDelete && drag->mimeData() != nullptr)
            dragged = drag->mimeData()->text();
        return false;
    }

private:
    QObject* source;
    QString dragged = QStringLiteral("<no drag>");
};

class StatWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void startsEmptyInAFixedWindow();
    void addAppendsTheTypedPairAndSelectsIt();
    void plotShowsTheLastFitWithItsResiduals();
    void deleteRenumbersAndSelectsTheRowAbove();
    void insertPutsThePairAtTheCurrentRow();
    void insertOutsideOriginalOrderOnlyWarns();
    void returnOnGoRunsTheEvaluationInstead();
    void deleteListAsksFirst();
    void sortingByFailureUsesTheAbsoluteResidual();
    void evaluationsKeepTheTableInItsSortOrder();
    void histogramStandsInPlaceOfTheTable();
    void binKeysStayWithinTheirLimits();
    void listButtonsRestWhileTheHistogramIsShown();
    void equalValuesFillTheFirstBar();
    void reportSavedAndLoadedAgain();
    void fullListRefusesAddAndLoad();
    void fileProblemsAreShown();
    void inputLineMarksTextWithoutANumberFirst_data();
    void inputLineMarksTextWithoutANumberFirst();
    void dataFilesSkipCommentsAndReadSpreadsheetRows();
    void closingAChangedListAsksToSave_data();
    void closingAChangedListAsksToSave();
    void closingAnUnchangedListAsksNothing();
    void aFailedSaveKeepsTheOldReportAndTheQuestion();
    void deleteKeyDeletesTheCurrentEntry();
    void returnOnAFocusedButtonActivatesIt();
    void histoWithTooFewEntriesEmptiesTheView();
    void choicesAreRememberedBetweenRuns();
    void unreadableSettingsGiveTheStart_data();
    void unreadableSettingsGiveTheStart();
    void dragStartsAfterTheStartDragDistance();
    void noDragForAShortMoveOrWithoutACell();
    void f1HandsTheHelpDocumentToTheDesktop();

private:
    template <typename T>
    T* child(const char* name) const
    {
        T* widget = window->findChild<T*>(QLatin1String(name));
        if (widget == nullptr)
            qFatal("no widget %s", name);
        return widget;
    }
    MTableWidget* table() const { return child<MTableWidget>("tableWidget_1"); }
    QLineEdit* input() const { return child<QLineEdit>("lineEdit_1"); }
    QString panelText() const { return child<QPlainTextEdit>("TextEditOut_1")->toPlainText(); }
    void click(const char* name) { child<QAbstractButton>(name)->click(); }
    void clickRadio(const char* name)
    {
        QRadioButton* radio = child<QRadioButton>(name);
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2));
    }
    void add(const QString& text)
    {
        QLineEdit* edit = child<QLineEdit>("lineEdit_1");
        edit->setFocus();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    QString cell(int row, int column) const
    {
        const QTableWidgetItem* item = table()->item(row, column);
        return item == nullptr ? QStringLiteral("<none>") : item->text();
    }
    QStringList column(int c) const
    {
        QStringList texts;
        for (int row = 0; row < table()->rowCount(); ++row)
            texts.append(cell(row, c));
        return texts;
    }
    int selectedRow() const
    {
        const QList<QTableWidgetSelectionRange> ranges = table()->selectedRanges();
        return ranges.isEmpty() ? -1 : ranges.front().topRow();
    }
    void chooseRow(int row) { table()->setCurrentCell(row, 0); }
    QString writeFile(const QString& name, const QByteArray& content)
    {
        const QString path = directory.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    void load(const QString& path)
    {
        ShownFileDialog dialog;
        test::answerFileDialog(window.get(), dialog, path);
        click("pbLoad");
        QVERIFY(dialog.shown);
        reactivate();
    }
    // Offscreen, nothing activates the window again after a modal dialog.
    void reactivate()
    {
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    QList<QGraphicsRectItem*> bars() const
    {
        QList<QGraphicsRectItem*> rects;
        const QGraphicsScene* scene = child<QGraphicsView>("graphicsView")->scene();
        if (scene == nullptr)
            return rects;
        for (QGraphicsItem* item : scene->items(Qt::AscendingOrder))
            if (auto* rect = qgraphicsitem_cast<QGraphicsRectItem*>(item))
                rects.append(rect);
        return rects;
    }
    // Presses the left button on a cell, moves by distance and returns the text of
    // the drag that started, or "<no drag>"; the drag is ended by a release.
    QString dragFromCell(int row, int column, int distance);

    std::unique_ptr<stat::MainWindow> window;
    QTemporaryDir home;
    QTemporaryDir directory;
};

// The file dialogs start in the home directory and look into its files, and the
// settings live below it: keep them away from whatever the real one holds.
void StatWindowTest::initTestCase()
{
    QVERIFY(home.isValid());
    qputenv("HOME", QFile::encodeName(home.path()));
    QCOMPARE(QDir::homePath(), QDir(home.path()).canonicalPath());
    QStandardPaths::setTestModeEnabled(true);
}

// Every test starts as a new user.
void StatWindowTest::init()
{
    QDir(statSettingsFile()).removeRecursively(); // in case a test left a directory there
    QFile::remove(statSettingsFile());
    window = std::make_unique<stat::MainWindow>();
    window->show();
    reactivate();
}

void StatWindowTest::cleanup()
{
    window.reset();
}

void StatWindowTest::startsEmptyInAFixedWindow()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("Stat Kalvo 2.0"));
    QVERIFY(!QIcon(QStringLiteral(":/pic/LogoMini.svg")).pixmap(32).isNull());
    QCOMPARE(window->minimumSize(), QSize(790, 480));
    QCOMPARE(window->maximumSize(), QSize(790, 480));
    QVERIFY(child<QRadioButton>("radioButton_1")->isChecked());
    QVERIFY(child<QRadioButton>("radioButton_7")->isChecked());
    QCOMPARE(child<QRadioButton>("radioButton_7")->text(), QStringLiteral("One Var 1 "));
    QCOMPARE(child<QRadioButton>("radioButton_6")->text(), QStringLiteral("Y=a*e^b*x"));
    QCOMPARE(child<QLabel>("label_1")->text(), QStringLiteral(" Input: Xi Yi  (Separate with Space) "));
    QCOMPARE(panelText(), QStringLiteral("Welcome to Stat Kalvo"));
    QVERIFY(child<QLineEdit>("lineEdit_1")->hasFocus());
    QVERIFY(table()->isVisible());
    QVERIFY(!child<QGraphicsView>("graphicsView")->isVisible());
    QCOMPARE(table()->geometry(), QRect(240, 10, 541, 251));
    QCOMPARE(child<QGraphicsView>("graphicsView")->geometry(), QRect(240, 10, 541, 261));
    QCOMPARE(child<QPushButton>("pbGo")->geometry(), QRect(130, 180, 91, 71));
    QStringList headers;
    for (int c = 0; c < table()->columnCount(); ++c)
        headers.append(table()->horizontalHeaderItem(c)->text());
    QCOMPARE(headers, (QStringList{"Xi", "Yi", "Failure^2", "Failure", "Failure %", "Nr."}));
    QCOMPARE(table()->columnWidth(0), 90);
    QCOMPARE(table()->horizontalHeader()->height(), 23);
    QCOMPARE(table()->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(table()->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(!table()->verticalHeader()->isVisible());
}

void StatWindowTest::plotShowsTheLastFitWithItsResiduals()
{
    add(QStringLiteral("1 3"));
    add(QStringLiteral("2 5"));
    add(QStringLiteral("3 7.5"));
    std::unique_ptr<QMenu> before(window->createResultMenu());
    QVERIFY(!before->actions().last()->isEnabled()); // nothing fitted yet
    clickRadio("radioButton_8"); // Y=a*x+b
    click("pbGo");
    std::unique_ptr<QMenu> menu(window->createResultMenu());
    QAction* plot = menu->actions().last();
    QCOMPARE(plot->text(), QStringLiteral("Plot"));
    QVERIFY(plot->isEnabled());
    plot->trigger();
    FitPlotWindow* fit = window->fitPlotWindow();
    QVERIFY(fit != nullptr && fit->isVisible());
    QCustomPlot* chart = fit->plot();
    QCOMPARE(chart->graphCount(), 3); // data, fitted line, residuals
    QCOMPARE(chart->graph(1)->name(), QStringLiteral("Y = 2.25*x + 0.666667"));
    // Least squares through (1, 3), (2, 5), (3, 7.5): Y = 2.25 x + 2/3; residuals 1/12, -1/6, 1/12.
    const QCPGraph* residuals = chart->graph(2);
    QCOMPARE(residuals->dataCount(), 3);
    QVERIFY(std::abs(residuals->data()->at(0)->value - 1.0 / 12.0) < 1e-12);
    QVERIFY(std::abs(residuals->data()->at(1)->value + 1.0 / 6.0) < 1e-12);
    QVERIFY(fit->dataTable().startsWith(QStringLiteral("X\tY\tfit\tY - fit\n1\t3\t")));
}

void StatWindowTest::addAppendsTheTypedPairAndSelectsIt()
{
    add(QStringLiteral("1.5 -2e3 ignored"));
    add(QString());
    add(QStringLiteral("1,5 7"));
    add(QStringLiteral("inf nan"));
    QCOMPARE(column(0), (QStringList{"1.5", "0", "1", "inf"}));
    QCOMPARE(column(1), (QStringList{"-2000", "0", "0", "nan"}));
    QCOMPARE(column(4), (QStringList{"0%", "0%", "0%", "0%"}));
    QCOMPARE(column(5), (QStringList{"1", "2", "3", "4"}));
    QCOMPARE(selectedRow(), 3);
    QCOMPARE(table()->rowHeight(0), 20);
    QCOMPARE(child<QLineEdit>("lineEdit_1")->text(), QString());
    QVERIFY(child<QLineEdit>("lineEdit_1")->hasFocus());

    // Sorted by X the new pair goes where it belongs; the last row is selected anyway.
    clickRadio("radioButton_2");
    add(QStringLiteral("-1 0"));
    QCOMPARE(column(0), (QStringList{"-1", "0", "1", "1.5", "inf"}));
    QCOMPARE(selectedRow(), 0);
    QCOMPARE(table()->currentRow(), 0);
    add(QStringLiteral("1.2 0"));
    QCOMPARE(selectedRow(), 3);
    click("pbDel"); // removes what is highlighted
    QCOMPARE(column(0), (QStringList{"-1", "0", "1", "1.5", "inf"}));
}

void StatWindowTest::deleteRenumbersAndSelectsTheRowAbove()
{
    add(QStringLiteral("1 2"));
    add(QStringLiteral("3 4"));
    add(QStringLiteral("5 6"));
    chooseRow(1);
    click("pbDel");
    QCOMPARE(column(0), (QStringList{"1", "5"}));
    QCOMPARE(column(1), (QStringList{"2", "6"}));
    QCOMPARE(column(5), (QStringList{"1", "2"}));
    QCOMPARE(selectedRow(), 0);

    chooseRow(0);
    click("pbDel");
    QCOMPARE(column(0), (QStringList{"5"}));
    QCOMPARE(selectedRow(), -1);
    click("pbDel"); // no current row: nothing happens
    QCOMPARE(table()->rowCount(), 1);
    chooseRow(0);
    click("pbDel");
    QCOMPARE(table()->rowCount(), 0);
    QCOMPARE(panelText(), QString());
}

void StatWindowTest::insertPutsThePairAtTheCurrentRow()
{
    add(QStringLiteral("1 1"));
    add(QStringLiteral("2 2"));
    chooseRow(0);
    QTest::keyClicks(child<QLineEdit>("lineEdit_1"), QStringLiteral("9 8"));
    click("pbInsert");
    QCOMPARE(column(0), (QStringList{"9", "1", "2"}));
    QCOMPARE(column(5), (QStringList{"1", "2", "3"}));
    QCOMPARE(selectedRow(), 0);
    QCOMPARE(child<QLineEdit>("lineEdit_1")->text(), QString());
    QCOMPARE(panelText(), QString());
}

void StatWindowTest::insertOutsideOriginalOrderOnlyWarns()
{
    add(QStringLiteral("1 1"));
    clickRadio("radioButton_4");
    chooseRow(0);
    ShownBox box;
    test::answerMessageBox(window.get(), box, QMessageBox::Ok);
    click("pbInsert");
    QVERIFY(box.shown);
    QCOMPARE(box.title, QStringLiteral("Stat Kalvo Warning"));
    QCOMPARE(box.text, QStringLiteral("Insert data only in \"Original\" sort mode!"));
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(table()->rowCount(), 1);
}

void StatWindowTest::returnOnGoRunsTheEvaluationInstead()
{
    add(QStringLiteral("1 0"));
    add(QStringLiteral("2 0"));
    child<QPushButton>("pbGo")->setFocus();
    QTest::keyClick(child<QPushButton>("pbGo"), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(table()->rowCount(), 2);
    QVERIFY(panelText().startsWith(QLatin1String("Statistics for X:")));
}

void StatWindowTest::deleteListAsksFirst()
{
    add(QStringLiteral("1 1"));
    ShownBox box;
    test::answerMessageBox(window.get(), box, QMessageBox::No);
    click("pbDelList");
    QCOMPARE(box.title, QStringLiteral("Stat Kalvo Warning"));
    QCOMPARE(box.text, QStringLiteral("Delete FULL List?"));
    QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.defaultButton, QMessageBox::No);
    QCOMPARE(table()->rowCount(), 1);

    ShownBox yes;
    test::answerMessageBox(window.get(), yes, QMessageBox::Yes);
    click("pbDelList");
    QVERIFY(yes.shown);
    QCOMPARE(table()->rowCount(), 0);
    QCOMPARE(window->list().count(), 0);
    QCOMPARE(panelText(), QString());
    reactivate();
    QVERIFY(child<QLineEdit>("lineEdit_1")->hasFocus());
}

void StatWindowTest::sortingByFailureUsesTheAbsoluteResidual()
{
    for (const char* pair : {"0 0", "1 2", "2 2", "3 -4"})
        add(QString::fromLatin1(pair));
    clickRadio("radioButton_8");
    QVERIFY(panelText().startsWith(QLatin1String("Least squares fit for  Y = a * X + b \n")));
    clickRadio("radioButton_3");
    // The line is Y = -1.2 X + 1.8: residuals -1.8, 1.4, 2.6 and -2.2.
    QCOMPARE(column(5), (QStringList{"2", "1", "4", "3"}));
    clickRadio("radioButton_1");
    QCOMPARE(column(5), (QStringList{"1", "2", "3", "4"}));
}

void StatWindowTest::evaluationsKeepTheTableInItsSortOrder()
{
    for (const char* pair : {"3 0", "1 5", "2 4"})
        add(QString::fromLatin1(pair));
    clickRadio("radioButton_4"); // by Y
    QCOMPARE(column(0), (QStringList{"3", "2", "1"}));
    clickRadio("radioButton_9");
    QVERIFY(panelText().startsWith(QLatin1String("If distribution of X is Gaussian and N=3:")));
    QCOMPARE(column(0), (QStringList{"3", "2", "1"}));
    add(QStringLiteral("7 7"));
    click("pbGo");
    QVERIFY(panelText().contains(QLatin1String("N=4:")));
    clickRadio("radioButton_10");
    QVERIFY(panelText().startsWith(QLatin1String("Least squares fit for  Y = a*X^2 + b*X + c")));
    QCOMPARE(column(1), (QStringList{"0", "4", "5", "7"}));
}

void StatWindowTest::histogramStandsInPlaceOfTheTable()
{
    for (int x = 10; x >= 0; --x)
        add(QString::number(x));
    clickRadio("radioButton_11");
    QGraphicsView* view = child<QGraphicsView>("graphicsView");
    QVERIFY(view->isVisible());
    QVERIFY(!table()->isVisible());
    QVERIFY(panelText().startsWith(QLatin1String("Histogramm for X:\n\nXmin\t\t= 0\nXmax\t\t= 10\nN\t\t= 11\n")));
    const QList<QGraphicsRectItem*> rects = bars();
    QCOMPARE(rects.size(), 10);
    const double xScale = (541 - 5) / 10.0;
    const QRectF tallest = rects[9]->rect();
    QCOMPARE(tallest.bottom(), 0.0);
    QCOMPARE(rects[0]->rect(), QRectF(0, tallest.top() / 2, xScale, tallest.height() / 2));
    QCOMPARE(rects[9]->rect().left(), 9 * xScale);
    // Bars and labels fit the view: nothing is cut off.
    QVERIFY(tallest.height() > 200);
    QVERIFY(view->scene()->itemsBoundingRect().height() <= view->viewport()->height());
    QVERIFY(view->scene()->itemsBoundingRect().width() <= view->viewport()->width());
    QCOMPARE(rects[0]->toolTip(), QStringLiteral("0...1\n1 Xi inside"));
    QCOMPARE(rects[0]->cursor().shape(), Qt::CrossCursor);
    QCOMPARE(rects[0]->brush().color(), QColor(Qt::red));
    QStringList labels;
    for (QGraphicsItem* item : view->scene()->items(Qt::AscendingOrder))
        if (auto* text = qgraphicsitem_cast<QGraphicsTextItem*>(item))
            labels.append(text->toPlainText());
    QCOMPARE(labels, (QStringList{"0", "10"}));

    // Back to the table: it shows the list in its sort order again.
    clickRadio("radioButton_7");
    QVERIFY(table()->isVisible());
    QVERIFY(!view->isVisible());
    QCOMPARE(column(0).first(), QStringLiteral("10"));
}

void StatWindowTest::binKeysStayWithinTheirLimits()
{
    add(QStringLiteral("0"));
    add(QStringLiteral("10"));
    QTest::keyClick(window.get(), Qt::Key_F12); // the table is shown: nothing
    QCOMPARE(window->histogramBins(), 10);
    clickRadio("radioButton_11");
    QTest::keyClick(window.get(), Qt::Key_F12);
    QCOMPARE(window->histogramBins(), 11);
    QCOMPARE(bars().size(), 11);
    QVERIFY(panelText().contains(QLatin1String("Number of Bins\t= 11\n")));
    for (int i = 0; i < 20; ++i)
        QTest::keyClick(window.get(), Qt::Key_F11);
    QCOMPARE(window->histogramBins(), 3);
    QCOMPARE(bars().size(), 3);
    for (int i = 0; i < 260; ++i)
        QTest::keyClick(window.get(), Qt::Key_F12);
    QCOMPARE(window->histogramBins(), 250);
    QCOMPARE(bars().size(), 250);
}

void StatWindowTest::listButtonsRestWhileTheHistogramIsShown()
{
    add(QStringLiteral("5 1"));
    add(QStringLiteral("3 2"));
    clickRadio("radioButton_11");
    add(QStringLiteral("9 9"));
    click("pbDel");
    click("pbInsert");
    click("pbDelList"); // would ask; nothing happens instead
    QCOMPARE(window->list().count(), 2);
    QCOMPARE(window->list().at(0).x, 3.0); // sorted by X while the histogram is shown

    // Load appends without touching the hidden table; leaving the view refreshes it.
    load(writeFile(QStringLiteral("more.txt"), "3 0\n"));
    QCOMPARE(window->list().count(), 3);
    QCOMPARE(table()->rowCount(), 2);
    QTest::keyClick(window.get(), Qt::Key_F11);
    QVERIFY(bars().first()->toolTip().endsWith(QLatin1String("\n2 Xi inside")));
    clickRadio("radioButton_8");
    QCOMPARE(column(0), (QStringList{"5", "3", "3"}));
}

void StatWindowTest::equalValuesFillTheFirstBar()
{
    add(QStringLiteral("4 1"));
    add(QStringLiteral("4 2"));
    clickRadio("radioButton_11");
    QVERIFY(
        panelText().endsWith(QLatin1String("\n\nAll Xi are equal (Binwith 0): every Xi is counted in the first bin.")));
    const QList<QGraphicsRectItem*> rects = bars();
    QCOMPARE(rects.size(), 10);
    QCOMPARE(rects[0]->toolTip(), QStringLiteral("4...4\n2 Xi inside"));
    QVERIFY(rects[0]->rect().height() > 200);
    QCOMPARE(rects[1]->rect().height(), 0.0);
}

void StatWindowTest::reportSavedAndLoadedAgain()
{
    for (const char* pair : {"0 0", "1 2", "2 2"})
        add(QString::fromLatin1(pair));
    clickRadio("radioButton_8");
    const QString result = panelText();
    const QString path = directory.filePath(QStringLiteral("Bericht \u00fcber \u6e2c\u5b9a.txt"));

    ShownFileDialog saveDialog;
    test::answerFileDialog(window.get(), saveDialog, path);
    click("pbSave");
    QCOMPARE(saveDialog.caption, QStringLiteral("Save Report"));
    QCOMPARE(saveDialog.nameFilters, QStringList{QStringLiteral("Text files (*.txt)")});
    QCOMPARE(saveDialog.startFile, QDir::homePath() + QStringLiteral("/Report.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    QVERIFY(written.startsWith("0\t0\t0.111111\t-0.333333\t-inf%\t1\n1\t2\t0.444444\t0.666667\t33.3333%\t2\n"));
    QVERIFY(written.endsWith("END\nX\tY\tFailure^2\tFailure\tFailure%\tNumber\n\n" + result.toLatin1()));

    ShownFileDialog cancelled;
    test::answerFileDialog(window.get(), cancelled, QString());
    click("pbSave");
    QCOMPARE(cancelled.startFile, path); // the path is remembered

    ShownBox no;
    test::answerMessageBox(window.get(), no, QMessageBox::Yes);
    click("pbDelList");
    ShownFileDialog loadDialog;
    test::answerFileDialog(window.get(), loadDialog, path);
    click("pbLoad");
    QCOMPARE(loadDialog.caption, QStringLiteral("Load and append Data"));
    QCOMPARE(loadDialog.directory, QDir::homePath());
    QCOMPARE(loadDialog.nameFilters, (QStringList{"Text files (*.txt)", "All files (*)"}));
    QCOMPARE(column(0), (QStringList{"0", "1", "2"}));
    QCOMPARE(column(1), (QStringList{"0", "2", "2"}));
    QCOMPARE(column(3), (QStringList{"0", "0", "0"}));
    QCOMPARE(
        panelText(),
        dataFormatHelp()
            + QStringLiteral("\n\nPairs loaded: 3\nLines skipped (blank, # comment or no number at the start): 0"));

    click("pbGo");
    const QString evaluated = panelText();
    ShownFileDialog again;
    test::answerFileDialog(window.get(), again, QString());
    click("pbLoad");
    QCOMPARE(again.startFile, path);
    QCOMPARE(table()->rowCount(), 3); // cancelled: nothing appended, the panel as it was
    QCOMPARE(panelText(), evaluated);
}

void StatWindowTest::fullListRefusesAddAndLoad()
{
    QByteArray data;
    for (int i = 0; i < 1025; ++i)
        data += QByteArray::number(i) + "\t1\n";
    {
        QObject watch; // answers a box only while it lives
        ShownBox fits;
        test::answerMessageBox(&watch, fits, QMessageBox::Ok);
        load(writeFile(QStringLiteral("exact.txt"), data + "\nEND\n"));
        QVERIFY(!fits.shown);
        QCOMPARE(table()->rowCount(), 1025);
    }
    ShownBox yes;
    test::answerMessageBox(window.get(), yes, QMessageBox::Yes);
    click("pbDelList");
    reactivate();

    for (int i = 1025; i < 1030; ++i)
        data += QByteArray::number(i) + "\t1\n";
    const QString path = writeFile(QStringLiteral("big.txt"), data);
    ShownBox filled;
    test::answerMessageBox(window.get(), filled, QMessageBox::Ok);
    load(path);
    QCOMPARE(filled.title, QStringLiteral("Stat Kalvo Problem"));
    QCOMPARE(filled.text, QStringLiteral("Maxlist Reached!\nDid not load all Data!"));
    QCOMPARE(filled.icon, QMessageBox::Critical);
    QCOMPARE(table()->rowCount(), 1025);
    QCOMPARE(cell(1024, 5), QStringLiteral("1025"));

    ShownBox full;
    test::answerMessageBox(window.get(), full, QMessageBox::Ok);
    add(QStringLiteral("1 1"));
    QCOMPARE(full.text, QStringLiteral("Maxlist Reached!"));
    QCOMPARE(full.icon, QMessageBox::Critical);
    QCOMPARE(table()->rowCount(), 1025);
    QCOMPARE(input()->text(), QStringLiteral("1 1")); // kept for when there is room

    // Inserting into a full list changes nothing and says nothing.
    chooseRow(3);
    click("pbInsert");
    QCOMPARE(cell(3, 0), QStringLiteral("3"));
    QCOMPARE(selectedRow(), 3);
}

void StatWindowTest::fileProblemsAreShown()
{
    // A file cannot be a directory, not even for root.
    const QString unwritable = writeFile(QStringLiteral("plain.txt"), "x") + QStringLiteral("/report.txt");
    ShownFileDialog saveDialog;
    test::answerFileDialog(window.get(), saveDialog, unwritable);
    ShownBox saveProblem;
    test::answerMessageBox(window.get(), saveProblem, QMessageBox::Ok);
    click("pbSave");
    QVERIFY(saveProblem.shown);
    QCOMPARE(saveProblem.title, QStringLiteral("Stat Kalvo Problem"));
    QVERIFY2(saveProblem.text.startsWith(QStringLiteral("Cannot write the report file \"%1\": ").arg(unwritable)),
             qPrintable(saveProblem.text));

    // A socket exists but cannot be opened as a file, not even by root.
    const QString socket = directory.filePath(QStringLiteral("socket.txt"));
    const int socketHandle = bindUnixSocket(socket);
    QVERIFY(socketHandle >= 0);
    ShownBox loadProblem;
    test::answerMessageBox(window.get(), loadProblem, QMessageBox::Ok);
    load(socket);
    QVERIFY(loadProblem.shown);
    QCOMPARE(loadProblem.title, QStringLiteral("Stat Kalvo Problem"));
    QVERIFY2(loadProblem.text.startsWith(QStringLiteral("Cannot open the data file \"%1\": ").arg(socket)),
             qPrintable(loadProblem.text));
    QCOMPARE(table()->rowCount(), 0);
    ::close(socketHandle);
}

void StatWindowTest::inputLineMarksTextWithoutANumberFirst_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("marked");
    QTest::addRow("empty") << "" << false;
    QTest::addRow("pair") << "1.5 -2e3" << false;
    QTest::addRow("blanks before X") << "  7" << false;
    QTest::addRow("words after the numbers") << "3 volts" << false;
    QTest::addRow("infinity") << "inf 2" << false;
    QTest::addRow("word") << "volts" << true;
    QTest::addRow("blanks only") << "   " << true;
    QTest::addRow("comma first") << ",5 1" << true;
}

void StatWindowTest::inputLineMarksTextWithoutANumberFirst()
{
    QFETCH(QString, text);
    QFETCH(bool, marked);
    QCOMPARE(input()->accessibleName(), QStringLiteral("Input: Xi Yi (Separate with Space)"));
    QTest::keyClicks(input(), text);
    QCOMPARE(isMarkedUnreadable(input()), marked);
    QCOMPARE(!input()->toolTip().isEmpty(), marked);
}

void StatWindowTest::dataFilesSkipCommentsAndReadSpreadsheetRows()
{
    add(QStringLiteral("9 9"));
    load(writeFile(QStringLiteral("export.csv"), "Time;Voltage\n# bench 2\n\n0,5;1,25\n2;3\n1,7\r\nEND\n4;4\n"));
    QCOMPARE(column(0), (QStringList{"9", "0.5", "2", "1"}));
    QCOMPARE(column(1), (QStringList{"9", "1.25", "3", "7"}));
    QCOMPARE(column(5), (QStringList{"1", "2", "3", "4"}));
    QVERIFY2(panelText().endsWith(
                 QLatin1String("\n\nPairs loaded: 3\nLines skipped (blank, # comment or no number at the start): 3")),
             qPrintable(panelText()));
}

void StatWindowTest::closingAChangedListAsksToSave_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("reportName"); // typed into the save dialog; empty: Cancel
    QTest::addColumn<bool>("closed");
    QTest::addRow("Save") << int(QMessageBox::Save) << "closing.txt" << true;
    QTest::addRow("Save, then Cancel in the dialog") << int(QMessageBox::Save) << "" << false;
    QTest::addRow("Discard") << int(QMessageBox::Discard) << "" << true;
    QTest::addRow("Cancel") << int(QMessageBox::Cancel) << "" << false;
}

void StatWindowTest::closingAChangedListAsksToSave()
{
    QFETCH(int, answer);
    QFETCH(QString, reportName);
    QFETCH(bool, closed);
    add(QStringLiteral("1 2"));
    ShownBox question;
    test::answerMessageBox(window.get(), question, QMessageBox::StandardButton(answer));
    ShownFileDialog dialog;
    const QString path = reportName.isEmpty() ? QString() : directory.filePath(reportName);
    if (answer == QMessageBox::Save)
        test::answerFileDialog(window.get(), dialog, path);
    QCOMPARE(window->close(), closed);
    QCOMPARE(question.title, QStringLiteral("Stat Kalvo Warning"));
    QCOMPARE(question.text,
             QStringLiteral("The list has changed since it was last loaded or saved.\nSave the report?"));
    QCOMPARE(question.buttons, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    QCOMPARE(dialog.shown, answer == QMessageBox::Save);
    QCOMPARE(dialog.caption, answer == QMessageBox::Save ? QStringLiteral("Save Report") : QString());
    if (!path.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("1\t2\t0\t0\t0%\t1\nEND\n"));
    }
    QCOMPARE(window->isVisible(), !closed);
}

// The list holds nothing unsaved: at start, after Load, after Save Report, and once
// the user emptied it.
void StatWindowTest::closingAnUnchangedListAsksNothing()
{
    const auto closesWithoutAQuestion = [this] {
        QObject watch; // answers a box only while it lives
        ShownBox question;
        test::answerMessageBox(&watch, question, QMessageBox::Cancel);
        const bool closed = window->close();
        QVERIFY(!question.shown);
        QVERIFY(closed);
        window->show();
        reactivate();
    };
    closesWithoutAQuestion();
    load(writeFile(QStringLiteral("data.txt"), "1 2\n3 4\n"));
    closesWithoutAQuestion();

    add(QStringLiteral("5 6"));
    ShownFileDialog dialog;
    test::answerFileDialog(window.get(), dialog, directory.filePath(QStringLiteral("saved.txt")));
    click("pbSave");
    reactivate();
    closesWithoutAQuestion();

    add(QStringLiteral("7 8"));
    for (int row = 3; row >= 0; --row) {
        chooseRow(row);
        click("pbDel");
    }
    QCOMPARE(table()->rowCount(), 0);
    closesWithoutAQuestion();
}

// The name leaves no room for the temporary file the report is written to first.
void StatWindowTest::aFailedSaveKeepsTheOldReportAndTheQuestion()
{
    const QByteArray old = "old report\n";
    const QString path = writeFile(QString(250, QLatin1Char('r')), old);
    add(QStringLiteral("1 2"));
    ShownFileDialog dialog;
    test::answerFileDialog(window.get(), dialog, path);
    // The dialog asks whether to replace the file (Yes), then the save fails (Ok).
    QStringList boxes;
    test::whenModal<QMessageBox>(window.get(), [&boxes](QMessageBox* box) {
        boxes.append(box->text());
        box->button(box->button(QMessageBox::Yes) != nullptr ? QMessageBox::Yes : QMessageBox::Ok)->click();
        return boxes.size() == 2;
    });
    click("pbSave");
    QCOMPARE(boxes.size(), 2);
    QVERIFY2(boxes[1].startsWith(QStringLiteral("Cannot write the report file \"%1\": ").arg(path)),
             qPrintable(boxes[1]));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), old);
    reactivate();

    ShownBox question;
    test::answerMessageBox(window.get(), question, QMessageBox::Cancel);
    QVERIFY(!window->close());
    QVERIFY(question.shown);
}

void StatWindowTest::deleteKeyDeletesTheCurrentEntry()
{
    for (const char* pair : {"1 1", "2 2", "3 3"})
        add(QString::fromLatin1(pair));
    table()->setFocus();
    chooseRow(1);
    QTest::keyClick(table(), Qt::Key_Delete);
    QCOMPARE(column(0), (QStringList{"1", "3"}));
    QCOMPARE(selectedRow(), 0);

    // In the input line the key edits the text.
    QTest::keyClicks(input(), QStringLiteral("45"));
    QTest::keyClick(input(), Qt::Key_Home);
    QTest::keyClick(input(), Qt::Key_Delete);
    QCOMPARE(input()->text(), QStringLiteral("5"));
    QCOMPARE(table()->rowCount(), 2);
}

void StatWindowTest::returnOnAFocusedButtonActivatesIt()
{
    add(QStringLiteral("1 1"));
    add(QStringLiteral("2 2"));
    input()->setText(QStringLiteral("9 9"));
    chooseRow(0);
    child<QPushButton>("pbDel")->setFocus();
    QTest::keyClick(child<QPushButton>("pbDel"), Qt::Key_Return);
    QCOMPARE(column(0), QStringList{"2"});

    ShownFileDialog dialog;
    test::answerFileDialog(window.get(), dialog, QString());
    child<QPushButton>("pbLoad")->setFocus();
    QTest::keyClick(child<QPushButton>("pbLoad"), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(dialog.caption, QStringLiteral("Load and append Data"));
    QCOMPARE(column(0), QStringList{"2"}); // nothing added
}

void StatWindowTest::histoWithTooFewEntriesEmptiesTheView()
{
    add(QStringLiteral("1"));
    add(QStringLiteral("2"));
    clickRadio("radioButton_11");
    QCOMPARE(bars().size(), 10);
    clickRadio("radioButton_7");
    chooseRow(0);
    click("pbDel");
    clickRadio("radioButton_11");
    QCOMPARE(panelText(), QStringLiteral("Need at least two Xi for Statistics!"));
    QVERIFY(bars().isEmpty());
}

void StatWindowTest::choicesAreRememberedBetweenRuns()
{
    clickRadio("radioButton_2"); // sort by X
    clickRadio("radioButton_12"); // power fit
    QVERIFY(window->close());
    window = std::make_unique<stat::MainWindow>();
    QVERIFY(child<QRadioButton>("radioButton_2")->isChecked());
    QVERIFY(child<QRadioButton>("radioButton_12")->isChecked());
    QCOMPARE(panelText(), QStringLiteral("Welcome to Stat Kalvo"));
    window->show();
    reactivate();
    add(QStringLiteral("3 1"));
    add(QStringLiteral("1 1"));
    QCOMPARE(column(0), (QStringList{"1", "3"}));
    click("pbGo");
    QVERIFY(panelText().startsWith(QLatin1String("Linear least squares fit for  Y = a * X^b")));
}

void StatWindowTest::unreadableSettingsGiveTheStart_data()
{
    QTest::addColumn<QByteArray>("contents"); // empty: a directory in place of the file
    QTest::addRow("directory") << QByteArray();
    QTest::addRow("binary") << QByteArray("\x7f\0\xff\xfe\x01[\x80\n\0=\x93\n", 12);
    QTest::addRow("values in a broken file") << QByteArray("[General]\nsort=2\nmode=Histo\n[broken\n");
    QTest::addRow("unknown values") << QByteArray("[General]\nsort=Z\nmode=@Variant(\\0\\0\\0\\x7f)\n");
}

void StatWindowTest::unreadableSettingsGiveTheStart()
{
    QFETCH(QByteArray, contents);
    window.reset();
    const QString file = statSettingsFile();
    QVERIFY(QDir().mkpath(contents.isEmpty() ? file : QFileInfo(file).path()));
    if (!contents.isEmpty()) {
        QFile settings(file);
        QVERIFY(settings.open(QIODevice::WriteOnly) && settings.write(contents) == contents.size());
    }
    window = std::make_unique<stat::MainWindow>();
    QVERIFY(child<QRadioButton>("radioButton_1")->isChecked());
    QVERIFY(child<QRadioButton>("radioButton_7")->isChecked());
    QCOMPARE(panelText(), QStringLiteral("Welcome to Stat Kalvo"));
    window->show();
    QVERIFY(window->close()); // storing may fail as well
}

QString StatWindowTest::dragFromCell(int row, int column, int distance)
{
    QWidget* viewport = table()->viewport();
    const QPoint start = table()->visualItemRect(table()->item(row, column)).center();
    DragWatcher watcher(table());
    // A platform whose drag runs its own event loop is ended by a release from there.
    QTimer::singleShot(50, table(), [&] { QTest::mouseRelease(viewport, Qt::LeftButton, {}, start); });
    QTest::mousePress(viewport, Qt::LeftButton, {}, start);
    QTest::mouseMove(viewport, start + QPoint(distance, 0));
    QTest::qWait(100);
    return watcher.text();
}

void StatWindowTest::dragStartsAfterTheStartDragDistance()
{
    add(QStringLiteral("12.5 -3"));
    add(QStringLiteral("7 8"));
    QSignalSpy spy(table(), &MTableWidget::NeedDropData);
    QCOMPARE(dragFromCell(1, 1, QApplication::startDragDistance()), QStringLiteral("8"));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(column(0), (QStringList{"12.5", "7"})); // a drag changes nothing
}

void StatWindowTest::noDragForAShortMoveOrWithoutACell()
{
    add(QStringLiteral("12.5 -3"));
    QSignalSpy spy(table(), &MTableWidget::NeedDropData);
    QCOMPARE(dragFromCell(0, 0, QApplication::startDragDistance() - 1), QStringLiteral("<no drag>"));
    QCOMPARE(spy.count(), 0);

    // An empty list: the gesture is announced, but there is no cell to drag.
    chooseRow(0);
    click("pbDel");
    DragWatcher watcher(table());
    QWidget* viewport = table()->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseMove(viewport, QPoint(60, 20));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(60, 20));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(watcher.text(), QStringLiteral("<no drag>"));
}

void StatWindowTest::f1HandsTheHelpDocumentToTheDesktop()
{
    test::verifyF1OpensTheHelpDocument(window.get());
}

} // namespace kalvo

QTEST_MAIN(kalvo::StatWindowTest)
#include "stat_window_test.moc"
