#include "inductance_program.h"
#include "inductance_reports.h"
#include "report_cases.h"

#include <gtest/gtest.h>

namespace kalvo::inductance {
namespace {

using test::ReportCase;

class LoopReportTest : public testing::TestWithParam<ReportCase> { };

// Reports are compared to the last character: tabs and padding line up the panel.
TEST_P(LoopReportTest, GivesTheExactReport)
{
    EXPECT_EQ(test::evaluate(inductanceProgram(), GetParam()).text.toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, LoopReportTest,
    testing::Values(
        // L = 2 pi 10 (ln 800 - 2) = 294.34 nH
        ReportCase{"CircularLoopOneMillimetreWireTenCentimetreLoop",
                   circularLoopReport,
                   {"1", "100"},
                   "\nL\t= 294.3428     nH"},
        ReportCase{
            "CircularLoopEmptyWireDiameterIsInfinite", circularLoopReport, {"", "100"}, "\nL\t= +infinity    nH"},
        // L = 1.016e-8 * 20 ln 20 H = 608.73 nH
        ReportCase{
            "RectangularLoopTenByTenInches", rectangularLoopReport, {"25.4", "254", "254"}, "\nL\t= 608.7328     nH"},
        // M = 5.08 * 1 * 1 / 3^3 = 0.1881 nH
        ReportCase{
            "LoopMutualThreeInchesApart", loopMutualReport, {"645.16", "645.16", "76.2"}, "\nL\t= 0.1881       nH"},
        // M = 5.08 * 1 * 1 / 2^3 = 0.635 nH, 24 % above coaxial loops: r^2 = 4 A is below 2.5 (A1 + A2)
        ReportCase{"LoopMutualTwoInchesApartWarns",
                   loopMutualReport,
                   {"645.16", "645.16", "50.8"},
                   "\nL\t= 0.6350       nH\n\n**** Warning ****\nAccuracy is expected to be poor!"},
        ReportCase{"LoopMutualOneInchApartWarns",
                   loopMutualReport,
                   {"645.16", "645.16", "25.4"},
                   "\nL\t= 5.0800       nH\n\n**** Warning ****\nAccuracy is expected to be poor!"},
        // M = 600 * 250 / (1 + 2^2) / 1000 = 30 nH
        ReportCase{
            "LineMutualSeparationTwiceHeight", lineMutualReport, {"2", "1", "600", "250"}, "\nL\t= 30.0000      nH"},
        // s = h halves L x / 1000 = 50 nH
        ReportCase{
            "LineMutualSeparationEqualsHeight", lineMutualReport, {"3", "3", "500", "100"}, "\nL\t= 25.0000      nH"}),
    test::caseName);

class LoopMutualAccuracyTest : public testing::TestWithParam<std::tuple<const char*, const char*, bool>> { };

// Loops of 1 and 4 square inches: the distance must exceed sqrt(2.5 * 5) = 3.5355 in (89.803 mm).
TEST_P(LoopMutualAccuracyTest, WarnsUnlessTheLoopsAreFarEnoughApart)
{
    const auto [area1, distance, warns] = GetParam();
    const std::string report
        = test::evaluate(inductanceProgram(), loopMutualReport, {area1, "2580.64", distance}).text.toStdString();
    EXPECT_EQ(report.find("**** Warning ****") != std::string::npos, warns);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, LoopMutualAccuracyTest,
                         testing::Values(std::tuple{"645.16", "50.81", true}, std::tuple{"645.16", "89.80", true},
                                         std::tuple{"645.16", "89.81", false}, std::tuple{"645.16", "", true},
                                         std::tuple{"-645.16", "1000", true}, std::tuple{"0", "80.4", false}));

} // namespace
} // namespace kalvo::inductance
