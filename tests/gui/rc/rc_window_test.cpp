#include "application.h"
#include "calculator_window_test.h"
#include "help_document_check.h"
#include "input_feedback.h"
#include "modal_answer.h"
#include "rc_program.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace kalvo {

class RcWindowTest : public CalculatorWindowTest {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void startsWithRcShownInAFixedWindow();
    void switchingRestoresTheInputsOfEachTopology();
    void eaFieldKeepsItsTextAcrossSwitches();
    void returnAndKeypadEnterInAFieldRunGo();
    void textWithAUnitReadsAsZero();
    void contextMenuEndsWithShowMoreDigits();
    void digitsToggleRunsGoWithFifteenDigits();
    void reclickingTheCheckedTopologyDiscardsTheReport();
    void mtbfShowsSixRowsAndOtherTopologiesHideTheRest();
    void f1HandsTheHelpDocumentToTheDesktop();
    void f1WithoutAViewerTellsWhereTheDocumentIs();
    void missingDocumentIsReportedNotHandedOn();
    void matchImpedancesAreFormulasNeverMarked();
};

void RcWindowTest::init()
{
    openWindow(rcProgram());
}

void RcWindowTest::cleanup()
{
    closeWindow();
}

void RcWindowTest::startsWithRcShownInAFixedWindow()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("RC Kalvo 2.0"));
    QCOMPARE(window->size(), QSize(631, 511));
    QCOMPARE(window->minimumSize(), QSize(631, 511));
    QCOMPARE(window->maximumSize(), QSize(631, 511));
    QVERIFY(child<QRadioButton>("radioButton_1")->isChecked());
    QVERIFY(panelText().startsWith(QLatin1String("RC Topology  R [Ohm], C [F]\n")));
    QCOMPARE(child<QLabel>("label_1")->text(), QStringLiteral("R"));
    QCOMPARE(child<QLabel>("label_2")->text(), QStringLiteral("C"));
    QVERIFY(child<QLineEdit>("lineEdit_2")->isVisible());
    QVERIFY(!child<QLineEdit>("lineEdit_3")->isVisible());
    QVERIFY(!child<QLabel>("label_3")->isVisible());
    QLabel* picture = child<QLabel>("label_pic1");
    QVERIFY(picture->isVisible());
    QVERIFY(!picture->pixmap().isNull());
    QVERIFY(!child<QLabel>("label_pic2")->isVisible());
    QVERIFY(child<QPlainTextEdit>("TextEditOut")->isReadOnly()
            || !(child<QPlainTextEdit>("TextEditOut")->textInteractionFlags() & Qt::TextEditable));
}

void RcWindowTest::switchingRestoresTheInputsOfEachTopology()
{
    typeInto(1, "1000");
    typeInto(2, "1e-6");
    clickTopology(2);
    QCOMPARE(child<QLineEdit>("lineEdit_1")->text(), QString());
    typeInto(1, "10");
    typeInto(3, "1e-3");
    clickTopology(1);
    QCOMPARE(child<QLineEdit>("lineEdit_1")->text(), QStringLiteral("1000"));
    QCOMPARE(child<QLineEdit>("lineEdit_2")->text(), QStringLiteral("1e-6"));
    clickTopology(2);
    QCOMPARE(child<QLineEdit>("lineEdit_1")->text(), QStringLiteral("10"));
    QCOMPARE(child<QLineEdit>("lineEdit_3")->text(), QStringLiteral("1e-3"));
    QCOMPARE(window->rememberedText(1, 0), QStringLiteral("1000"));
}

void RcWindowTest::eaFieldKeepsItsTextAcrossSwitches()
{
    clickTopology(8);
    typeInto(6, "0.7");
    clickTopology(1);
    QVERIFY(!child<QLineEdit>("lineEdit_6")->isVisible());
    clickTopology(8);
    QCOMPARE(child<QLineEdit>("lineEdit_6")->text(), QStringLiteral("0.7"));
    QCOMPARE(child<QLabel>("label_6")->text(), QStringLiteral("Ea"));
}

