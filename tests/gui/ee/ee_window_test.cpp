#include "calculator_window_test.h"
#include "ee_program.h"

#include <QAction>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace kalvo {

class EeWindowTest : public CalculatorWindowTest {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void startsWithTheStartupTextOverTheScopeProbe();
    void hasTheEeLayout();
    void startupTextIsNotShownAgain();
    void platinumRtdShowsNoPictureAndItsDefaults();
    void platinumRtdConvertsOnReturn();
    void digitalSpectrumHidesRowsThreeToFive();
    void ribbonCrosstalkStartsWithItsCoefficient();
    void switchingRestoresTheInputsOfEachTopology();
    void moreDigitsPrintsSmallValuesInFixedForm();
    void everySchematicIsDrawn();
};

void EeWindowTest::init()
{
    openWindow(eeProgram());
}

void EeWindowTest::cleanup()
{
    closeWindow();
}

void EeWindowTest::startsWithTheStartupTextOverTheScopeProbe()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("EE Kalvo 2.1"));
    QVERIFY(child<QRadioButton>(QStringLiteral("radioButton_1"))->isChecked());
    const QString text = panelText();
    QVERIFY(text.startsWith(QLatin1String("Risetime & Co\n\n Tr = 0.338/F3db\t10-90% Risetime of Gaussinan")));
    QVERIFY(text.endsWith(QLatin1String("\tActual Risetime estimation")));
    const QStringList labels{"Lp", "Cp", "Rs", "Pp"};
    for (int n = 1; n <= 4; ++n) {
        QCOMPARE(label(n)->text(), labels[n - 1]);
        QVERIFY(field(n)->isVisible());
        QCOMPARE(field(n)->text(), QString());
    }
    QVERIFY(!field(5)->isVisible());
    QVERIFY(!label(5)->isVisible());
    QVERIFY(picture(1)->isVisible());
    for (int n = 2; n <= 8; ++n)
        QVERIFY(!picture(n)->isVisible());
}

void EeWindowTest::hasTheEeLayout()
{
    QCOMPARE(window->size(), QSize(631, 511));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    auto* group = child<QGroupBox>(QStringLiteral("groupBox"));
    QCOMPARE(group->geometry(), QRect(180, 5, 131, 190));
    QCOMPARE(group->font().family(), QStringLiteral("AlArabiya"));
    auto* frame = child<QFrame>(QStringLiteral("frame"));
    QCOMPARE(frame->geometry(), QRect(10, 10, 161, 216));
    QCOMPARE(frame->font().family(), QStringLiteral("Sans Serif"));
    QCOMPARE(child<QPushButton>(QStringLiteral("pbGo"))->geometry(), QRect(180, 199, 131, 28));
    QVERIFY(window->findChild<QLineEdit*>(QStringLiteral("lineEdit_6")) == nullptr);
    QVERIFY(window->findChild<QRadioButton*>(QStringLiteral("radioButton_10")) == nullptr);
    QVERIFY(window->findChild<QLabel*>(QStringLiteral("label_pic9")) == nullptr);
    const QStringList buttons{"Scope Probe",      "Board Crosstalk", "Cable Crosstalk",
                              "Ribbon Crosstalk", "Bulk Decoupling", "HF Decoupling",
                              "Digital Spectrum", "Digital Line",    "Platinum RTD"};
    for (int n = 1; n <= 9; ++n)
        QCOMPARE(child<QRadioButton>(QStringLiteral("radioButton_%1").arg(n))->text(), buttons[n - 1]);
}

void EeWindowTest::startupTextIsNotShownAgain()
{
    clickTopology(2);
    clickTopology(1);
    QVERIFY(panelText().startsWith(QLatin1String("Oscilloscope Probe Effects\n\nLp\t[nH]\t")));
}

void EeWindowTest::platinumRtdShowsNoPictureAndItsDefaults()
{
    clickTopology(9);
    for (int n = 1; n <= 8; ++n)
        QVERIFY(!picture(n)->isVisible());
    const QStringList labels{"R", "T", "Ro", "Alpha"};
    for (int n = 1; n <= 4; ++n)
        QCOMPARE(label(n)->text(), labels[n - 1]);
    QCOMPARE(field(1)->text(), QString());
    QCOMPARE(field(2)->text(), QString());
    QCOMPARE(field(3)->text(), QStringLiteral("1000"));
    QCOMPARE(field(4)->text(), QStringLiteral("3850"));
    QVERIFY(!field(5)->isVisible());
    QVERIFY(panelText().contains(QStringLiteral("T\t[°C]\t\tRTD Temperature\t-> Use either R or T\n")));
    clickTopology(8);
    QVERIFY(picture(8)->isVisible());
}

