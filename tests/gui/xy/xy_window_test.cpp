#include "main_window.h"
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

class XyWindowTest : public QObject {
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

private:
    template <typename T> T* child(const QString& name) const
    {
        T* widget = window->findChild<T*>(name);
        if (widget == nullptr)
            qFatal("no widget %s", qPrintable(name));
        return widget;
    }
    QLineEdit* field(int n) const { return child<QLineEdit>(QStringLiteral("lineEdit_%1").arg(n)); }
    QString panelText() const { return child<QPlainTextEdit>(QStringLiteral("TextEditOut"))->toPlainText(); }
    void type(int n, const QString& text)
    {
        field(n)->setFocus();
        field(n)->selectAll();
        QTest::keyClicks(field(n), text);
    }
    // A radio button reacts to clicks on its indicator and text, not on the empty rest.
    void click(const QString& button)
    {
        QRadioButton* radio = child<QRadioButton>(button);
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2));
    }
    void go() { QTest::mouseClick(child<QPushButton>(QStringLiteral("pbGo")), Qt::LeftButton); }

    std::unique_ptr<MainWindow> window;
};

void XyWindowTest::init()
{
    window = std::make_unique<MainWindow>(xyProgram());
    window->show();
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void XyWindowTest::cleanup()
{
    window.reset();
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
    click(QStringLiteral("radioButton_3"));
    type(1, QStringLiteral("1"));
    type(2, QStringLiteral("-3"));
    go();
    QCOMPARE(field(3)->text(), QStringLiteral("0"));
    QCOMPARE(field(6)->text(), QStringLiteral("0"));
    QCOMPARE(panelText(), QStringLiteral("\na * X^2 + b * X + c = 0\n\nX1\t= 3.0000\nX2\t= 0\n"));
    click(QStringLiteral("radioButton_1"));
    click(QStringLiteral("radioButton_3"));
    QCOMPARE(field(3)->text(), QStringLiteral("0"));
    QCOMPARE(window->rememberedText(3, 5), QStringLiteral("0"));
}

void XyWindowTest::switchingRestoresAllSixInputs()
{
    for (int n = 1; n <= 6; ++n)
        type(n, QString::number(n));
    click(QStringLiteral("radioButton_4"));
    QCOMPARE(field(6)->text(), QString());
    QCOMPARE(child<QLabel>(QStringLiteral("label_1"))->text(), QStringLiteral("Ampl."));
    click(QStringLiteral("radioButton_1"));
    for (int n = 1; n <= 6; ++n)
        QCOMPARE(field(n)->text(), QString::number(n));
}

void XyWindowTest::inputFailureOnlyForUsedInputs()
{
    click(QStringLiteral("radioButton_5"));
    type(1, QStringLiteral("3"));
    type(2, QStringLiteral("4"));
    type(3, QStringLiteral("junk"));
    go();
    QVERIFY(panelText().contains(QLatin1String("Ampl.\t= 5.0000")));
    type(2, QStringLiteral("4V"));
    go();
    QCOMPARE(panelText(), QStringLiteral("Input Failure!"));
}

void XyWindowTest::angleChoiceIsSharedAndReadAtGo()
{
    click(QStringLiteral("radioButton_4"));
    type(1, QStringLiteral("1"));
    type(2, QStringLiteral("180"));
    click(QStringLiteral("radioButton_7"));
    QVERIFY(panelText().isEmpty()); // the choice alone does not recalculate
    click(QStringLiteral("radioButton_5"));
    type(1, QStringLiteral("0"));
    type(2, QStringLiteral("1"));
    go();
    QVERIFY(panelText().endsWith(QLatin1String("Angle\t= 1.5708 rad\n")));
    click(QStringLiteral("radioButton_4"));
    go();
    QVERIFY(panelText().contains(QLatin1String("180.0000 rad")));
    QVERIFY(child<QRadioButton>(QStringLiteral("radioButton_7"))->isChecked());
}

void XyWindowTest::moreDigitsUsesFifteenDecimals()
{
    click(QStringLiteral("radioButton_5"));
    type(1, QStringLiteral("1"));
    type(2, QStringLiteral("1"));
    std::unique_ptr<QMenu> menu(window->createResultMenu());
    menu->actions().last()->trigger();
    QVERIFY(panelText().contains(QLatin1String("Ampl.\t= 1.414213562373095\n")));
}

} // namespace kalvo

QTEST_MAIN(kalvo::XyWindowTest)
#include "xy_window_test.moc"