void RcWindowTest::returnAndKeypadEnterInAFieldRunGo()
{
    clickTopology(4);
    typeInto(1, "-1000");
    QTest::keyClick(child<QLineEdit>("lineEdit_1"), Qt::Key_Return);
    QVERIFY(panelText().startsWith(QLatin1String("RE\t\t= -1000.000   \n")));

    clickTopology(4);
    QVERIFY(panelText().startsWith(QLatin1String("Single Pole Topology")));
    typeInto(1, "-1000");
    QTest::keyClick(child<QLineEdit>("lineEdit_1"), Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(panelText().contains(QLatin1String("No Oscillation / Stable")));
}

void RcWindowTest::textWithAUnitReadsAsZero()
{
    typeInto(1, "1k");
    typeInto(2, "1e-6");
    clickGo();
    QVERIFY(panelText().startsWith(QLatin1String("R\t= 0.0         \tOhm \n")));
}

void RcWindowTest::contextMenuEndsWithShowMoreDigits()
{
    std::unique_ptr<QMenu> menu(window->createResultMenu());
    const QList<QAction*> actions = menu->actions();
    QVERIFY(actions.size() > 1);
    QCOMPARE(actions.last()->text(), QStringLiteral("Show More Digits"));
    QVERIFY(actions.last()->isCheckable());
    QVERIFY(!actions.last()->isChecked());
}

void RcWindowTest::digitsToggleRunsGoWithFifteenDigits()
{
    clickTopology(4);
    typeInto(1, "-1000");
    clickTopology(4);
    toggleMoreDigits();
    QVERIFY(panelText().contains(QLatin1String("Fnatural\t= 159.1549430918953\t")));
    toggleMoreDigits();
    QVERIFY(panelText().contains(QLatin1String("Fnatural\t= 159.155     \t")));
}

void RcWindowTest::reclickingTheCheckedTopologyDiscardsTheReport()
{
    clickGo();
    QVERIFY(panelText().startsWith(QLatin1String("R\t= ")));
    clickTopology(1);
    QVERIFY(panelText().startsWith(QLatin1String("RC Topology")));
}

void RcWindowTest::mtbfShowsSixRowsAndOtherTopologiesHideTheRest()
{
    clickTopology(8);
    for (int n = 1; n <= 6; ++n)
        QVERIFY(child<QLineEdit>(QStringLiteral("lineEdit_%1").arg(n))->isVisible());
    QVERIFY(child<QLabel>("label_pic8")->isVisible());
    clickTopology(5);
    QVERIFY(child<QLineEdit>("lineEdit_5")->isVisible());
    QVERIFY(!child<QLineEdit>("lineEdit_6")->isVisible());
    QCOMPARE(child<QLabel>("label_5")->text(), QStringLiteral("Temp"));
    clickTopology(4);
    QCOMPARE(child<QLabel>("label_2")->text(), QString());
    QVERIFY(!child<QLabel>("label_2")->isVisible());
}

void RcWindowTest::f1HandsTheHelpDocumentToTheDesktop()
{
    test::verifyF1OpensTheHelpDocument(window.get());
}

// The offscreen platform has no document viewer: openUrl fails.
void RcWindowTest::f1WithoutAViewerTellsWhereTheDocumentIs()
{
    test::ShownBox shown;
    test::answerMessageBox(this, shown, QMessageBox::Ok);
    QTest::keyClick(window.get(), Qt::Key_F1);
    QVERIFY(shown.shown);
    QCOMPARE(shown.icon, QMessageBox::Warning);
    QCOMPARE(shown.title, QStringLiteral("RC Kalvo 2.0"));
    QVERIFY2(shown.text.contains(helpDocumentPath()), qPrintable(shown.text));
}

void RcWindowTest::missingDocumentIsReportedNotHandedOn()
{
    const QString missing = QDir::tempPath() + QStringLiteral("/no such directory/Quennix_Help.pdf");
    test::ShownBox shown;
    test::answerMessageBox(this, shown, QMessageBox::Ok);
    bool opened = true;
    const QList<QUrl> urls = test::fileUrlsOpenedBy([&] { opened = openDocument(missing, field(1)); });
    QVERIFY(!opened);
    QVERIFY(urls.isEmpty());
    QCOMPARE(shown.title, QStringLiteral("RC Kalvo 2.0"));
    QVERIFY2(shown.text.contains(missing), qPrintable(shown.text));
}

// Ze and Za of the matching networks take complex values and formulas; the same
// fields hold plain numbers in the other topologies, also when the text stays the same.
void RcWindowTest::matchImpedancesAreFormulasNeverMarked()
{
    typeInto(2, "sqrt(2)");
    QVERIFY(isMarkedUnreadable(field(2)));
    clickTopology(6);
    typeInto(1, "-6dB");
    typeInto(2, "sqrt(2)");
    typeInto(3, "50+10i");
    QVERIFY(isMarkedUnreadable(field(1)));
    QVERIFY(!isMarkedUnreadable(field(2)));
    QVERIFY(!isMarkedUnreadable(field(3)));
    clickTopology(1);
    QCOMPARE(field(2)->text(), QStringLiteral("sqrt(2)"));
    QVERIFY(isMarkedUnreadable(field(2)));
    clickTopology(6);
    QVERIFY(!isMarkedUnreadable(field(2)));
}

} // namespace kalvo

QTEST_MAIN(kalvo::RcWindowTest)
#include "rc_window_test.moc"