void EeWindowTest::platinumRtdConvertsOnReturn()
{
    clickTopology(9);
    typeInto(2, QStringLiteral("100"));
    QTest::keyClick(field(2), Qt::Key_Return);
    QCOMPARE(panelText(),
             QStringLiteral("a\t= 3.9083E-3\nb\t= -5.775E-7\nc\t= -4.183E-12\n"
                            "\nRt\t= 1385.055    \t[Ohm]\tRTD resistance at temperature T"));
    typeInto(1, QStringLiteral("1385.055"));
    QTest::keyClick(field(1), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(panelText(),
             QStringLiteral("\nPlease enter a correct value for ether R or T but not both at the same time!"));
}

void EeWindowTest::digitalSpectrumHidesRowsThreeToFive()
{
    clickTopology(7);
    QVERIFY(field(1)->isVisible());
    QVERIFY(field(2)->isVisible());
    for (int n = 3; n <= 5; ++n) {
        QVERIFY(!field(n)->isVisible());
        QVERIFY(!label(n)->isVisible());
        QCOMPARE(label(n)->text(), QString());
    }
    typeInto(1, QStringLiteral("10"));
    typeInto(2, QStringLiteral("20"));
    clickGo();
    QCOMPARE(panelText(), QStringLiteral("T must be greater than Ta"));
}

void EeWindowTest::ribbonCrosstalkStartsWithItsCoefficient()
{
    clickTopology(4);
    QCOMPARE(field(3)->text(), QStringLiteral("0.07"));
    QCOMPARE(label(3)->text(), QStringLiteral("K"));
    typeInto(1, QStringLiteral("1"));
    typeInto(2, QStringLiteral("1"));
    clickGo();
    QCOMPARE(panelText(), QStringLiteral("\nKr\t=3.500        \t[%]\tReverse coupling coefficient"));
}

void EeWindowTest::switchingRestoresTheInputsOfEachTopology()
{
    typeInto(1, QStringLiteral("100"));
    typeInto(4, QStringLiteral("200"));
    clickTopology(9);
    typeInto(2, QStringLiteral("25"));
    typeInto(3, QStringLiteral("100"));
    clickTopology(1);
    QCOMPARE(field(1)->text(), QStringLiteral("100"));
    QCOMPARE(field(3)->text(), QString());
    QCOMPARE(field(4)->text(), QStringLiteral("200"));
    clickTopology(9);
    QCOMPARE(field(2)->text(), QStringLiteral("25"));
    QCOMPARE(field(3)->text(), QStringLiteral("100"));
    QCOMPARE(field(4)->text(), QStringLiteral("3850"));
}

void EeWindowTest::moreDigitsPrintsSmallValuesInFixedForm()
{
    clickTopology(8);
    typeInto(1, QStringLiteral("500"));
    typeInto(2, QStringLiteral("100"));
    typeInto(3, QStringLiteral("10"));
    typeInto(4, QStringLiteral("1"));
    clickGo();
    QVERIFY(panelText().contains(QLatin1String("\ntp\t= 70.711E-3   \t[ns]")));
    std::unique_ptr<QMenu> menu(window->createResultMenu());
    QAction* moreDigits = menu->actions().last();
    QCOMPARE(moreDigits->text(), QStringLiteral("Show More Digits"));
    moreDigits->trigger();
    QVERIFY(panelText().contains(QLatin1String("\ntp\t= 0.070710678118655\t[ns]")));
    QVERIFY(panelText().contains(QLatin1String("\nx\t= 14.14213562373095\t[]")));
    moreDigits->trigger();
    QVERIFY(panelText().contains(QLatin1String("\nx\t= 14.142      \t[]")));
}

// Each schematic is a compiled-in resource that renders to a drawing, not a blank label.
void EeWindowTest::everySchematicIsDrawn()
{
    QVERIFY(QFile::exists(QStringLiteral(":/pic/LogoMini.svg")));
    for (int n = 1; n <= 8; ++n) {
        clickTopology(n);
        QLabel* shown = picture(n);
        QVERIFY(shown->isVisible());
        const QImage image = shown->pixmap().toImage();
        QVERIFY(!image.isNull());
        int dark = 0;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        QVERIFY2(dark > 100, qPrintable(QStringLiteral("picture %1 is blank").arg(n)));
    }
}

} // namespace kalvo

QTEST_MAIN(kalvo::EeWindowTest)
#include "ee_window_test.moc"
