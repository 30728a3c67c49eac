#include "main_window.h"
#include "rc_program.h"

#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace kalvo {

// Receives the URLs the window hands to the desktop.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl& url) { urls.append(url); }
};

class RcWindowTest : public QObject {
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

private:
    template <typename T> T* child(const char* name) const
    {
        T* widget = window->findChild<T*>(QLatin1String(name));
        if (widget == nullptr)
            qFatal("no widget %s", name);
        return widget;
    }
    QString panelText() const { return child<QPlainTextEdit>("TextEditOut")->toPlainText(); }
    void typeInto(const char* field, const QString& text)
    {
        QLineEdit* edit = child<QLineEdit>(field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    // A radio button reacts to clicks on its indicator and text, not on the empty rest.
    void clickTopology(const char* button)
    {
        QRadioButton* radio = child<QRadioButton>(button);
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2));
    }

    std::unique_ptr<MainWindow> window;
};

void RcWindowTest::init()
{
    window = std::make_unique<MainWindow>(rcProgram());
    window->show();
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void RcWindowTest::cleanup()
{
    window.reset();
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
    typeInto("lineEdit_1", "1000");
    typeInto("lineEdit_2", "1e-6");
    clickTopology("radioButton_2");
    QCOMPARE(child<QLineEdit>("lineEdit_1")->text(), QString());
    typeInto("lineEdit_1", "10");
    typeInto("lineEdit_3", "1e-3");
    clickTopology("radioButton_1");
    QCOMPARE(child<QLineEdit>("lineEdit_1")->text(), QStringLiteral("1000"));
    QCOMPARE(child<QLineEdit>("lineEdit_2")->text(), QStringLiteral("1e-6"));
    clickTopology("radioButton_2");
    QCOMPARE(child<QLineEdit>("lineEdit_1")->text(), QStringLiteral("10"));
    QCOMPARE(child<QLineEdit>("lineEdit_3")->text(), QStringLiteral("1e-3"));
    QCOMPARE(window->rememberedText(1, 0), QStringLiteral("1000"));
}

void RcWindowTest::eaFieldKeepsItsTextAcrossSwitches()
{
    clickTopology("radioButton_8");
    typeInto("lineEdit_6", "0.7");
    clickTopology("radioButton_1");
    QVERIFY(!child<QLineEdit>("lineEdit_6")->isVisible());
    clickTopology("radioButton_8");
    QCOMPARE(child<QLineEdit>("lineEdit_6")->text(), QStringLiteral("0.7"));
    QCOMPARE(child<QLabel>("label_6")->text(), QStringLiteral("Ea"));
}

void RcWindowTest::returnAndKeypadEnterInAFieldRunGo()
{
    clickTopology("radioButton_4");
    typeInto("lineEdit_1", "-1000");
    QTest::keyClick(child<QLineEdit>("lineEdit_1"), Qt::Key_Return);
    QVERIFY(panelText().startsWith(QLatin1String("RE\t\t= -1000.000   \n")));

    clickTopology("radioButton_4");
    QVERIFY(panelText().startsWith(QLatin1String("Single Pole Topology")));
    typeInto("lineEdit_1", "-1000");
    QTest::keyClick(child<QLineEdit>("lineEdit_1"), Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(panelText().contains(QLatin1String("No Oscillation / Stable")));
}

void RcWindowTest::textWithAUnitReadsAsZero()
{
    typeInto("lineEdit_1", "1k");
    typeInto("lineEdit_2", "1e-6");
    QTest::mouseClick(child<QPushButton>("pbGo"), Qt::LeftButton);
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
    clickTopology("radioButton_4");
    typeInto("lineEdit_1", "-1000");
    clickTopology("radioButton_4");
    std::unique_ptr<QMenu> menu(window->createResultMenu());
    menu->actions().last()->trigger();
    QVERIFY(panelText().contains(QLatin1String("Fnatural\t= 159.1549430918953\t")));
    menu->actions().last()->trigger();
    QVERIFY(panelText().contains(QLatin1String("Fnatural\t= 159.155     \t")));
}

void RcWindowTest::reclickingTheCheckedTopologyDiscardsTheReport()
{
    QTest::mouseClick(child<QPushButton>("pbGo"), Qt::LeftButton);
    QVERIFY(panelText().startsWith(QLatin1String("R\t= ")));
    clickTopology("radioButton_1");
    QVERIFY(panelText().startsWith(QLatin1String("RC Topology")));
}

void RcWindowTest::mtbfShowsSixRowsAndOtherTopologiesHideTheRest()
{
    clickTopology("radioButton_8");
    for (int n = 1; n <= 6; ++n)
        QVERIFY(child<QLineEdit>(qPrintable(QStringLiteral("lineEdit_%1").arg(n)))->isVisible());
    QVERIFY(child<QLabel>("label_pic8")->isVisible());
    clickTopology("radioButton_5");
    QVERIFY(child<QLineEdit>("lineEdit_5")->isVisible());
    QVERIFY(!child<QLineEdit>("lineEdit_6")->isVisible());
    QCOMPARE(child<QLabel>("label_5")->text(), QStringLiteral("Temp"));
    clickTopology("radioButton_4");
    QCOMPARE(child<QLabel>("label_2")->text(), QString());
    QVERIFY(!child<QLabel>("label_2")->isVisible());
}

void RcWindowTest::f1HandsTheHelpDocumentToTheDesktop()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    QTest::keyClick(window.get(), Qt::Key_F1);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(catcher.urls.size(), 1);
    QCOMPARE(catcher.urls.front(),
             QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + QStringLiteral("/Quennix_Help.pdf")));
}

} // namespace kalvo

QTEST_MAIN(kalvo::RcWindowTest)
#include "rc_window_test.moc"
