// What the shared calculator window does alike in every calculator program: marks on
// fields that are no number, the fields' accessible names, settings kept between runs,
// readable colours under light and dark palettes.
#include "calculator_window_test.h"
#include "input_feedback.h"
#include "program_registry.h"
#include "window_settings.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QtTest>

#include <cmath>

namespace kalvo {
namespace {

const Program& programAt(int index)
{
    return *calculatorPrograms()[static_cast<std::size_t>(index)];
}

// One row per calculator program, named by name + suffix.
void addProgramRows(const char* suffix = "")
{
    QTest::addColumn<int>("programIndex");
    const auto programs = calculatorPrograms();
    for (std::size_t i = 0; i < programs.size(); ++i)
        QTest::newRow((QByteArray(programs[i]->name) + suffix).constData()) << static_cast<int>(i);
}

bool readsStrictly(const Program& program)
{
    return program.emptyInputsBecomeZero;
}

// WCAG 2.1 relative luminance of an sRGB colour and the contrast ratio of two colours;
// normal text needs at least 4.5:1.
double relativeLuminance(const QColor& colour)
{
    const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

double textContrast(const QWidget* widget)
{
    const QPalette& palette = widget->palette();
    return contrast(palette.color(QPalette::Text), palette.color(QPalette::Base));
}

// A dark desktop theme: light text on dark grounds.
QPalette darkPalette()
{
    QPalette palette;
    const QColor window(53, 53, 53);
    const QColor base(35, 35, 35);
    const QColor text(230, 230, 230);
    for (const auto role : {QPalette::Window, QPalette::Button, QPalette::Mid, QPalette::Dark})
        palette.setColor(role, window);
    for (const auto role : {QPalette::Base, QPalette::AlternateBase, QPalette::ToolTipBase})
        palette.setColor(role, base);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText})
        palette.setColor(role, text);
    palette.setColor(QPalette::Light, QColor(90, 90, 90));
    palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(127, 127, 127));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(127, 127, 127));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(127, 127, 127));
    return palette;
}

} // namespace

class SharedWindowTest : public CalculatorWindowTest {
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void fieldThatIsNoNumberIsMarked_data();
    void fieldThatIsNoNumberIsMarked();
    void fieldsAreNamedByLabelAndUnit_data();
    void fieldsAreNamedByLabelAndUnit();
    void closingKeepsInputsAndChoicesForTheNextStart_data();
    void closingKeepsInputsAndChoicesForTheNextStart();
    void unreadableSettingsAreIgnored_data();
    void unreadableSettingsAreIgnored();
    void textStaysReadableInLightAndDarkPalettes_data();
    void textStaysReadableInLightAndDarkPalettes();
    void screenshotsForReview();

private:
    // What a start shows and keeps: panel, checked topology, remembered texts, digits
    // and angle choice.
    QStringList state(const Program& program) const;
    bool moreDigitsChecked() const;

    const QPalette lightPalette = QApplication::palette(); // the platform's, at start
};

void SharedWindowTest::cleanup()
{
    QApplication::setPalette(lightPalette);
    closeWindow();
}

QStringList SharedWindowTest::state(const Program& program) const
{
    QStringList shown{panelText()};
    for (const Topology& topology : program.topologies) {
        if (radioButton(topology.number)->isChecked())
            shown.append(QStringLiteral("checked %1").arg(topology.number));
        for (int row = 0; row < program.rememberedFields; ++row)
            shown.append(window->rememberedText(topology.number, row));
    }
    shown.append(fieldTexts(program.layout.inputRows));
    shown.append(moreDigitsChecked() ? QStringLiteral("more digits") : QStringLiteral("normal digits"));
    if (!program.layout.angleGroup.isNull())
        shown.append(radioButton(program.highestTopologyNumber() + 2)->isChecked() ? QStringLiteral("rad")
                                                                                   : QStringLiteral("deg"));
    return shown;
}

bool SharedWindowTest::moreDigitsChecked() const
{
    std::unique_ptr<QMenu> menu(window->createResultMenu());
    return menu->actions().last()->isChecked();
}

void SharedWindowTest::fieldThatIsNoNumberIsMarked_data()
{
    QTest::addColumn<int>("programIndex");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("marked");
    const auto programs = calculatorPrograms();
    for (std::size_t i = 0; i < programs.size(); ++i) {
        const auto row = [&](const char* name, const char* text, bool marked) {
            QTest::addRow("%s %s", programs[i]->name, name)
                << static_cast<int>(i) << QString::fromLatin1(text) << marked;
        };
        row("unit suffix", "4k7", true);
        row("decimal comma", "4,7", true);
        row("exponent", "4.7e3", false);
        row("blanks around", " 47 ", false);
        row("not a number", "nan", false);
        // Too large for a double: read as infinity, which kalvo-xy refuses.
        row("overflow", "1e999", readsStrictly(*programs[i]));
    }
}

