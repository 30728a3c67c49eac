// Hostile texts in every field of every calculator topology through kalvo-cli: it must
// print exactly the report the window shows for those texts. Hostile arguments must
// end in one usage line.
#include "cli_runner.h"
#include "evaluation.h"
#include "hostile_texts.h"
#include "program_registry.h"

#include <gtest/gtest.h>

#include <QProcess>

#include <memory>

namespace kalvo::test {
namespace {

// What kalvo-cli must print: the topology's report of texts in every field, in the
// normal digits.
QByteArray expectedReport(const Program& program, const Topology& topology, const QString& texts)
{
    CalculationInput input = program.startInput(topology);
    for (QString& text : input.texts)
        text = texts;
    return (analysis::Evaluation(program, topology, input).report().text + QLatin1Char('\n')).toUtf8();
}

// Runs check(program, topology) for every topology kalvo-cli can compute.
template <class Check>
void forEveryTopology(Check check)
{
    for (const Program* program : calculatorPrograms())
        for (const Topology& topology : program->topologies)
            if (topology.report != nullptr) {
                SCOPED_TRACE(std::string(program->name) + " " + topology.buttonText);
                check(*program, topology);
            }
}

class HostileFieldText : public testing::TestWithParam<HostileText> { };

TEST_P(HostileFieldText, EveryTopologyPrintsTheWindowsReport)
{
    const QString text = GetParam().text;
    forEveryTopology([&](const Program& program, const Topology& topology) {
        QStringList args{QLatin1String(program.name), QString::number(topology.number)};
        for (int row = 0; row < program.layout.inputRows; ++row)
            args.append(text);
        const CliResult result = runKalvoCli(args);
        bool number = false;
        text.toDouble(&number);
        if (!text.isEmpty() && !number) {
            // A value that is not a number is refused in one line, where a window reads 0.
            expectOneLineError(result);
            EXPECT_TRUE(result.err.endsWith("is not a number\n")) << result.err.toStdString();
            return;
        }
        ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_EQ(result.err, QByteArray());
        EXPECT_EQ(result.out, expectedReport(program, topology, text));
    });
}

INSTANTIATE_TEST_SUITE_P(Texts, HostileFieldText, testing::ValuesIn(hostileTexts()),
                         [](const testing::TestParamInfo<HostileText>& info) { return info.param.name; });

// Bytes of 128 and above that are no UTF-8 reach kalvo-cli only through a shell; they are
// no number, so kalvo-cli refuses them in one line.
TEST(HostileFieldBytes, InvalidUtf8IsRefusedAsNoNumber)
{
    forEveryTopology([&](const Program& program, const Topology& topology) {
        QString command = QStringLiteral("exec \"$0\" %1 %2").arg(QLatin1String(program.name)).arg(topology.number);
        for (int row = 0; row < program.layout.inputRows; ++row)
            command += QStringLiteral(" \"$(printf '\\200\\376\\377\\303')\"");
        QProcess process;
        process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command, QStringLiteral(KALVO_CLI_PATH)});
        ASSERT_TRUE(process.waitForFinished(30000));
        ASSERT_EQ(process.exitStatus(), QProcess::NormalExit);
        const CliResult result{process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
        expectOneLineError(result);
        EXPECT_TRUE(result.err.endsWith("is not a number\n")) << result.err.toStdString();
    });
}

class HostileUsage : public testing::TestWithParam<BadUsage> { };

TEST_P(HostileUsage, EndsInOneUsageLine)
{
    expectOneLineError(runKalvoCli(GetParam().args));
}

const QString longWord(kLongTextLength, QLatin1Char('x'));

INSTANTIATE_TEST_SUITE_P(Arguments, HostileUsage,
                         testing::Values(BadUsage{"LongProgram", {longWord}},
                                         BadUsage{"LongTopology", {"rc", longWord}},
                                         BadUsage{"NestedTopology", {"rc", nestedBrackets("1")}},
                                         BadUsage{"LongOption", {"ee", "1", "--" + longWord}},
                                         BadUsage{"TooManyValues", {"rc", "RC", "1", "2", "3", "4", "5", "6", "7"}},
                                         BadUsage{"EmptyProgram", {""}}, BadUsage{"BlankTopology", {"xy", " \t "}},
                                         BadUsage{"HugeTopologyNumber", {"impedance", "1e308"}},
                                         BadUsage{"BinsNotANumber", {"stat", "7", "--bins", "nan"}},
                                         BadUsage{"BinsHuge", {"stat", "7", "--bins", "1e308"}},
                                         BadUsage{"BinsBeyondInt", {"stat", "7", "--bins", "99999999999999999999"}},
                                         BadUsage{"LongMode", {"stat", longWord}},
                                         BadUsage{"LongSortOrder", {"stat", "7", "--sort", longWord}},
                                         BadUsage{"LongSeries", {"resistor", "470", "--series", longWord}},
                                         BadUsage{"RangeNotANumber", {"resistor", "470", "--range", "nan"}},
                                         BadUsage{"CalcWithoutFormula", {"calc", "--real"}},
                                         BadUsage{"CalcDefinitionWithoutEquals", {"calc", "--define", longWord, "1"}}),
                         badUsageName);

} // namespace
} // namespace kalvo::test
