// Every calculator window with hostile texts in all of its fields: GO must show exactly
// the report of what the fields hold.
#include "calculator_window_test.h"
#include "evaluation.h"
#include "hostile_texts.h"
#include "program_registry.h"

#include <QLineEdit>
#include <QtTest>

namespace kalvo {

class HostileCalculatorWindowTest : public CalculatorWindowTest {
    Q_OBJECT

private Q_SLOTS:
    void goShowsTheReportOfTheFields_data();
    void goShowsTheReportOfTheFields();

private:
    QString expectedReport(const Program& program, const Topology& topology) const;
};

QString HostileCalculatorWindowTest::expectedReport(const Program& program, const Topology& topology) const
{
    CalculationInput input = program.startInput(topology);
    input.texts = fieldTexts(program.layout.inputRows);
    return analysis::Evaluation(program, topology, input).report().text;
}

void HostileCalculatorWindowTest::goShowsTheReportOfTheFields_data()
{
    QTest::addColumn<int>("programIndex");
    const auto programs = calculatorPrograms();
    for (std::size_t i = 0; i < programs.size(); ++i)
        QTest::newRow(programs[i]->name) << static_cast<int>(i);
}

void HostileCalculatorWindowTest::goShowsTheReportOfTheFields()
{
    QFETCH(int, programIndex);
    const Program* program = calculatorPrograms()[static_cast<std::size_t>(programIndex)];
    openWindow(*program);
    for (const Topology& topology : program->topologies) {
        if (topology.report == nullptr)
            continue;
        clickTopology(topology.number);
        for (const test::HostileText& hostile : test::hostileTexts()) {
            for (int n = 1; n <= program->layout.inputRows; ++n)
                field(n)->setText(hostile.text);
            clickGo();
            const QString context
                = QStringLiteral("%1 with %2").arg(QLatin1String(topology.buttonText), QLatin1String(hostile.name));
            QVERIFY2(panelText() == expectedReport(*program, topology), qPrintable(context));
        }
    }
    closeWindow();
}

} // namespace kalvo

QTEST_MAIN(kalvo::HostileCalculatorWindowTest)
#include "hostile_calculator_window_test.moc"
