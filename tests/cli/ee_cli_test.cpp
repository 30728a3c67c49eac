#include "cli_runner.h"
#include "ee_program.h"

#include <gtest/gtest.h>

namespace kalvo::test {
namespace {

struct CliCase {
    const char* name;
    QStringList args; // after "ee"
    const char* expected;
};

void PrintTo(const CliCase& c, std::ostream* os)
{
    *os << c.name;
}

class EeCliTest : public testing::TestWithParam<CliCase> { };

// Topologies are named by text (any case) or button number; fields not given keep the
// window's start texts (K = 0.07, Ro = 1000, Alpha = 3850).
TEST_P(EeCliTest, PrintsWhatTheWindowShows)
{
    const CliCase& c = GetParam();
    const CliResult result = runKalvoCli(QStringList{QStringLiteral("ee")} + c.args);
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out.toStdString(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, EeCliTest,
    testing::Values(CliCase{"ScopeProbe",
                            {"Scope Probe", "100", "10", "30", "200"},
                            "\n"
                            "Fr\t= 159.155     \t[Mhz]\tProbe Resonant Frequency\n"
                            "Q\t= 3.333        \t[]\tCircuit Q (Noticeable overshot if Q>0.7)\n"
                            "Trm\t= 3.400        \t[ns]\tMaximum save risetime, Resonance Circuit limited\n"
                            "Trs\t= 0.660        \t[ns]\tRs && Cp Risetime limit\n"
                            "\n"
                            "Circuit will show noticeable ringing with signal risetimes smaller than Trm! \n"},
                    CliCase{"RibbonCrosstalkWithDefaultK",
                            {"Ribbon Crosstalk", "1.27", "2.54"},
                            "\n"
                            "Kr\t=5.600        \t[%]\tReverse coupling coefficient\n"},
                    CliCase{"DigitalSpectrumRejected", {"7", "2", "40"}, "T must be greater than Ta\n"},
                    CliCase{"RtdTemperatureWithDefaultRoAndAlpha",
                            {"Platinum RTD", "", "25"},
                            "a\t= 3.9083E-3\n"
                            "b\t= -5.775E-7\n"
                            "c\t= -4.183E-12\n"
                            "\n"
                            "Rt\t= 1097.347    \t[Ohm]\tRTD resistance at temperature T\n"}),
    [](const testing::TestParamInfo<CliCase>& info) { return std::string(info.param.name); });

TEST(EeCli, MoreDigitsPrintsFifteenDecimals)
{
    const CliResult result = runKalvoCli({"ee", "1", "100", "10", "30", "200", "--more-digits"});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out.toStdString(),
              "\n"
              "Fr\t= 159.1549430918953\t[Mhz]\tProbe Resonant Frequency\n"
              "Q\t= 3.333333333333334\t[]\tCircuit Q (Noticeable overshot if Q>0.7)\n"
              "Trm\t= 3.400000000000000\t[ns]\tMaximum save risetime, Resonance Circuit limited\n"
              "Trs\t= 0.660000000000000\t[ns]\tRs && Cp Risetime limit\n"
              "\n"
              "Circuit will show noticeable ringing with signal risetimes smaller than Trm! \n");
}

// All five fields of each topology given; the output is the report function's text.
struct Sample {
    int number;
    QStringList values;
};

const Sample samples[] = {
    {1, {"100", "10", "1000", "100", ""}},
    {2, {"0.5", "3.3", "20", "60", "5"}},
    {3, {"0.5", "0.5", "20", "120", "4.5"}},
    {4, {"1.27", "2.54", "0.05", "", ""}},
    {5, {"2000", "3.3", "2", "50", "20"}},
    {6, {"0.1", "20", "1.5", "2", ""}},
    {7, {"40", "2", "", "", ""}},
    {8, {"400", "120", "150", "0.5", ""}},
    {9, {"84.27", "", "100", "3750", ""}},
};

TEST(EeCli, EveryTopologyPrintsItsReport)
{
    for (const Sample& sample : samples) {
        const Topology* topology = eeProgram().topologyByNumber(sample.number);
        ASSERT_NE(topology, nullptr);
        CalculationInput input;
        input.texts = sample.values;
        input.format = eeProgram().numberFormat(false);
        input.topology = topology;
        const CliResult result
            = runKalvoCli(QStringList{QStringLiteral("ee"), QString::number(sample.number)} + sample.values);
        ASSERT_EQ(result.exitCode, 0) << sample.number;
        EXPECT_EQ(QString::fromUtf8(result.out), topology->report(input).text + QLatin1Char('\n')) << sample.number;
    }
}

TEST(EeCli, ListsTheNineTopologiesInGroupOrder)
{
    const CliResult result = runKalvoCli({"ee", "--list"});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out.toStdString(),
              "1\tScope Probe\n2\tBoard Crosstalk\n3\tCable Crosstalk\n4\tRibbon Crosstalk\n5\tBulk Decoupling\n"
              "6\tHF Decoupling\n7\tDigital Spectrum\n8\tDigital Line\n9\tPlatinum RTD\n");
}

TEST(EeCli, RejectsASixthValue)
{
    const CliResult result = runKalvoCli({"ee", "Board Crosstalk", "1", "2", "3", "4", "5", "6"});
    expectOneLineError(result);
}

} // namespace
} // namespace kalvo::test
