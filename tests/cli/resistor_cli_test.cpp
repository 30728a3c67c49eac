#include "cli_runner.h"
#include "search_report.h"

#include <gtest/gtest.h>

namespace kalvo::test {
namespace {

struct ResistorRun {
    const char* name;
    QStringList args;
    const char* output;
};

class ResistorCli : public testing::TestWithParam<ResistorRun> { };

// Parallel panel, parallel table, serial panel, serial table, separated by "----".
TEST_P(ResistorCli, PrintsBothPanelsAndTables)
{
    const CliResult result = runKalvoCli(GetParam().args);
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.err.isEmpty());
    EXPECT_EQ(result.out.toStdString(), GetParam().output);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, ResistorCli,
    testing::Values(
        ResistorRun{"DefaultsAreE12AndTwoDecades",
                    {"resistor", "5000"},
                    "Nominal\t= 5000 \nBest\t= 5000 \nR1\t= 10000\nR2\t= 10000\n\nDiff = 0.000000  /  0.000%\n"
                    "----\n"
                    "5600\t82000\t4.8402%\n6800\t22000\t3.8889%\n5600\t68000\t3.4783%\n5600\t56000\t1.8182%\n"
                    "5600\t47000\t0.0760%\n10000\t10000\t0.0000%\n6800\t18000\t-1.2903%\n5600\t39000\t-2.0628%\n"
                    "8200\t12000\t-2.5743%\n5600\t33000\t-4.2487%\n"
                    "----\n"
                    "Nominal\t= 5000 \nBest\t= 4970 \nR1\t= 270\nR2\t= 4700\n\nDiff = -30.000000  /  -0.600%\n"
                    "----\n"
                    "1200\t3900\t2.0000%\n1800\t3300\t2.0000%\n390\t4700\t1.8000%\n330\t4700\t0.6000%\n"
                    "270\t4700\t-0.6000%\n220\t4700\t-1.6000%\n2200\t2700\t-2.0000%\n1000\t3900\t-2.0000%\n"
                    "180\t4700\t-2.4000%\n150\t4700\t-3.0000%\n"},
        ResistorRun{"MatchedLeavesTheParallelPanelEmpty",
                    {"resistor", "22", "--series", "E3", "--range", "0"},
                    "\n----\n"
                    "47\t47\t6.8182%\n22\t47\t-31.8841%\n22\t22\t-50.0000%\n10\t47\t-62.5199%\n10\t22\t-68.7500%\n"
                    "10\t10\t-77.2727%\n10\t0\t-100.0000%\n22\t0\t-100.0000%\n47\t0\t-100.0000%\n"
                    "0\t0\t-100.0000%\n"
                    "----\n"
                    "Nominal\t= 22 \nBest\t= 22\n\nNominal matched!\n"
                    "----\n"
                    "47\t47\t327.2727%\n22\t47\t213.6364%\n10\t47\t159.0909%\n47\t0\t113.6364%\n"
                    "22\t22\t100.0000%\n10\t22\t45.4545%\n22\t0\t0.0000%\n10\t10\t-9.0909%\n10\t0\t-54.5455%\n"
                    "0\t0\t-100.0000%\n"},
        ResistorRun{"UnsearchableValue",
                    {"resistor", "--range", "-1", "--", "-5"},
                    "A positive finite nominal value\nis needed (1e-150 to 1e+150).\n----\n"
                    "\t\t\n\t\t\n\t\t\n\t\t\n\t\t\n\t\t\n\t\t\n\t\t\n\t\t\n\t\t\n"
                    "----\n"
                    "A positive finite nominal value\nis needed (1e-150 to 1e+150).\n----\n"
                    "\t\t\n\t\t\n\t\t\n\t\t\n\t\t\n\t\t\n\t\t\n\t\t\n\t\t\n\t\t\n"}),
    [](const testing::TestParamInfo<ResistorRun>& info) { return std::string(info.param.name); });

struct OptionRun {
    const char* name;
    QStringList args;
    double nominal;
    ESeries series;
    DecadeRange range;
};

class ResistorCliOptions : public testing::TestWithParam<OptionRun> { };

// The options choose the series and range in any order and case; "-1" after --range
// is the range, not the nominal value.
TEST_P(ResistorCliOptions, SearchTheChosenSeriesAndRange)
{
    const OptionRun& run = GetParam();
    const CliResult result = runKalvoCli(run.args);
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const SearchReport report = searchReport(runSearch(run.nominal, run.series, run.range));
    const QString out = QString::fromUtf8(result.out);
    EXPECT_TRUE(out.startsWith(report.parallelText + QStringLiteral("\n----\n"))) << result.out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("----\n") + report.serialText + QStringLiteral("\n----\n")));
    const TopTenRow& last = report.serialRows.back();
    EXPECT_TRUE(out.endsWith(last[0] + u'\t' + last[1] + u'\t' + last[2] + u'\n'));
}

INSTANTIATE_TEST_SUITE_P(
    Runs, ResistorCliOptions,
    testing::Values(
        OptionRun{"BeforeTheValueInAnyCase",
                  {"resistor", "--series", " e3 ", "--range", "0", "0.47"},
                  0.47,
                  ESeries::E3,
                  DecadeRange::SameDecade},
        OptionRun{"AfterTheValue",
                  {"resistor", "4700", "--range", "3 DECADES", "--series", "E96"},
                  4700,
                  ESeries::E96,
                  DecadeRange::ThreeDecades},
        OptionRun{"RangeMinusOne", {"resistor", "4700", "--range", "-1"}, 4700, ESeries::E12, DecadeRange::LowerDecade},
        OptionRun{
            "RangePlusOne", {"resistor", "--range", "+1", "4700"}, 4700, ESeries::E12, DecadeRange::HigherDecade}),
    [](const testing::TestParamInfo<OptionRun>& info) { return std::string(info.param.name); });

class ResistorCliBadUsage : public testing::TestWithParam<BadUsage> { };

// Bad usage is one line on standard error, nothing on standard output, exit code 2.
TEST_P(ResistorCliBadUsage, PrintsOneLineAndExitsWithTwo)
{
    expectOneLineError(runKalvoCli(GetParam().args));
}

INSTANTIATE_TEST_SUITE_P(Cases, ResistorCliBadUsage,
                         testing::Values(BadUsage{"NoValue", {"resistor"}},
                                         BadUsage{"TwoValues", {"resistor", "1", "2"}},
                                         BadUsage{"UnknownOption", {"resistor", "100", "--tolerance", "1"}},
                                         BadUsage{"UnknownSeries", {"resistor", "100", "--series", "E192"}},
                                         BadUsage{"UnknownRange", {"resistor", "100", "--range", "4 Decades"}},
                                         BadUsage{"MissingRange", {"resistor", "100", "--range"}}),
                         badUsageName);

} // namespace
} // namespace kalvo::test