// The mark only shows how the field is read: GO gives what it gives without it.
void SharedWindowTest::fieldThatIsNoNumberIsMarked()
{
    QFETCH(int, programIndex);
    QFETCH(QString, text);
    QFETCH(bool, marked);
    const Program& program = programAt(programIndex);
    openWindow(program);

    typeInto(1, text);
    QCOMPARE(isMarkedUnreadable(field(1)), marked);
    if (!marked)
        return;
    QCOMPARE(field(1)->toolTip(),
             readsStrictly(program)
                 ? QStringLiteral("Not a number: a function using this field answers \"Input Failure!\"")
                 : QStringLiteral("Not a number: this field is read as 0"));
    QVERIFY(field(1)->palette().color(QPalette::Base) != field(2)->palette().color(QPalette::Base));
    clickGo();
    const QString report = panelText();
    if (readsStrictly(program)) {
        QCOMPARE(report, QStringLiteral("Input Failure!"));
    } else {
        typeInto(1, QStringLiteral("0"));
        clickGo();
        QCOMPARE(report, panelText());
    }

    field(1)->clear();
    QVERIFY(!isMarkedUnreadable(field(1)));
    QCOMPARE(field(1)->toolTip(), QString());
    QCOMPARE(field(1)->palette().color(QPalette::Base), field(2)->palette().color(QPalette::Base));
}

void SharedWindowTest::fieldsAreNamedByLabelAndUnit_data()
{
    addProgramRows();
}

// Every switch names the fields anew; fields a topology hides have no name.
void SharedWindowTest::fieldsAreNamedByLabelAndUnit()
{
    QFETCH(int, programIndex);
    const Program& program = programAt(programIndex);
    openWindow(program);
    for (const Topology& topology : program.topologies) {
        clickTopology(topology.number);
        for (int n = 1; n <= program.layout.inputRows; ++n) {
            const QString unit = QString::fromUtf8(topology.unit(n).shown);
            QString expected;
            if (n <= topology.visibleInputs)
                expected = unit.isEmpty() ? label(n)->text() : label(n)->text() + QStringLiteral(", ") + unit;
            QVERIFY2(field(n)->accessibleName() == expected,
                     qPrintable(QStringLiteral("%1 field %2: %3").arg(topology.buttonText).arg(n).arg(expected)));
        }
    }
}

void SharedWindowTest::closingKeepsInputsAndChoicesForTheNextStart_data()
{
    addProgramRows();
}

// The last topology of the group is left shown with more digits (and Rad); the first
// keeps what was typed into it.
void SharedWindowTest::closingKeepsInputsAndChoicesForTheNextStart()
{
    QFETCH(int, programIndex);
    const Program& program = programAt(programIndex);
    const Topology& first = program.topologies.front();
    const Topology& last = program.topologies.back();
    const bool angleChoice = !program.layout.angleGroup.isNull();
    openWindow(program);

    // Texts that an INI file could take for a list, a typed value or a comment.
    const QString firstText = QStringLiteral(" 2,5 = @x; \"y\" ");
    typeInto(1, firstText);
    clickTopology(last.number);
    typeInto(1, QStringLiteral("1.5"));
    typeInto(2, QStringLiteral("4,7"));
    if (angleChoice)
        clickTopology(program.highestTopologyNumber() + 2);
    toggleMoreDigits();
    const QString reportBefore = panelText();
    reopenWindow();

    QVERIFY(radioButton(last.number)->isChecked());
    QCOMPARE(field(1)->text(), QStringLiteral("1.5"));
    QCOMPARE(field(2)->text(), QStringLiteral("4,7"));
    QVERIFY(isMarkedUnreadable(field(2)));
    QCOMPARE(window->rememberedText(first.number, 0), firstText);
    QCOMPARE(panelText(), last.description != nullptr ? QString::fromUtf8(last.description) : QString());
    QVERIFY(moreDigitsChecked());
    if (angleChoice)
        QVERIFY(radioButton(program.highestTopologyNumber() + 2)->isChecked());
    clickGo();
    QCOMPARE(panelText(), reportBefore);

    clickTopology(first.number);
    QCOMPARE(field(1)->text(), firstText);
}

