#include "calculator_window_test.h"
#include "pcb_descriptions.h"
#include "pcb_program.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QtTest>

namespace kalvo {

class PcbWindowTest : public CalculatorWindowTest {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void startsWithTheStartupTextOverTheTrackWidth();
    void buttonsStandInOrderAndTheirTextsFit();
    void topologyShowsItsDescriptionDefaultsLabelsAndPicture_data();
    void topologyShowsItsDescriptionDefaultsLabelsAndPicture();
    void viaUsesAllSixRowsAndKeepsThem();
    void returnComputesTheTrackWidth();
    void differentialMicrostripShowsTheFieldSolverFirst();
};

void PcbWindowTest::init()
{
    openWindow(pcbProgram());
}

void PcbWindowTest::cleanup()
{
    closeWindow();
}

void PcbWindowTest::startsWithTheStartupTextOverTheTrackWidth()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("PCB Kalvo 1.0"));
    QCOMPARE(panelText(), QString::fromUtf8(pcb::startupText));
    QVERIFY(radioButton(1)->isChecked());
    QCOMPARE(fieldTexts(6), (QStringList{"", "10", "35", "100", "", ""}));
    QVERIFY(field(4)->isVisible());
    QVERIFY(!field(5)->isVisible());
    QVERIFY(picture(1)->isVisible());
    QCOMPARE(child<QGroupBox>(QStringLiteral("groupBox"))->geometry(), QRect(180, 5, 131, 190));
}

void PcbWindowTest::buttonsStandInOrderAndTheirTextsFit()
{
    auto* layout = child<QVBoxLayout>(QStringLiteral("verticalLayout"));
    QStringList shown;
    for (int i = 0; i < layout->count(); ++i)
        if (auto* button = qobject_cast<QRadioButton*>(layout->itemAt(i)->widget())) {
            shown.append(button->text());
            QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->text() + " cut off"));
            QVERIFY2(button->height() >= button->fontMetrics().ascent(), "letters cut off");
        }
    QCOMPARE(shown,
             (QStringList{"Track Width", "Via", "Coplanar WG", "Grounded CPW", "Diff. Microstrip", "Diff. Stripline",
                          "Edge Clearance", "Fusing Current", "Track Temp."}));
}

void PcbWindowTest::topologyShowsItsDescriptionDefaultsLabelsAndPicture_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("inputs");

    using namespace pcb;
    const auto text = [](const char* s) { return QString::fromUtf8(s); };
    const QStringList line{"h", "w", "s", "t", "er"};
    const QStringList lineInputs{"", "", "", "35", "4.3", ""};
    QTest::newRow("Track Width") << 1 << text(trackWidthDescription) << QStringList{"I", "dT", "t", "l"}
                                 << QStringList{"", "10", "35", "100", "", ""};
    QTest::newRow("Via") << 2 << text(viaDescription) << QStringList{"d", "p", "h", "D1", "D2", "er"}
                         << QStringList{"", "25", "1.6", "", "", "4.3"};
    QTest::newRow("Coplanar WG") << 3 << text(coplanarDescription) << line << lineInputs;
    QTest::newRow("Grounded CPW") << 4 << text(groundedCoplanarDescription) << line << lineInputs;
    QTest::newRow("Diff. Microstrip") << 5 << text(differentialMicrostripDescription) << line << lineInputs;
    QTest::newRow("Diff. Stripline") << 6 << text(differentialStriplineDescription)
                                     << QStringList{"b", "w", "s", "t", "er"} << lineInputs;
    QTest::newRow("Edge Clearance") << 7 << text(edgeClearanceDescription) << QStringList{"V"}
                                    << QStringList{"", "", "", "", "", ""};
    QTest::newRow("Fusing Current") << 8 << text(fusingCurrentDescription) << QStringList{"w", "t", "tp", "Ta"}
                                    << QStringList{"", "35", "1", "25", "", ""};
    QTest::newRow("Track Temp.") << 9 << text(trackTemperatureDescription) << QStringList{"w", "t", "I"}
                                 << QStringList{"", "35", "", "", "", ""};
}

void PcbWindowTest::topologyShowsItsDescriptionDefaultsLabelsAndPicture()
{
    QFETCH(int, number);
    QFETCH(QString, description);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, inputs);

    clickTopology(number == 1 ? 7 : 1);
    clickTopology(number);
    QCOMPARE(panelText(), description);
    QCOMPARE(fieldTexts(6), inputs);
    for (int n = 1; n <= 6; ++n) {
        const bool shown = n <= labels.size();
        QCOMPARE(label(n)->isVisible(), shown);
        QCOMPARE(field(n)->isVisible(), shown);
        if (shown)
            QCOMPARE(label(n)->text(), labels[n - 1]);
    }
    for (int n = 1; n <= 9; ++n)
        QCOMPARE(picture(n)->isVisible(), n == number);
    QVERIFY(!picture(number)->pixmap().isNull());
}

// The via is the one topology with six inputs; each topology keeps its own texts.
void PcbWindowTest::viaUsesAllSixRowsAndKeepsThem()
{
    clickTopology(2);
    typeInto(1, QStringLiteral("0.3"));
    typeInto(4, QStringLiteral("0.6"));
    typeInto(5, QStringLiteral("1"));
    clickTopology(7);
    QCOMPARE(fieldTexts(6), (QStringList{"", "", "", "", "", ""}));
    clickTopology(2);
    QCOMPARE(fieldTexts(6), (QStringList{"0.3", "25", "1.6", "0.6", "1", "4.3"}));
    clickGo();
    QVERIFY(panelText().startsWith(QLatin1String("\nA\t= ")));
    QVERIFY(!panelText().contains(QLatin1String("Warning")));
}

void PcbWindowTest::returnComputesTheTrackWidth()
{
    typeInto(1, QStringLiteral("3"));
    QTest::keyClick(field(1), Qt::Key_Return);
    QVERIFY(panelText().startsWith(
        QLatin1String("\nIPC-2152 (Brooks and Adam's fit, coefficients unverified):\nW\t= 1.874")));
}

void PcbWindowTest::differentialMicrostripShowsTheFieldSolverFirst()
{
    clickTopology(5);
    typeInto(1, QStringLiteral("0.2"));
    typeInto(2, QStringLiteral("0.3"));
    typeInto(3, QStringLiteral("0.2"));
    clickGo();
    QVERIFY(panelText().startsWith(QLatin1String("\nField solver:\nZdiff\t= ")));
    QVERIFY(panelText().contains(QLatin1String("\n\nKirschning and Jansen:\nZdiff\t= ")));
}

} // namespace kalvo

QTEST_MAIN(kalvo::PcbWindowTest)
#include "pcb_window_test.moc"
