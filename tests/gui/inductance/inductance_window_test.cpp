#include "calculator_window_test.h"
#include "inductance_program.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QtTest>

namespace kalvo {

class InductanceWindowTest : public CalculatorWindowTest {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void startsWithTheWelcomeTextOverTheCircularLoop();
    void listsTheNineTopologiesInOrderWithinTheGroup();
    void topologyShowsItsLabelsInputsAndDefaults_data();
    void topologyShowsItsLabelsInputsAndDefaults();
    void everyTopologyShowsItsOwnPicture();
    void returnComputesWithFourDigits();
    void moreDigitsUseFifteenDigitsAndTheLowerExponentLimit();
    void typedValuesReplaceTheDefaultsAndAreRemembered();
    void welcomeTextIsShownOnlyOnce();
};

void InductanceWindowTest::init()
{
    openWindow(inductanceProgram());
}

void InductanceWindowTest::cleanup()
{
    closeWindow();
}

void InductanceWindowTest::startsWithTheWelcomeTextOverTheCircularLoop()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("Inductance Kalvo 2.1"));
    QCOMPARE(window->size(), QSize(631, 511));
    QVERIFY(child<QRadioButton>(QStringLiteral("radioButton_1"))->isChecked());
    QVERIFY(panelText().startsWith(
        QLatin1String("\n Inductance of a simple wire is about  10nH/cm  or  1uH/m,\n for wires with diameter")));
    QVERIFY(
        panelText().endsWith(QLatin1String(" A\t[m2]\tMagnetical path cross area\n l\t[m]\tMagnetical path length")));
    QCOMPARE(label(1)->text(), QStringLiteral("d"));
    QCOMPARE(label(2)->text(), QStringLiteral("x"));
    QVERIFY(field(2)->isVisible());
    QVERIFY(!field(3)->isVisible());
    QVERIFY(window->findChild<QLineEdit*>(QStringLiteral("lineEdit_6")) == nullptr);
    QVERIFY(child<QLabel>(QStringLiteral("label_pic1"))->isVisible());
}

// All nine buttons stand inside the group, each a full line of text tall and wide
// enough for its whole text.
void InductanceWindowTest::listsTheNineTopologiesInOrderWithinTheGroup()
{
    auto* group = child<QWidget>(QStringLiteral("groupBox"));
    QCOMPARE(group->geometry(), QRect(180, 5, 131, 190));
    const QStringList texts{"Circular Loop",     "Rectangular Loop", "Mutual Ind. 1",  "Mutual Ind. 2",
                            "Single Layer Coil", "Multi Layer Coil", "Optimized Coil", "Toroid",
                            "Shielding"};
    QRadioButton* previous = nullptr;
    for (int n = 1; n <= texts.size(); ++n) {
        auto* button = child<QRadioButton>(QStringLiteral("radioButton_%1").arg(n));
        QCOMPARE(button->text(), texts[n - 1]);
        QVERIFY(button->height() >= button->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight));
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect textRect = button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
        QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) <= textRect.width(),
                 qPrintable(button->text()));
        QVERIFY(button->geometry().bottom() <= group->contentsRect().bottom());
        if (previous != nullptr)
            QVERIFY(button->y() > previous->geometry().bottom());
        previous = button;
    }
}

void InductanceWindowTest::topologyShowsItsLabelsInputsAndDefaults_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("descriptionStart");
    QTest::newRow("Rectangular Loop") << 2 << QStringList{"d", "x", "y"} << QStringList{"", "", ""}
                                      << "Rectangular Loop Inductance\n";
    QTest::newRow("Mutual Ind. 1") << 3 << QStringList{"A1", "A2", "r"} << QStringList{"", "", ""}
                                   << "Mutual Inductance of two Loops\n";
    QTest::newRow("Mutual Ind. 2") << 4 << QStringList{"s", "h", "L", "x"} << QStringList{"", "", "", ""}
                                   << "Mutual Inductance of parallel Transmission lines\n";
    QTest::newRow("Single Layer Coil") << 5 << QStringList{"N", "D", "l", "ur"} << QStringList{"", "", "", "1.0"}
                                       << "Single Layer Coil Inductance\n";
    QTest::newRow("Multi Layer Coil") << 6 << QStringList{"N", "D1", "D2", "l", "ur"}
                                      << QStringList{"", "", "", "", "1.0"} << "Multi Layer Coil Inductance\n";
    QTest::newRow("Optimized Coil") << 7 << QStringList{"L", "d"} << QStringList{"", ""}
                                    << "DC resistance & size/weight optimized Multi Layer Air Coil Inductor\n";
    QTest::newRow("Toroid") << 8 << QStringList{"D", "d", "h", "N", "ur"} << QStringList{"", "", "", "", "1.0"}
                            << "Toroid Inductance\n";
    QTest::newRow("Shielding") << 9 << QStringList{"d", "rho", "ur", "f", "s"}
                               << QStringList{"", "0.0175", "1.0", "", ""} << "HF shielding effect\n";
    QTest::newRow("Circular Loop") << 1 << QStringList{"d", "x"} << QStringList{"", ""} << "Circular Loop Inductance\n";
}

