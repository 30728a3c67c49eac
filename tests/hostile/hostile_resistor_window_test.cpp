// The kalvo-resistor window with hostile nominal texts: both panels show the message
// or the search of the value the text stands for.
#include "hostile_texts.h"
#include "resistor_settings.h"
#include "resistor_window.h"
#include "search_report.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace kalvo::resistor {

class HostileResistorWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void goShowsTheSearchOrTheMessage();

private:
    QTemporaryDir home;
};

// The settings live below the home directory: keep them away from the real one.
void HostileResistorWindowTest::initTestCase()
{
    QVERIFY(home.isValid());
    qputenv("HOME", QFile::encodeName(home.path()));
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(resistorSettingsFile());
}

void HostileResistorWindowTest::goShowsTheSearchOrTheMessage()
{
    MainWindow window; // a new user's: E12 and two decades
    auto* nominal = window.findChild<QLineEdit*>(QStringLiteral("lineEdit_1"));
    auto* parallel = window.findChild<QPlainTextEdit*>(QStringLiteral("TextEditOut_1"));
    auto* serial = window.findChild<QPlainTextEdit*>(QStringLiteral("TextEditOut_2"));
    QVERIFY(nominal && parallel && serial);
    for (const test::HostileText& hostile : test::hostileTexts()) {
        nominal->setText(hostile.text);
        const SearchReport expected
            = searchReport(runSearch(nominalFromText(nominal->text()), ESeries::E12, DecadeRange::TwoDecades));
        window.findChild<QPushButton*>(QStringLiteral("pbGo"))->click();
        QVERIFY2(parallel->toPlainText() == expected.parallelText, hostile.name);
        QVERIFY2(serial->toPlainText() == expected.serialText, hostile.name);
    }
}

} // namespace kalvo::resistor

QTEST_MAIN(kalvo::resistor::HostileResistorWindowTest)
#include "hostile_resistor_window_test.moc"
