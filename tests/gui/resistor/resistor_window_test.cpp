#include "input_feedback.h"
#include "mtable_widget.h"
#include "resistor_settings.h"
#include "resistor_window.h"
#include "search_report.h"

#include <QDrag>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

namespace kalvo::resistor {

class ResistorWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void startsWithE12TwoDecadesAndEmptyTables();
    void tablesShowTenFixedRowsOfThreeColumns();
    void tooltipsExplainBothGroups();
    void everyRadioButtonSearchesAtOnce_data();
    void everyRadioButtonSearchesAtOnce();
    void returnAndEnterSearch_data();
    void returnAndEnterSearch();
    void noRowIsSelectedAfterASearch();
    void emptyInputBecomesZeroAndIsRefused();
    void draggingSendsTheCurrentCellText_data();
    void draggingSendsTheCurrentCellText();
    void theNextValueTypedReplacesTheSearchedOne();
    void nominalFieldMarksTextThatIsNoNumber_data();
    void nominalFieldMarksTextThatIsNoNumber();
    void choicesAreRememberedBetweenRuns();
    void unreadableSettingsGiveTheStart_data();
    void unreadableSettingsGiveTheStart();

private:
    template <typename T>
    T* child(const QString& name) const
    {
        T* widget = window->findChild<T*>(name);
        if (widget == nullptr)
            qFatal("no widget %s", qPrintable(name));
        return widget;
    }
    QLineEdit* nominal() const { return child<QLineEdit>(QStringLiteral("lineEdit_1")); }
    QString panel(int n) const { return child<QPlainTextEdit>(QStringLiteral("TextEditOut_%1").arg(n))->toPlainText(); }
    MTableWidget* table(int n) const { return child<MTableWidget>(QStringLiteral("tableWidget_%1").arg(n)); }
    TopTenRows rows(int n) const
    {
        TopTenRows rows;
        for (int row = 0; row < topTenSize; ++row)
            for (int column = 0; column < 3; ++column)
                rows[row][column] = table(n)->item(row, column)->text();
        return rows;
    }
    void type(const QString& text)
    {
        nominal()->selectAll();
        QTest::keyClicks(nominal(), text);
    }
    // A radio button reacts to clicks on its indicator and text, not on the empty rest.
    void click(int buttonNumber)
    {
        auto* radio = child<QRadioButton>(QStringLiteral("radioButton_%1").arg(buttonNumber));
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2));
    }
    void expectReport(const SearchReport& expected) const
    {
        QCOMPARE(panel(1), expected.parallelText);
        QCOMPARE(panel(2), expected.serialText);
        QVERIFY(rows(1) == expected.parallelRows);
        QVERIFY(rows(2) == expected.serialRows);
    }

    void start()
    {
        window = std::make_unique<MainWindow>();
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    bool checked(int buttonNumber) const
    {
        return child<QRadioButton>(QStringLiteral("radioButton_%1").arg(buttonNumber))->isChecked();
    }

    QTemporaryDir home;
    std::unique_ptr<MainWindow> window;
};

// The settings live below the home directory: keep them away from the real one.
void ResistorWindowTest::initTestCase()
{
    QVERIFY(home.isValid());
    qputenv("HOME", QFile::encodeName(home.path()));
    QStandardPaths::setTestModeEnabled(true);
}

// Every test starts as a new user.
void ResistorWindowTest::init()
{
    QDir(resistorSettingsFile()).removeRecursively(); // in case a test left a directory there
    QFile::remove(resistorSettingsFile());
    start();
}

void ResistorWindowTest::cleanup()
{
    window.reset();
}

void ResistorWindowTest::startsWithE12TwoDecadesAndEmptyTables()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("Resistor Kalvo 2.0"));
    QCOMPARE(window->minimumSize(), QSize(521, 540));
    QCOMPARE(window->maximumSize(), QSize(521, 540));
    QVERIFY(child<QRadioButton>(QStringLiteral("radioButton_3"))->isChecked());
    QVERIFY(child<QRadioButton>(QStringLiteral("radioButton_8"))->isChecked());
    QVERIFY(child<QRadioButton>(QStringLiteral("radioButton_3"))->font().underline());
    QVERIFY(!child<QRadioButton>(QStringLiteral("radioButton_4"))->font().underline());
    QCOMPARE(child<QRadioButton>(QStringLiteral("radioButton_10"))->text(), QStringLiteral("-1"));
    QCOMPARE(panel(1), QStringLiteral("Enter Nominal Value and  \"GO\""));
    QCOMPARE(panel(2), QString());
    QVERIFY(rows(1) == TopTenRows{});
    QVERIFY(rows(2) == TopTenRows{});
    QCOMPARE(child<QLabel>(QStringLiteral("label_3"))->text(), QStringLiteral("Parallel R    Serial C"));
    QCOMPARE(child<QLabel>(QStringLiteral("label_2"))->font().pointSize(), 11);
    QCOMPARE(child<QWidget>(QStringLiteral("tableWidget_2"))->geometry(), QRect(260, 250, 251, 201));
    QCOMPARE(QApplication::focusWidget(), nominal());
}