// Rows beyond the topology's inputs are hidden with empty labels.
void InductanceWindowTest::topologyShowsItsLabelsInputsAndDefaults()
{
    QFETCH(int, button);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, texts);
    QFETCH(QString, descriptionStart);
    clickTopology(8); // five labelled rows before the switch
    clickTopology(button);
    QVERIFY(panelText().startsWith(descriptionStart));
    for (int n = 1; n <= 5; ++n) {
        const bool shown = n <= labels.size();
        QCOMPARE(label(n)->isVisible(), shown);
        QCOMPARE(field(n)->isVisible(), shown);
        QCOMPARE(label(n)->text(), shown ? labels[n - 1] : QString());
        QCOMPARE(field(n)->text(), shown ? texts[n - 1] : QString());
    }
}

// Each picture is drawn, not left as the blank label background.
void InductanceWindowTest::everyTopologyShowsItsOwnPicture()
{
    for (int n = 1; n <= 9; ++n) {
        clickTopology(n);
        for (int other = 1; other <= 9; ++other)
            QCOMPARE(child<QLabel>(QStringLiteral("label_pic%1").arg(other))->isVisible(), other == n);
        const QImage image = child<QLabel>(QStringLiteral("label_pic%1").arg(n))->pixmap().toImage();
        QVERIFY(!image.isNull());
        int dark = 0;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                dark += qGray(image.pixel(x, y)) < 96 ? 1 : 0;
        QVERIFY2(dark > 100, qPrintable(QStringLiteral("picture %1 is blank").arg(n)));
    }
}

void InductanceWindowTest::returnComputesWithFourDigits()
{
    typeInto(1, QStringLiteral("1"));
    typeInto(2, QStringLiteral("100"));
    QTest::keyClick(field(2), Qt::Key_Return);
    QCOMPARE(panelText(), QStringLiteral("\nL\t= 294.3428     nH"));
}

// 5.08 nH * 1 * 1 / 10^3: exponent form at or below 0.01 normally, at or below 0.001
// with more digits.
void InductanceWindowTest::moreDigitsUseFifteenDigitsAndTheLowerExponentLimit()
{
    clickTopology(3);
    typeInto(1, QStringLiteral("645.16"));
    typeInto(2, QStringLiteral("645.16"));
    typeInto(3, QStringLiteral("254"));
    QTest::keyClick(field(3), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(panelText(), QStringLiteral("\nL\t= 5.0800E-3    nH"));
    toggleMoreDigits();
    QCOMPARE(panelText(), QStringLiteral("\nL\t= 0.005080000000000 nH"));
    toggleMoreDigits();
    QCOMPARE(panelText(), QStringLiteral("\nL\t= 5.0800E-3    nH"));
}

void InductanceWindowTest::typedValuesReplaceTheDefaultsAndAreRemembered()
{
    clickTopology(9);
    typeInto(2, QStringLiteral("0.1"));
    clickTopology(5);
    QCOMPARE(field(4)->text(), QStringLiteral("1.0"));
    typeInto(4, QStringLiteral("2000"));
    clickTopology(9);
    QCOMPARE(field(2)->text(), QStringLiteral("0.1"));
    QCOMPARE(field(3)->text(), QStringLiteral("1.0"));
    clickTopology(5);
    QCOMPARE(field(4)->text(), QStringLiteral("2000"));
    QCOMPARE(window->rememberedText(9, 1), QStringLiteral("0.1"));
}

void InductanceWindowTest::welcomeTextIsShownOnlyOnce()
{
    clickTopology(2);
    clickTopology(1);
    QCOMPARE(panelText(), QStringLiteral("Circular Loop Inductance\n\nd\t[mm]\tWire diameter\nx\t[mm]\tLoop diameter"));
}

} // namespace kalvo

QTEST_MAIN(kalvo::InductanceWindowTest)
#include "inductance_window_test.moc"
