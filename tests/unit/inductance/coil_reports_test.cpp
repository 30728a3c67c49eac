#include "inductance_program.h"
#include "inductance_reports.h"
#include "report_cases.h"

#include <gtest/gtest.h>

namespace kalvo::inductance {
namespace {

using test::ReportCase;

class CoilReportTest : public testing::TestWithParam<ReportCase> { };

TEST_P(CoilReportTest, GivesTheExactReport)
{
    EXPECT_EQ(test::evaluate(inductanceProgram(), GetParam()).text.toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, CoilReportTest,
    testing::Values(
        // k = 7.6 log10(22.4) / (pi^2 1.52) = 0.6840; L = k mu0 100 pi 0.01^2 / 0.04 = 675.1 nH
        ReportCase{"SingleLayerSquareCoilInNanohenry",
                   singleLayerCoilReport,
                   {"10", "10", "10", "1.0"},
                   "\nL\t= 675.1240    \t[nH]\tCoil Inductance \n"
                   "\nk\t= 0.6840      \t[]\tCorrection coefficient to the ideal long coil formula L = uo*ur*A/l"},
        ReportCase{"SingleLayerSquareCoilInMicrohenry",
                   singleLayerCoilReport,
                   {"100", "10", "10", "1.0"},
                   "\nL\t= 67.5124     \t[uH]\tCoil Inductance \n"
                   "\nk\t= 0.6840      \t[]\tCorrection coefficient to the ideal long coil formula L = uo*ur*A/l"},
        ReportCase{"SingleLayerRatioTwentyWarns",
                   singleLayerCoilReport,
                   {"10", "20", "1", "1.0"},
                   "\nL\t= 4.8867      \t[uH]\tCoil Inductance \n"
                   "\nk\t= 0.1238      \t[]\tCorrection coefficient to the ideal long coil formula L = uo*ur*A/l\n"
                   "\nWarning:\n"
                   "Questionable accuracy because of coile core is not air or or coil dimensions are unusual!"},
        // Dm = 1.2 cm, c = 0.2 cm, l = 2 cm: long coil, q = 10, K = 0.265
        ReportCase{"MultiLayerLongCoilTableColumn",
                   multiLayerCoilReport,
                   {"10", "10", "14", "20", "1.0"},
                   "\nL\t= 513.1948    \t[nH]\tCoil Inductance \n"},
        ReportCase{"MultiLayerLongCoilInMicrohenry",
                   multiLayerCoilReport,
                   {"100", "10", "14", "20", "1.0"},
                   "\nL\t= 51.3195     \t[uH]\tCoil Inductance \n"},
        // q = 12.5, K = 0.2825
        ReportCase{"MultiLayerLongCoilInterpolated",
                   multiLayerCoilReport,
                   {"10", "10", "14", "25", "1.0"},
                   "\nL\t= 428.7860    \t[nH]\tCoil Inductance \n"},
        // q = 4: K = 0.225, doubtful
        ReportCase{"MultiLayerThickWindingWarns",
                   multiLayerCoilReport,
                   {"10", "10", "20", "20", "1.0"},
                   "\nL\t= 737.2713    \t[nH]\tCoil Inductance \n"
                   "\nWarning: Questionable accuracy because of coile core is not air or coil dimensions are unusual!"},
        // Dm = l = 2 cm: L = 0.0105 * 100 * 2 * (2 / 6)^0.75 uH
        ReportCase{"MultiLayerMeanDiameterEqualsLengthIsShort",
                   multiLayerCoilReport,
                   {"10", "10", "30", "20", "1.0"},
                   "\nL\t= 921.2518    \t[nH]\tCoil Inductance \n"},
        ReportCase{"MultiLayerFlatShortCoilWarns",
                   multiLayerCoilReport,
                   {"10", "100", "102", "2", "1.0"},
                   "\nL\t= 88.1329     \t[uH]\tCoil Inductance \n"
                   "\nWarning: Questionable accuracy because of coile core is not air or coil dimensions are unusual!"},
        // N = 10.2 * 40000^0.2 = 84.92, R = 0.00801 * (1e6 / 0.5^8)^0.2 = 0.3848 Ohm
        ReportCase{"OptimizedCoilOhms",
                   optimizedCoilReport,
                   {"100", "0.5"},
                   "\nN\t= 85\t\t[]\tNumber of windings\n"
                   "l\t= 4.4005      \t[m]\tOverall wire length\n"
                   "R\t= 0.3848      \t[Ohm]\tCoil DC resistance\n"
                   "C\t= 5.4787      \t[mm]\tCoil thickness\n"
                   "2C\t= 10.9575     \t[mm]\tInner diameter (Air Core)\n"
                   "4C\t= 21.9149     \t[mm]\tOuter diameter"},
        ReportCase{"OptimizedCoilMilliohms",
                   optimizedCoilReport,
                   {"1", "1"},
                   "\nN\t= 10\t\t[]\tNumber of windings\n"
                   "l\t= 0.3664      \t[m]\tOverall wire length\n"
                   "R\t= 8.0100      \t[mOhm]\tCoil DC resistance\n"
                   "C\t= 3.7976      \t[mm]\tCoil thickness\n"
                   "2C\t= 7.5951      \t[mm]\tInner diameter (Air Core)\n"
                   "4C\t= 15.1902     \t[mm]\tOuter diameter"}),
    test::caseName);

class CoilWarningTest : public testing::TestWithParam<std::tuple<ReportCase, bool>> { };

TEST_P(CoilWarningTest, WarnsExactlyAtTheLimits)
{
    const auto& [c, warns] = GetParam();
    EXPECT_EQ(test::evaluate(inductanceProgram(), c).text.toStdString().find("Questionable accuracy")
                  != std::string::npos,
              warns);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, CoilWarningTest,
    testing::Values(
        std::tuple{ReportCase{"SingleLayerPermeability1001", singleLayerCoilReport, {"10", "10", "10", "1.001"}}, true},
        std::tuple{ReportCase{"SingleLayerPermeability10009", singleLayerCoilReport, {"10", "10", "10", "1.0009"}},
                   false},
        std::tuple{ReportCase{"SingleLayerRatio20", singleLayerCoilReport, {"10", "20", "1", "1"}}, true},
        std::tuple{ReportCase{"SingleLayerRatio19_9", singleLayerCoilReport, {"10", "19.9", "1", "1"}}, false},
        std::tuple{ReportCase{"SingleLayerRatio0_01", singleLayerCoilReport, {"10", "1", "100", "1"}}, true},
        std::tuple{ReportCase{"SingleLayerRatio0_011", singleLayerCoilReport, {"10", "1.1", "100", "1"}}, false},
        std::tuple{ReportCase{"MultiLayerPermeability1001", multiLayerCoilReport, {"10", "10", "14", "20", "1.001"}},
                   true},
        std::tuple{ReportCase{"MultiLayerPermeability10009", multiLayerCoilReport, {"10", "10", "14", "20", "1.0009"}},
                   false},
        std::tuple{
            ReportCase{"MultiLayerLengthBelowFiveThicknesses", multiLayerCoilReport, {"10", "10", "20", "20", "1"}},
            true},
        std::tuple{ReportCase{"MultiLayerLengthAboveTwentyFiveThicknesses",
                              multiLayerCoilReport,
                              {"10", "10", "11", "30", "1"}},
                   true},
        // Dm/l up to 50 in a winding thick enough (c = 0.3 Dm) to be within 20 %
        std::tuple{ReportCase{"MultiLayerShortRatio50", multiLayerCoilReport, {"10", "70", "130", "2", "1"}}, false},
        std::tuple{ReportCase{"MultiLayerShortRatio50_5", multiLayerCoilReport, {"10", "70", "130", "1.98", "1"}},
                   true},
        // l + c = 0.3 Dm (+16 %), 0.25 Dm (+22 %): flat windings read more than 20 % high below 0.27 Dm
        std::tuple{
            ReportCase{"MultiLayerShortFlatWithinTwentyPercent", multiLayerCoilReport, {"10", "99", "101", "29", "1"}},
            false},
        std::tuple{ReportCase{"MultiLayerShortFlatOffByMore", multiLayerCoilReport, {"10", "99", "101", "24", "1"}},
                   true},
        // l = 5 Dm: c = 0.5 Dm is within 20 % (+18 %), c = 0.6 Dm is not (+22 %)
        std::tuple{
            ReportCase{"MultiLayerLongThickWithinTwentyPercent", multiLayerCoilReport, {"10", "50", "150", "500", "1"}},
            false},
        std::tuple{ReportCase{"MultiLayerLongThickOffByMore", multiLayerCoilReport, {"10", "40", "160", "500", "1"}},
                   true}),
    [](const testing::TestParamInfo<std::tuple<ReportCase, bool>>& info) {
        return std::string(std::get<0>(info.param).name);
    });

// The windings are never cast to int: any count prints as its integer part, and
// infinite or undefined counts print in the formatter's words.
TEST(OptimizedCoilWindings, PrintHugeAndNonFiniteCountsSafely)
{
    const auto windingsLine = [](const char* inductance, const char* wire) {
        const std::string report
            = test::evaluate(inductanceProgram(), optimizedCoilReport, {inductance, wire}).text.toStdString();
        return report.substr(0, report.find("\t\t[]"));
    };
    // N = 10.2 * (1e200)^0.2 = 1.02e41
    EXPECT_EQ(windingsLine("1e100", "1"), "\nN\t= 102000000000000513990668859097726633115648");
    EXPECT_EQ(windingsLine("1", "0"), "\nN\t= +infinity");
    EXPECT_EQ(windingsLine("0", "0"), "\nN\t= NaN");
    EXPECT_EQ(windingsLine("0", "1"), "\nN\t= 0");
}

} // namespace
} // namespace kalvo::inductance