void SharedWindowTest::unreadableSettingsAreIgnored_data()
{
    QTest::addColumn<int>("programIndex");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("moreDigits");

    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(static_cast<char>((i * 37) % 256));
    const QByteArray overlongText = "[inputs]\n1\\1=" + QByteArray(40000, '7') + '\n';
    QByteArray overlongList = "[inputs]\n1\\1=1";
    for (int i = 0; i < 5000; ++i)
        overlongList += ", " + QByteArray::number(i);
    const QList<QPair<const char*, QByteArray>> contents{
        {"binary junk", binary},
        {"wrong types",
         "[General]\ntopology=three\nmoreDigits=2\nradians=yes\n"
         "[inputs]\n1\\1=@ByteArray(12)\n1\\2=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n"},
        {"topology out of range", "[General]\ntopology=99\n"},
        {"topology zero", "[General]\ntopology=0\n"},
        {"overlong text", overlongText},
        {"overlong list", overlongList},
    };
    const auto programs = calculatorPrograms();
    for (std::size_t i = 0; i < programs.size(); ++i) {
        for (const auto& [name, content] : contents)
            QTest::addRow("%s %s", programs[i]->name, name) << static_cast<int>(i) << content << false;
        // Each value stands on its own: a sound one is kept beside a broken one.
        QTest::addRow("%s sound digits beside a broken topology", programs[i]->name)
            << static_cast<int>(i) << QByteArray("[General]\ntopology=-4\nmoreDigits=true\n") << true;
    }
}

void SharedWindowTest::unreadableSettingsAreIgnored()
{
    QFETCH(int, programIndex);
    QFETCH(QByteArray, content);
    QFETCH(bool, moreDigits);
    const Program& program = programAt(programIndex);
    openWindow(program);
    QStringList expected = state(program);
    if (moreDigits)
        expected.replace(expected.indexOf(QStringLiteral("normal digits")), QStringLiteral("more digits"));
    closeWindow();

    const QString path = windowSettingsFile(program);
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    showWindow(program);
    QCOMPARE(state(program), expected);
}

void SharedWindowTest::textStaysReadableInLightAndDarkPalettes_data()
{
    addProgramRows();
}

// The panel keeps its grey under a light palette and turns dark under a dark one, at
// run time too; a marked field stays readable in both.
void SharedWindowTest::textStaysReadableInLightAndDarkPalettes()
{
    QFETCH(int, programIndex);
    openWindow(programAt(programIndex));
    auto* panel = child<QPlainTextEdit>(QStringLiteral("TextEditOut"));
    typeInto(1, QStringLiteral("4k7"));
    QVERIFY(isMarkedUnreadable(field(1)));

    QCOMPARE(panel->palette().color(QPalette::Active, QPalette::Base), QColor(239, 235, 231));
    QVERIFY2(textContrast(panel) >= 4.5, qPrintable(QString::number(textContrast(panel))));
    QVERIFY2(textContrast(field(1)) >= 4.5, qPrintable(QString::number(textContrast(field(1)))));

    // The windows learn of the new palette through the event loop.
    QApplication::setPalette(darkPalette());
    QTRY_VERIFY(panel->palette().color(QPalette::Base).lightness() < 128);
    QVERIFY2(textContrast(panel) >= 4.5, qPrintable(QString::number(textContrast(panel))));
    QVERIFY(field(1)->palette().color(QPalette::Base).lightness() < 128);
    QVERIFY(field(1)->palette().color(QPalette::Base) != field(2)->palette().color(QPalette::Base));
    QVERIFY2(textContrast(field(1)) >= 4.5, qPrintable(QString::number(textContrast(field(1)))));

    QApplication::setPalette(lightPalette);
    QTRY_COMPARE(panel->palette().color(QPalette::Active, QPalette::Base), QColor(239, 235, 231));
}

// KALVO_SCREENSHOTS=DIR saves every calculator window, with a report and a marked
// field, under the light and the dark palette, for a person to look at.
void SharedWindowTest::screenshotsForReview()
{
    const QString directory = qEnvironmentVariable("KALVO_SCREENSHOTS");
    if (directory.isEmpty())
        QSKIP("set KALVO_SCREENSHOTS=DIR to save screenshots");
    QVERIFY(QDir().mkpath(directory));
    for (const Program* program : calculatorPrograms()) {
        openWindow(*program);
        typeInto(1, QStringLiteral("1"));
        clickGo();
        typeInto(2, QStringLiteral("4k7"));
        for (const bool dark : {false, true}) {
            QApplication::setPalette(dark ? darkPalette() : lightPalette);
            QCoreApplication::processEvents();
            const QString name = QStringLiteral("%1/kalvo-%2-%3.png")
                                     .arg(directory, QLatin1String(program->name),
                                          dark ? QStringLiteral("dark") : QStringLiteral("light"));
            QVERIFY(window->grab().save(name));
        }
        QApplication::setPalette(lightPalette);
    }
}

} // namespace kalvo

QTEST_MAIN(kalvo::SharedWindowTest)
#include "shared_window_test.moc"
