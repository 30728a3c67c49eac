// The kalvo-stat window with hostile pairs typed in, hostile data files loaded through
// the dialog, and reports saved to non-ASCII and unwritable paths.
#include "hostile_texts.h"
#include "input_pair.h"
#include "modal_answer.h"
#include "mtable_widget.h"
#include "report_file.h"
#include "stat_mode.h"
#include "stat_settings.h"
#include "stat_window.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace kalvo::stat {

class HostileStatWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void everyModeReportsHostilePairs_data();
    void everyModeReportsHostilePairs();
    void hostileDataFilesLoad_data();
    void hostileDataFilesLoad();
    void reportGoesToANonAsciiPath();
    void unwritableReportPathIsShown();

private:
    template <typename T>
    T* child(const QString& name) const
    {
        T* widget = window->findChild<T*>(name);
        if (widget == nullptr)
            qFatal("no widget %s", qPrintable(name));
        return widget;
    }
    MTableWidget* table() const { return child<MTableWidget>(QStringLiteral("tableWidget_1")); }
    QString panelText() const { return child<QPlainTextEdit>(QStringLiteral("TextEditOut_1"))->toPlainText(); }
    QString cell(int row, int column) const { return table()->item(row, column)->text(); }
    QString writeFile(const QString& name, const QByteArray& content) const;
    void load(const QString& path);

    std::unique_ptr<MainWindow> window;
    QTemporaryDir home;
    QTemporaryDir directory;
};

QString HostileStatWindowTest::writeFile(const QString& name, const QByteArray& content) const
{
    const QString path = directory.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void HostileStatWindowTest::load(const QString& path)
{
    test::ShownFileDialog dialog;
    test::answerFileDialog(window.get(), dialog, path);
    child<QAbstractButton>(QStringLiteral("pbLoad"))->click();
    QVERIFY(dialog.shown);
}

// The file dialogs start in the home directory, and the settings live below it: keep
// them away from the real one.
void HostileStatWindowTest::initTestCase()
{
    QVERIFY(home.isValid());
    qputenv("HOME", QFile::encodeName(home.path()));
    QStandardPaths::setTestModeEnabled(true);
}

void HostileStatWindowTest::init()
{
    QFile::remove(statSettingsFile());
    window = std::make_unique<MainWindow>();
    window->show();
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void HostileStatWindowTest::cleanup()
{
    window.reset();
}

void HostileStatWindowTest::everyModeReportsHostilePairs_data()
{
    QTest::addColumn<int>("modeButton");
    for (const ModeButton& button : modeButtons())
        QTest::newRow(button.text) << button.number;
}

// Each hostile text, and pairs of non-finite and extreme numbers, become entries; the
// mode then reports exactly what it reports for that list.
void HostileStatWindowTest::everyModeReportsHostilePairs()
{
    QFETCH(int, modeButton);
    QStringList texts{QStringLiteral("nan inf"), QStringLiteral("1e308 -inf"), QStringLiteral("-0 1e-320"),
                      QStringLiteral("-1e308 1e308")};
    for (const test::HostileText& hostile : test::hostileTexts())
        texts.append(hostile.text);
    StatList expected;
    QLineEdit* input = child<QLineEdit>(QStringLiteral("lineEdit_1"));
    for (const QString& text : texts) {
        input->setText(text);
        const ValuePair pair = readInputPair(input->text());
        expected.append(pair.x, pair.y);
        child<QAbstractButton>(QStringLiteral("pbAdd"))->click();
    }
    QCOMPARE(table()->rowCount(), static_cast<int>(texts.size()));
    QCOMPARE(cell(0, 0), QStringLiteral("nan"));
    QCOMPARE(cell(1, 1), QStringLiteral("-inf"));

    child<QRadioButton>(QStringLiteral("radioButton_%1").arg(modeButton))->click();
    const QString report = runMode(expected, *modeOfButton(modeButton), kDefaultBins).text;
    QCOMPARE(panelText(), report);
}

void HostileStatWindowTest::hostileDataFilesLoad_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("lastX");
    const QByteArray endless(16 * 1024 * 1024, '7');
    QByteArray manyLines;
    for (int i = 1; i <= 100000; ++i)
        manyLines += QByteArray::number(i) + " 1\n";
    QTest::newRow("nul bytes") << QByteArray("1 2\n\0\n3\0 4\n5 6\n", 15) << 3 << QStringLiteral("5");
    QTest::newRow("crlf") << QByteArray("1 2\r\n3 4\r\nEND\r\n5 6\r\n") << 2 << QStringLiteral("3");
    QTest::newRow("no final newline") << QByteArray("1 2\n3 4") << 2 << QStringLiteral("3");
    QTest::newRow("endless line") << "1 2\n" + endless + "\n3 4\n" << 3 << QStringLiteral("3");
    QTest::newRow("endless last line") << "1 2\n" + endless << 2 << QStringLiteral("inf");
    QTest::newRow("100000 lines") << manyLines << 1025 << QStringLiteral("1025");
}

void HostileStatWindowTest::hostileDataFilesLoad()
{
    QFETCH(QByteArray, contents);
    QFETCH(int, rows);
    QFETCH(QString, lastX);
    test::ShownBox filled;
    test::answerMessageBox(window.get(), filled, QMessageBox::Ok);
    load(writeFile(QString::fromUtf8("d\u00e4t\u00e9n \u6570\u636e.txt"), contents));
    QCOMPARE(filled.shown, rows == kMaxList);
    QCOMPARE(table()->rowCount(), rows);
    QCOMPARE(cell(rows - 1, 0), lastX);
}

void HostileStatWindowTest::reportGoesToANonAsciiPath()
{
    child<QLineEdit>(QStringLiteral("lineEdit_1"))->setText(QStringLiteral("nan -inf"));
    child<QAbstractButton>(QStringLiteral("pbAdd"))->click();
    const QString path = directory.filePath(QString::fromUtf8("Bericht \u00e4\u00f6\u00fc \u03a9 \U0001F600.txt"));
    test::ShownFileDialog dialog;
    test::answerFileDialog(window.get(), dialog, path);
    child<QAbstractButton>(QStringLiteral("pbSave"))->click();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("nan\t-inf\t"));
}

void HostileStatWindowTest::unwritableReportPathIsShown()
{
    // A missing directory stops every user, root too.
    const QString path = directory.filePath(QString::fromUtf8("fehlt \u00e4/") + QString(200, QLatin1Char('r')));
    test::ShownFileDialog dialog;
    test::answerFileDialog(window.get(), dialog, path);
    test::ShownBox problem;
    test::answerMessageBox(window.get(), problem, QMessageBox::Ok);
    child<QAbstractButton>(QStringLiteral("pbSave"))->click();
    QVERIFY(problem.shown);
    QVERIFY2(problem.text.startsWith(QStringLiteral("Cannot write the report file \"%1\": ").arg(path)),
             qPrintable(problem.text));
    QVERIFY(!QFile::exists(path));
}

} // namespace kalvo::stat

QTEST_MAIN(kalvo::stat::HostileStatWindowTest)
#include "hostile_stat_window_test.moc"