void ResistorWindowTest::tablesShowTenFixedRowsOfThreeColumns()
{
    for (const int n : {1, 2}) {
        MTableWidget* t = table(n);
        QCOMPARE(t->rowCount(), 10);
        QCOMPARE(t->columnCount(), 3);
        QCOMPARE(t->horizontalHeaderItem(2)->text(), QStringLiteral("Diff"));
        QCOMPARE(t->rowHeight(9), 17);
        QCOMPARE(t->columnWidth(0), 80);
        QCOMPARE(t->horizontalHeader()->height(), 20);
        QVERIFY(!t->verticalHeader()->isVisible());
        QCOMPARE(t->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(t->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(t->dragDropMode(), QAbstractItemView::DragOnly);
    }
    QVERIFY(!table(1)->wordWrap());
    QVERIFY(table(2)->wordWrap());
}

void ResistorWindowTest::tooltipsExplainBothGroups()
{
    QTextDocument range;
    range.setHtml(child<QGroupBox>(QStringLiteral("groupBox_2"))->toolTip());
    QCOMPARE(range.toPlainText(),
             QStringLiteral("Maximum relative difference between the two values\n1 Decade\t= 1/10\n2 Decades\t= 1/100\n"
                            "3 Decades\t= 1/1000\n-1\t= One decade lower\n0\t= Same decade\n+1\t= One decade higher"));
    QTextDocument series;
    series.setHtml(child<QGroupBox>(QStringLiteral("groupBox"))->toolTip());
    QCOMPARE(series.toPlainText(), QStringLiteral("IEC 60063 E-Series\nPrefferred Values"));
}

void ResistorWindowTest::everyRadioButtonSearchesAtOnce_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("series");
    QTest::addColumn<int>("range");
    for (int i = 0; i < 6; ++i)
        QTest::addRow("%s", seriesName(allSeries[i])) << i + 1 << i << 1; // with "2 Decades"
    for (int i = 0; i < 6; ++i)
        QTest::addRow("%s", decadeRangeName(allDecadeRanges[i])) << i + 7 << 2 << i; // with E12
}

void ResistorWindowTest::everyRadioButtonSearchesAtOnce()
{
    QFETCH(int, button);
    QFETCH(int, series);
    QFETCH(int, range);
    type(QStringLiteral("1234.5"));
    click(button);
    QVERIFY(child<QRadioButton>(QStringLiteral("radioButton_%1").arg(button))->isChecked());
    expectReport(searchReport(runSearch(1234.5, allSeries[series], allDecadeRanges[range])));
    QCOMPARE(QApplication::focusWidget(), nominal());
}

void ResistorWindowTest::returnAndEnterSearch_data()
{
    QTest::addColumn<int>("key");
    QTest::addRow("Return") << int(Qt::Key_Return);
    QTest::addRow("Enter") << int(Qt::Key_Enter);
}

void ResistorWindowTest::returnAndEnterSearch()
{
    QFETCH(int, key);
    type(QStringLiteral("4700"));
    QTest::keyClick(nominal(), Qt::Key(key));
    QCOMPARE(panel(1), QString());
    QCOMPARE(panel(2), QStringLiteral("Nominal\t= 4700 \nBest\t= 4700\n\nNominal matched!"));
    QCOMPARE(table(2)->item(9, 0)->text(), QStringLiteral("4700"));
}

void ResistorWindowTest::noRowIsSelectedAfterASearch()
{
    type(QStringLiteral("5000"));
    QTest::mouseClick(child<QPushButton>(QStringLiteral("pbGo")), Qt::LeftButton);
    for (const int n : {1, 2}) {
        MTableWidget* t = table(n);
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(t->item(3, 1)).center());
        QCOMPARE(t->selectedItems().size(), 3);
    }
    click(4);
    QVERIFY(table(1)->selectedItems().isEmpty());
    QVERIFY(table(2)->selectedItems().isEmpty());
    QCOMPARE(QApplication::focusWidget(), nominal());
}

void ResistorWindowTest::emptyInputBecomesZeroAndIsRefused()
{
    QTest::mouseClick(child<QPushButton>(QStringLiteral("pbGo")), Qt::LeftButton);
    QCOMPARE(nominal()->text(), QStringLiteral("0"));
    QCOMPARE(panel(1), unsearchableText());
    QCOMPARE(panel(2), unsearchableText());
    QVERIFY(rows(1) == TopTenRows{});
}

void ResistorWindowTest::draggingSendsTheCurrentCellText_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addRow("serial R2") << "5000" << 2 << 4 << 1 << "4700";
    QTest::addRow("parallel Diff") << "5000" << 1 << 0 << 2 << "4.8402%";
    QTest::addRow("empty cell") << "-1" << 1 << 2 << 0 << "";
}

