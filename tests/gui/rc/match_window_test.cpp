#include "calculator_window_test.h"
#include "formula_engine.h"
#include "main_window.h"
#include "rc_program.h"
#include "window_settings.h"

#include <QAbstractButton>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <limits>

Q_DECLARE_METATYPE(kalvo::EngineFactory)

namespace kalvo {

// What the message box shown during a window's construction said.
struct ShownMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

class MatchWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void tMatchComputesPlainAndComplexImpedances();
    void piMatchKeepsItsEngineBetweenPresses();
    void engineOutOfMemoryIsReportedAndClosesTheWindow_data();
    void engineOutOfMemoryIsReportedAndClosesTheWindow();

private:
    static void typeInto(MainWindow& window, const char* field, const QString& text)
    {
        auto* edit = window.findChild<QLineEdit*>(QLatin1String(field));
        QVERIFY(edit != nullptr);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    static void select(MainWindow& window, const char* button)
    {
        auto* radio = window.findChild<QRadioButton*>(QLatin1String(button));
        QVERIFY(radio != nullptr);
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2));
    }
    static QString goAndRead(MainWindow& window)
    {
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("pbGo")), Qt::LeftButton);
        return window.findChild<QPlainTextEdit*>(QStringLiteral("TextEditOut"))->toPlainText();
    }
};

// The windows start as for a new user, whatever settings other runs left.
void MatchWindowTest::initTestCase()
{
    useTestSettings();
    QFile::remove(windowSettingsFile(rcProgram()));
}

void MatchWindowTest::tMatchComputesPlainAndComplexImpedances()
{
    MainWindow window(rcProgram());
    window.show();
    select(window, "radioButton_6");
    typeInto(window, "lineEdit_1", QStringLiteral("-6"));
    typeInto(window, "lineEdit_2", QStringLiteral("50"));
    typeInto(window, "lineEdit_3", QStringLiteral("75"));
    QCOMPARE(goAndRead(window),
             QStringLiteral("\nd\t= -6.000      \t[db] or 0.501        []\nZe\t= 50.000      \t[Ohm]\n"
                            "Za\t= 75.000      \t[Ohm]\ndmax\t= -3.959      \t[dB] or 0.634        []\n\n"
                            "Possible Solution:\nR1   = 9.915        \t[Ohm]\nR2   = 60.200      \t[Ohm]\n"
                            "R3   = 44.972      \t[Ohm]"));

    typeInto(window, "lineEdit_3", QStringLiteral("50+10i"));
    const QString complex = goAndRead(window);
    QVERIFY(complex.startsWith(QLatin1String("\nd\t= -6.000      \t[db]\nd\t= 0.501        \t[]\n\n"
                                             "Complex Solution:\nR1\t= 15.500       + -4.172      \ti  [Ohm]\n")));

    typeInto(window, "lineEdit_1", QString());
    QCOMPARE(goAndRead(window), QStringLiteral("Failure in calculation, probably wrong inputs!"));
}

void MatchWindowTest::piMatchKeepsItsEngineBetweenPresses()
{
    MainWindow window(rcProgram());
    window.show();
    select(window, "radioButton_7");
    typeInto(window, "lineEdit_1", QStringLiteral("-6"));
    typeInto(window, "lineEdit_2", QStringLiteral("50"));
    typeInto(window, "lineEdit_3", QStringLiteral("50+10i"));
    const QString first = goAndRead(window);
    QVERIFY(first.contains(QLatin1String("R2\t= 37.352       + 9.976        \ti  [Ohm]\n")));
    QCOMPARE(goAndRead(window), first); // the variables of the last press are redefined
}

void MatchWindowTest::engineOutOfMemoryIsReportedAndClosesTheWindow_data()
{
    QTest::addColumn<EngineFactory>("factory");
    QTest::addColumn<QString>("message");
    QTest::newRow("no engine") << EngineFactory([] { return std::shared_ptr<FormulaEngine>(); })
                               << QStringLiteral("Out of Memory\n (Calc Object)");
    QTest::newRow("no variable table") << EngineFactory([] {
        return std::make_shared<FormulaEngine>(std::numeric_limits<std::size_t>::max());
    }) << QStringLiteral("Out of Memory\n (Calc Object Vars)");
}

void MatchWindowTest::engineOutOfMemoryIsReportedAndClosesTheWindow()
{
    QFETCH(EngineFactory, factory);
    QFETCH(QString, message);
    Program program = rcProgram();
    program.createEngine = factory;

    ShownMessage shown;
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        shown = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
        box->button(QMessageBox::Ok)->click();
    });
    QPointer<MainWindow> window = new MainWindow(program);
    QCOMPARE(shown.title, QStringLiteral("RC Kalvo"));
    QCOMPARE(shown.text, message);
    QCOMPARE(shown.icon, QMessageBox::Critical);
    QCOMPARE(shown.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(!window.isNull());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
}

} // namespace kalvo

QTEST_MAIN(kalvo::MatchWindowTest)
#include "match_window_test.moc"
