#include "calculator_window_test.h"
#include "impedance_descriptions.h"
#include "impedance_program.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QtTest>

namespace kalvo {

class ImpedanceWindowTest : public CalculatorWindowTest {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void startsWithTheStartupTextOverTheMicrostrip();
    void placesTheGroupFrameAndGoButton();
    void buttonsStandInGroupOrderTallEnoughForTheirLetters();
    void topologyShowsItsDescriptionDefaultsLabelsAndPicture_data();
    void topologyShowsItsDescriptionDefaultsLabelsAndPicture();
    void startupTextIsShownOnlyOnce();
    void goAtStartComputesTheEmptyMicrostrip();
    void memoryColumnFollowsTheButtonName();
    void switchingRestoresEachTopologysInputs();
    void returnInAFieldComputesTheCheckedTopology();
    void moreDigitsPrintsFifteenDigitsDownToAThousandth();
    void fieldsAreAnnouncedByLabelAndUnit();
};

void ImpedanceWindowTest::init()
{
    openWindow(impedanceProgram());
}

void ImpedanceWindowTest::cleanup()
{
    closeWindow();
}

void ImpedanceWindowTest::startsWithTheStartupTextOverTheMicrostrip()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("Impedance Kalvo 2.7"));
    QCOMPARE(window->size(), QSize(631, 511));
    QCOMPARE(panelText(), QString::fromUtf8(impedance::startupText));
    QVERIFY(child<QRadioButton>(QStringLiteral("radioButton_1"))->isChecked());
    QCOMPARE(fieldTexts(5), (QStringList{"", "", "35", "4.3", ""}));
    QCOMPARE(label(1)->text(), QStringLiteral("d"));
    QCOMPARE(label(4)->text(), QStringLiteral("er"));
    QVERIFY(field(4)->isVisible());
    QVERIFY(!field(5)->isVisible());
    QVERIFY(!label(5)->isVisible());
    QVERIFY(window->findChild<QLineEdit*>(QStringLiteral("lineEdit_6")) == nullptr);
    QLabel* picture = child<QLabel>(QStringLiteral("label_pic1"));
    QVERIFY(picture->isVisible());
    QVERIFY(!picture->pixmap().isNull());
    for (int n = 2; n <= 9; ++n)
        QVERIFY(!child<QLabel>(QStringLiteral("label_pic%1").arg(n))->isVisible());
}

void ImpedanceWindowTest::placesTheGroupFrameAndGoButton()
{
    auto* group = child<QGroupBox>(QStringLiteral("groupBox"));
    QCOMPARE(group->geometry(), QRect(180, 5, 131, 190));
    QCOMPARE(group->font().family(), QStringLiteral("AlArabiya"));
    QCOMPARE(group->font().pointSize(), 9);
    QCOMPARE(child<QFrame>(QStringLiteral("frame"))->geometry(), QRect(10, 10, 161, 216));
    QCOMPARE(child<QPushButton>(QStringLiteral("pbGo"))->geometry(), QRect(180, 199, 131, 28));
    QCOMPARE(child<QLabel>(QStringLiteral("label_pic9"))->geometry(), QRect(320, 10, 303, 216));
}

void ImpedanceWindowTest::buttonsStandInGroupOrderTallEnoughForTheirLetters()
{
    auto* layout = child<QVBoxLayout>(QStringLiteral("verticalLayout"));
    const QStringList expected = {"radioButton_1 Microstrip",   "radioButton_8 Emb. Microstrip",
                                  "radioButton_2 Stripline",    "radioButton_3 Offset Stripline",
                                  "radioButton_9 Differential", "radioButton_4 Wire above GND",
                                  "radioButton_5 Twisted Pair", "radioButton_6 Coax",
                                  "radioButton_7 Skin Effect"};
    QStringList shown;
    for (int i = 0; i < layout->count(); ++i)
        if (auto* button = qobject_cast<QRadioButton*>(layout->itemAt(i)->widget())) {
            shown.append(button->objectName() + QLatin1Char(' ') + button->text());
            QVERIFY2(button->height() >= button->fontMetrics().ascent(), "letters cut off");
        }
    QCOMPARE(shown, expected);
}

void ImpedanceWindowTest::topologyShowsItsDescriptionDefaultsLabelsAndPicture_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("inputs");

    using namespace impedance;
    const auto text = [](const char* s) { return QString::fromUtf8(s); };
    QTest::newRow("Microstrip") << 1 << text(microstripDescription) << QStringList{"d", "w", "t", "er"}
                                << QStringList{"", "", "35", "4.3", ""};
    QTest::newRow("Stripline") << 2 << text(striplineDescription) << QStringList{"b", "w", "t", "er"}
                               << QStringList{"", "", "35", "4.3", ""};
    QTest::newRow("Offset Stripline") << 3 << text(offsetStriplineDescription)
                                      << QStringList{"h1", "h2", "w", "t", "er"}
                                      << QStringList{"", "", "", "35", "4.3"};
    QTest::newRow("Wire above GND") << 4 << text(wireAboveGroundDescription) << QStringList{"d", "h", "er"}
                                    << QStringList{"", "", "", "", ""};
    QTest::newRow("Twisted Pair") << 5 << text(twistedPairDescription) << QStringList{"d", "S", "er", "T"}
                                  << QStringList{"", "", "", "0", ""};
    QTest::newRow("Coax") << 6 << text(coaxDescription) << QStringList{"d1", "d2", "er"}
                          << QStringList{"", "", "", "", ""};
    QTest::newRow("Skin Effect") << 7 << text(skinEffectDescription) << QStringList{"d", "rho", "ur", "f"}
                                 << QStringList{"", "0.0175", "1", "", ""};
    QTest::newRow("Emb. Microstrip") << 8 << text(embeddedMicrostripDescription)
                                     << QStringList{"b", "b1", "w", "t", "er"} << QStringList{"", "", "", "35", "4.3"};
    QTest::newRow("Differential") << 9 << text(differentialDescription) << QStringList{"d", "S", "Zo"}
                                  << QStringList{"", "", "", "", ""};
}

