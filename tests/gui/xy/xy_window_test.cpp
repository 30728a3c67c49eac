#include "calculator_window_test.h"
#include "xy_program.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace kalvo {

class XyWindowTest : public CalculatorWindowTest {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void startsWithSixLabelledInputsAndDegrees();
    void emptyInputsBecomeZeroAndAreRemembered();
    void switchingRestoresAllSixInputs();
    void inputFailureOnlyForUsedInputs();
    void angleChoiceIsSharedAndReadAtGo();
    void moreDigitsUsesFifteenDecimals();
    void choosingAnotherFunctionOrAngleClearsTheReport_data();
    void choosingAnotherFunctionOrAngleClearsTheReport();
};

void XyWindowTest::init()
{
    openWindow(xyProgram());
}

void XyWindowTest::cleanup()
{
    closeWindow();
}

void XyWindowTest::startsWithSixLabelledInputsAndDegrees()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("XY Kalvo 2.0"));
    QCOMPARE(window->size(), QSize(631, 511));
    QCOMPARE(child<QGroupBox>(QStringLiteral("groupBox"))->title(), QStringLiteral("Function"));
    QCOMPARE(child<QGroupBox>(QStringLiteral("groupBox_2"))->title(), QStringLiteral("Angle"));
    QVERIFY(child<QRadioButton>(QStringLiteral("radioButton_1"))->isChecked());
    QVERIFY(child<QRadioButton>(QStringLiteral("radioButton_6"))->isChecked());
    QCOMPARE(child<QRadioButton>(QStringLiteral("radioButton_7"))->text(), QStringLiteral("Rad"));
    const QStringList labels{"X1", "X2", "X3", "Y1", "Y2", "--"};
    for (int n = 1; n <= 6; ++n) {
        QVERIFY(field(n)->isVisible());
        QCOMPARE(child<QLabel>(QStringLiteral("label_%1").arg(n))->text(), labels[n - 1]);
    }
    QVERIFY(window->findChild<QLabel*>(QStringLiteral("label_pic1")) == nullptr);
    QVERIFY(panelText().isEmpty());
}

void XyWindowTest::emptyInputsBecomeZeroAndAreRemembered()
{
    clickTopology(3);
    typeInto(1, QStringLiteral("1"));
    typeInto(2, QStringLiteral("-3"));
    clickGo();
    QCOMPARE(field(3)->text(), QStringLiteral("0"));
    QCOMPARE(field(6)->text(), QStringLiteral("0"));
    QCOMPARE(panelText(), QStringLiteral("\na * X^2 + b * X + c = 0\n\nX1\t= 3.0000\nX2\t= 0\n"));
    clickTopology(1);
    clickTopology(3);
    QCOMPARE(field(3)->text(), QStringLiteral("0"));
    QCOMPARE(window->rememberedText(3, 5), QStringLiteral("0"));
}

void XyWindowTest::switchingRestoresAllSixInputs()
{
    for (int n = 1; n <= 6; ++n)
        typeInto(n, QString::number(n));
    clickTopology(4);
    QCOMPARE(field(6)->text(), QString());
    QCOMPARE(child<QLabel>(QStringLiteral("label_1"))->text(), QStringLiteral("Ampl."));
    clickTopology(1);
    for (int n = 1; n <= 6; ++n)
        QCOMPARE(field(n)->text(), QString::number(n));
}

void XyWindowTest::inputFailureOnlyForUsedInputs()
{
    clickTopology(5);
    typeInto(1, QStringLiteral("3"));
    typeInto(2, QStringLiteral("4"));
    typeInto(3, QStringLiteral("junk"));
    clickGo();
    QVERIFY(panelText().contains(QLatin1String("Ampl.\t= 5.0000")));
    typeInto(2, QStringLiteral("4V"));
    clickGo();
    QCOMPARE(panelText(), QStringLiteral("Input Failure!"));
}

void XyWindowTest::angleChoiceIsSharedAndReadAtGo()
{
    clickTopology(4);
    typeInto(1, QStringLiteral("1"));
    typeInto(2, QStringLiteral("180"));
    clickTopology(7);
    QVERIFY(panelText().isEmpty()); // the choice alone does not recalculate
    clickTopology(5);
    typeInto(1, QStringLiteral("0"));
    typeInto(2, QStringLiteral("1"));
    clickGo();
    QVERIFY(panelText().endsWith(QLatin1String("Angle\t= 1.5708 rad\n")));
    clickTopology(4);
    clickGo();
    QVERIFY(panelText().contains(QLatin1String("180.0000 rad")));
    QVERIFY(child<QRadioButton>(QStringLiteral("radioButton_7"))->isChecked());
}

void XyWindowTest::moreDigitsUsesFifteenDecimals()
{
    clickTopology(5);
    typeInto(1, QStringLiteral("1"));
    typeInto(2, QStringLiteral("1"));
    toggleMoreDigits();
    QVERIFY(panelText().contains(QLatin1String("Ampl.\t= 1.414213562373095\n")));
}

void XyWindowTest::choosingAnotherFunctionOrAngleClearsTheReport_data()
{
    QTest::addColumn<int>("button");
    QTest::newRow("another function") << 5;
    QTest::newRow("the same function again") << 4;
    QTest::newRow("Rad") << 7;
}

// A report of other inputs or of the other angle unit no longer applies.
void XyWindowTest::choosingAnotherFunctionOrAngleClearsTheReport()
{
    QFETCH(int, button);
    clickTopology(4);
    typeInto(1, QStringLiteral("2"));
    typeInto(2, QStringLiteral("90"));
    clickGo();
    QVERIFY(!panelText().isEmpty());
    clickTopology(button);
    QCOMPARE(panelText(), QString());
}

} // namespace kalvo

QTEST_MAIN(kalvo::XyWindowTest)
#include "xy_window_test.moc"
