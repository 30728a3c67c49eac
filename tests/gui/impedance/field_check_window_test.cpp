// "Check with the Field Solver" in kalvo-impedance's window, as a user reaches it: the
// result panel's context menu or its shortcut, the dialog with the solver's values and
// the differences, Copy, and topologies without a check.
#include "analysis_actions.h"
#include "calculator_window_test.h"
#include "field_check_dialog.h"
#include "impedance_program.h"
#include "review_screenshots.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace kalvo {

class FieldCheckWindowTest : public CalculatorWindowTest {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { closeWindow(); }
    void menuOffersTheCheckAboveMoreDigits();
    void dialogShowsTheSolverBesideTheReport();
    void shortcutOpensTheDialog();
    void topologiesWithoutACrossSectionOfferNoCheck();
    void screenshotsForReview();

private:
    void enterMicrostrip();
    QStringList menuTexts();
};

void FieldCheckWindowTest::enterMicrostrip()
{
    clickTopology(1);
    typeInto(1, QStringLiteral("1.6"));
    typeInto(2, QStringLiteral("3"));
    typeInto(3, QStringLiteral("35"));
    typeInto(4, QStringLiteral("4.3"));
    clickGo();
}

QStringList FieldCheckWindowTest::menuTexts()
{
    std::unique_ptr<QMenu> menu(window->createResultMenu());
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts.append(action->text());
    return texts;
}

void FieldCheckWindowTest::menuOffersTheCheckAboveMoreDigits()
{
    openWindow(impedanceProgram());
    enterMicrostrip();
    const QStringList texts = menuTexts();
    QCOMPARE(texts.mid(texts.size() - 4),
             (QStringList{QStringLiteral("Solve for an Input..."), QStringLiteral("Plot..."),
                          QStringLiteral("Check with the Field Solver"), QStringLiteral("Show More Digits")}));
    QAction* check = window->analysisActions()->fieldCheckAction();
    QVERIFY(check->isEnabled());
    QVERIFY(!check->shortcut().isEmpty());
}

void FieldCheckWindowTest::dialogShowsTheSolverBesideTheReport()
{
    openWindow(impedanceProgram());
    enterMicrostrip();
    const QString report = panelText();
    std::unique_ptr<FieldCheckDialog> dialog(window->analysisActions()->createFieldCheckDialog());
    QVERIFY(dialog != nullptr);
    const QString text = dialog->text();
    QVERIFY2(text.startsWith(QStringLiteral("Field solver: a trace of thickness t on a substrate of height d over one "
                                            "ground plane, air above.\nd = 1.6 mm, w = 3 mm, t = 35 um, er = 4.3\n"
                                            "Z\t= ")),
             qPrintable(text));
    // The solver's Z of this wide trace is within a percent of the formula's.
    const double solved = text.section(QStringLiteral("Z\t= "), 1, 1).section(QLatin1Char('\t'), 0, 0).toDouble();
    const double formula = report.section(QStringLiteral("Z\t= "), 1, 1).section(QLatin1Char('\t'), 0, 0).toDouble();
    QVERIFY2(std::abs(solved / formula - 1.0) < 0.01, qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("\nDifference of the report from the field solver:\nZ\t= ")));
    QVERIFY(dialog->windowTitle().endsWith(QStringLiteral("Microstrip")));
    // The report is not changed by the check.
    QCOMPARE(panelText(), report);

    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("copyButton")), Qt::LeftButton);
    QCOMPARE(QApplication::clipboard()->text(), text);
}

void FieldCheckWindowTest::shortcutOpensTheDialog()
{
    showWindow(impedanceProgram());
    enterMicrostrip();
    QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    auto* dialog = window->findChild<FieldCheckDialog*>();
    QVERIFY(dialog != nullptr);
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->text().startsWith(QStringLiteral("Field solver: ")));
    dialog->close();
}

void FieldCheckWindowTest::topologiesWithoutACrossSectionOfferNoCheck()
{
    openWindow(impedanceProgram());
    for (const int number : {9, 7}) { // Differential, Skin Effect
        clickTopology(number);
        QVERIFY(!menuTexts().contains(QStringLiteral("Check with the Field Solver")));
        QVERIFY(!window->analysisActions()->fieldCheckAction()->isEnabled());
        QVERIFY(window->analysisActions()->createFieldCheckDialog() == nullptr);
    }
    clickTopology(6); // Coax has one again
    QVERIFY(window->analysisActions()->fieldCheckAction()->isEnabled());
}

void FieldCheckWindowTest::screenshotsForReview()
{
    const QString directory = test::reviewScreenshotDirectory();
    if (directory.isEmpty())
        QSKIP("set KALVO_SCREENSHOTS=DIR to save screenshots");
    openWindow(impedanceProgram());
    clickTopology(8);
    const QStringList inputs{"0.2", "0.4", "1", "35", "10.2"};
    for (int n = 1; n <= inputs.size(); ++n)
        typeInto(n, inputs[n - 1]);
    clickGo();
    std::unique_ptr<FieldCheckDialog> dialog(window->analysisActions()->createFieldCheckDialog());
    dialog->show();
    test::underLightAndDarkPalettes([&](const QString& suffix) {
        QVERIFY(dialog->grab().save(QStringLiteral("%1/field-check-%2.png").arg(directory, suffix)));
    });
}

} // namespace kalvo

QTEST_MAIN(kalvo::FieldCheckWindowTest)
#include "field_check_window_test.moc"