// Hidden rows take the empty label text along with their field.
void ImpedanceWindowTest::topologyShowsItsDescriptionDefaultsLabelsAndPicture()
{
    QFETCH(int, number);
    QFETCH(QString, description);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, inputs);

    clickTopology(number == 1 ? 6 : 1);
    clickTopology(number);
    QCOMPARE(panelText(), description);
    QCOMPARE(fieldTexts(5), inputs);
    for (int n = 1; n <= 5; ++n) {
        const bool shown = n <= labels.size();
        QCOMPARE(label(n)->isVisible(), shown);
        QCOMPARE(field(n)->isVisible(), shown);
        QCOMPARE(label(n)->text(), shown ? labels[n - 1] : QString());
    }
    for (int n = 1; n <= 9; ++n)
        QCOMPARE(child<QLabel>(QStringLiteral("label_pic%1").arg(n))->isVisible(), n == number);
    QVERIFY(!child<QLabel>(QStringLiteral("label_pic%1").arg(number))->pixmap().isNull());
}

void ImpedanceWindowTest::startupTextIsShownOnlyOnce()
{
    clickTopology(1);
    QCOMPARE(panelText(), QString::fromUtf8(impedance::microstripDescription));
    clickTopology(6);
    clickTopology(1);
    QVERIFY(!panelText().startsWith(QLatin1String("Basic Formulas")));
}

void ImpedanceWindowTest::goAtStartComputesTheEmptyMicrostrip()
{
    QTest::mouseClick(child<QPushButton>(QStringLiteral("pbGo")), Qt::LeftButton);
    QVERIFY(panelText().startsWith(QLatin1String("\nZ\t= NaN         \tOhm\tCharacteristic Impedance \n")));
    QVERIFY(panelText().contains(QLatin1String("Accuracy is questionable, probably worse than 2 percent!")));
}

// Emb. Microstrip stands second in the group but keeps column 7, its name's number - 1.
void ImpedanceWindowTest::memoryColumnFollowsTheButtonName()
{
    clickTopology(8);
    typeInto(1, QStringLiteral("0.2"));
    typeInto(2, QStringLiteral("0.4"));
    clickTopology(2);
    QCOMPARE(window->rememberedText(8, 0), QStringLiteral("0.2"));
    QCOMPARE(window->rememberedText(8, 1), QStringLiteral("0.4"));
    QCOMPARE(window->rememberedText(8, 3), QStringLiteral("35"));
    QCOMPARE(window->rememberedText(2, 0), QString());
    QCOMPARE(fieldTexts(5), (QStringList{"", "", "35", "4.3", ""}));
    clickTopology(8);
    QCOMPARE(fieldTexts(5), (QStringList{"0.2", "0.4", "", "35", "4.3"}));
}

void ImpedanceWindowTest::switchingRestoresEachTopologysInputs()
{
    typeInto(1, QStringLiteral("1.6"));
    typeInto(2, QStringLiteral("3"));
    clickTopology(3);
    QCOMPARE(fieldTexts(5), (QStringList{"", "", "", "35", "4.3"}));
    typeInto(1, QStringLiteral("0.2"));
    typeInto(5, QStringLiteral("3.8"));
    clickTopology(1);
    QCOMPARE(fieldTexts(5), (QStringList{"1.6", "3", "35", "4.3", ""}));
    clickTopology(3);
    QCOMPARE(fieldTexts(5), (QStringList{"0.2", "", "", "35", "3.8"}));
}

void ImpedanceWindowTest::returnInAFieldComputesTheCheckedTopology()
{
    clickTopology(6);
    typeInto(1, QStringLiteral("1"));
    typeInto(2, QStringLiteral("3.5"));
    typeInto(3, QStringLiteral("2.25"));
    QTest::keyClick(field(3), Qt::Key_Return);
    QVERIFY(panelText().startsWith(QLatin1String("\nZ\t= 50.111      \tOhm\tCharacteristic Impedance \n")));
}

// With more digits numbers down to 0.001 stay in fixed form.
void ImpedanceWindowTest::moreDigitsPrintsFifteenDigitsDownToAThousandth()
{
    clickTopology(7);
    typeInto(1, QStringLiteral("1"));
    typeInto(4, QStringLiteral("1e6"));
    std::unique_ptr<QMenu> menu(window->createResultMenu());
    QAction* moreDigits = menu->actions().last();
    moreDigits->trigger();
    QVERIFY(panelText().startsWith(QLatin1String("\nds\t= 0.066579289455147\tmm\t")));
    moreDigits->trigger();
    QVERIFY(panelText().startsWith(QLatin1String("\nds\t= 66.579E-3   \tmm\t")));
}

// A plain ratio has no unit; a field the topology hides has no name.
void ImpedanceWindowTest::fieldsAreAnnouncedByLabelAndUnit()
{
    const auto names = [this] {
        QStringList shown;
        for (int n = 1; n <= 5; ++n)
            shown.append(field(n)->accessibleName());
        return shown;
    };
    QCOMPARE(names(), (QStringList{"d, mm", "w, mm", "t, um", "er", ""}));
    clickTopology(6);
    QCOMPARE(names(), (QStringList{"d1, mm", "d2, mm", "er", "", ""}));
}

} // namespace kalvo

QTEST_MAIN(kalvo::ImpedanceWindowTest)
#include "impedance_window_test.moc"
