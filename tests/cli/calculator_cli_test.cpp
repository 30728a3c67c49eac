#include "cli_runner.h"

#include <gtest/gtest.h>

namespace kalvo::test {
namespace {

TEST(CalculatorCli, PrintsTheReportOfATopologyNamedByText)
{
    const CliResult result = runKalvoCli({"rc", " single POLE ", "-1000"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out.toStdString(),
              "RE\t\t= -1000.000   \nIM\t\t= 0\nFnatural\t= 159.155     \tHz (-20dB/Dec. after Fn)\n"
              "T\t\t= 1.000E-3    \ts\n\nNo Oscillation / Stable\nF(t) = e^(-t/T)\n\nf(s) = 1 / (1 + T*s)\n");
}

TEST(CalculatorCli, NamesATopologyByItsButtonNumberAndKeepsMissingFieldsEmpty)
{
    const CliResult byNumber = runKalvoCli({"rc", "1", "1000"});
    const CliResult byText = runKalvoCli({"rc", "RC", "1000", ""});
    ASSERT_EQ(byNumber.exitCode, 0);
    EXPECT_EQ(byNumber.out, byText.out);
    EXPECT_TRUE(byNumber.out.contains("F3db\t= +infinity   \tHz"));
}

TEST(CalculatorCli, MoreDigitsPrintsFifteenDecimals)
{
    const CliResult result = runKalvoCli({"rc", "Single Pole", "-1000", "--more-digits"});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.out.contains("Fnatural\t= 159.1549430918953\t"));
}

TEST(CalculatorCli, ListsTheTopologiesInGroupOrder)
{
    const CliResult result = runKalvoCli({"rc", "--list"});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out.toStdString(),
              "1\tRC\n2\tRLC Serial\n3\tDouble Pole\n4\tSingle Pole\n5\tGroundplane\n6\tT match\n"
              "7\tPI match\n8\tMTBF\n");
}

TEST(CalculatorCli, RadiansChooseRadInXy)
{
    const CliResult result = runKalvoCli({"xy", "Rect -> Pol", "0", "1", "--rad"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out.toStdString(), "\nX\t= 0\nY\t= 1.0000 \n\nAmpl.\t= 1.0000\nAngle\t= 1.5708 rad\n\n");
}

class CalculatorCliBadUsage : public testing::TestWithParam<BadUsage> { };

// Bad usage is one line on standard error, nothing on standard output, exit code 2.
TEST_P(CalculatorCliBadUsage, PrintsOneLineAndExitsWithTwo)
{
    expectOneLineError(runKalvoCli(GetParam().args));
}

INSTANTIATE_TEST_SUITE_P(Cases, CalculatorCliBadUsage,
                         testing::Values(BadUsage{"NoArguments", {}}, BadUsage{"UnknownProgram", {"nosuch", "RC"}},
                                         BadUsage{"UnknownTopology", {"rc", "Butterworth"}},
                                         BadUsage{"UnknownTopologyNumber", {"rc", "9"}},
                                         BadUsage{"MissingTopology", {"rc"}},
                                         BadUsage{"UnknownOption", {"rc", "RC", "--fast"}},
                                         BadUsage{"RadiansOutsideXy", {"rc", "RC", "--rad"}},
                                         BadUsage{"TooManyValues", {"rc", "RC", "1", "2", "3", "4", "5", "6", "7"}}),
                         badUsageName);

} // namespace
} // namespace kalvo::test