// The offscreen platform ends a drag at once; the drag object stays with its source.
void ResistorWindowTest::draggingSendsTheCurrentCellText()
{
    QFETCH(QString, input);
    QFETCH(int, table);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, text);
    type(input);
    QTest::keyClick(nominal(), Qt::Key_Return);
    MTableWidget* t = this->table(table);
    const QPoint cell = t->visualItemRect(t->item(row, column)).center();
    QSignalSpy needDropData(t, &MTableWidget::NeedDropData);
    QTest::mousePress(t->viewport(), Qt::LeftButton, {}, cell);
    QTest::mouseMove(t->viewport(), cell + QPoint(QApplication::startDragDistance(), 0));
    QTest::mouseRelease(t->viewport(), Qt::LeftButton, {}, cell);
    QCOMPARE(needDropData.size(), 1);
    const QDrag* drag = t->findChild<QDrag*>();
    QVERIFY(drag != nullptr);
    QCOMPARE(drag->mimeData()->text(), text);
    QCOMPARE(drag->supportedActions(), Qt::MoveAction);
}

// A search selects the value, so the next one typed replaces it.
void ResistorWindowTest::theNextValueTypedReplacesTheSearchedOne()
{
    QTest::keyClicks(nominal(), QStringLiteral("5000"));
    QTest::keyClick(nominal(), Qt::Key_Return);
    QCOMPARE(nominal()->selectedText(), QStringLiteral("5000"));
    QTest::keyClicks(nominal(), QStringLiteral("4700"));
    QCOMPARE(nominal()->text(), QStringLiteral("4700"));
    click(4); // E24 searches at once: its value is selected too
    QCOMPARE(nominal()->selectedText(), QStringLiteral("4700"));
    QCOMPARE(panel(2), matchedText(4700));
}

void ResistorWindowTest::nominalFieldMarksTextThatIsNoNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("marked");
    QTest::addRow("empty") << "" << false;
    QTest::addRow("number") << "4.7e3" << false;
    QTest::addRow("blanks around") << " 470 " << false;
    QTest::addRow("unit suffix") << "4k7" << true;
    QTest::addRow("word") << "ohm" << true;
}

void ResistorWindowTest::nominalFieldMarksTextThatIsNoNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, marked);
    QCOMPARE(nominal()->accessibleName(), QStringLiteral("Nominal (Ohm)"));
    QTest::keyClicks(nominal(), text);
    QCOMPARE(isMarkedUnreadable(nominal()), marked);
}

void ResistorWindowTest::choicesAreRememberedBetweenRuns()
{
    type(QStringLiteral("1234.5"));
    click(4); // E24
    click(11); // "0"
    QVERIFY(window->close());
    start();
    QVERIFY(checked(4));
    QVERIFY(checked(11));
    QCOMPARE(nominal()->text(), QStringLiteral("1234.5"));
    QCOMPARE(nominal()->selectedText(), QStringLiteral("1234.5"));
    QCOMPARE(panel(1), QStringLiteral("Enter Nominal Value and  \"GO\""));
    QTest::keyClick(nominal(), Qt::Key_Return);
    expectReport(searchReport(runSearch(1234.5, ESeries::E24, DecadeRange::SameDecade)));
}

void ResistorWindowTest::unreadableSettingsGiveTheStart_data()
{
    QTest::addColumn<QByteArray>("contents"); // empty: a directory in place of the file
    QTest::addRow("directory") << QByteArray();
    QTest::addRow("binary") << QByteArray("\x7f\0\xff\xfe\x01[\x80\n\0=\x93\n", 12);
    QTest::addRow("values in a broken file") << QByteArray("[General]\nseries=E3\nrange=0\nnominal=5\n[broken\n");
    QTest::addRow("unknown values") << QByteArray("[General]\nseries=E7\nrange=2\nnominal=@Variant(\\0\\0\\0\\x7f)\n");
}

void ResistorWindowTest::unreadableSettingsGiveTheStart()
{
    QFETCH(QByteArray, contents);
    window.reset();
    const QString file = resistorSettingsFile();
    QVERIFY(QDir().mkpath(contents.isEmpty() ? file : QFileInfo(file).path()));
    if (!contents.isEmpty()) {
        QFile settings(file);
        QVERIFY(settings.open(QIODevice::WriteOnly) && settings.write(contents) == contents.size());
    }
    start();
    QVERIFY(checked(3));
    QVERIFY(checked(8));
    QCOMPARE(nominal()->text(), QString());
    QCOMPARE(panel(1), QStringLiteral("Enter Nominal Value and  \"GO\""));
    QVERIFY(window->close()); // storing may fail as well
}

} // namespace kalvo::resistor

QTEST_MAIN(kalvo::resistor::ResistorWindowTest)
#include "resistor_window_test.moc"
