#include "cli_runner.h"

#include <gtest/gtest.h>

namespace kalvo::test {
namespace {

struct InductanceCliCase {
    const char* name;
    QStringList args; // after "inductance"
    const char* out;
};

class InductanceCli : public testing::TestWithParam<InductanceCliCase> { };

// A topology named by text or number prints the window's report plus one newline;
// fields not given keep their defaults.
TEST_P(InductanceCli, PrintsTheReport)
{
    const InductanceCliCase& c = GetParam();
    const CliResult result = runKalvoCli(QStringList{"inductance"} + c.args);
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out.toStdString(), c.out);
}

INSTANTIATE_TEST_SUITE_P(
    Topologies, InductanceCli,
    testing::Values(
        InductanceCliCase{"CircularLoop", {"Circular Loop", "1", "100"}, "\nL\t= 294.3428     nH\n"},
        InductanceCliCase{"RectangularLoopByNumber", {"2", "25.4", "254", "254"}, "\nL\t= 608.7328     nH\n"},
        InductanceCliCase{"MutualLoops",
                          {"mutual ind. 1", "645.16", "645.16", "25.4"},
                          "\nL\t= 5.0800       nH\n\n**** Warning ****\nAccuracy is expected to be poor!\n"},
        InductanceCliCase{"SingleLayerCoilWithDefaultPermeability",
                          {"Single Layer Coil", "10", "10", "10"},
                          "\nL\t= 675.1240    \t[nH]\tCoil Inductance \n\nk\t= 0.6840      \t[]\tCorrection "
                          "coefficient to the ideal long coil formula L = uo*ur*A/l\n"},
        InductanceCliCase{"ToroidWithMoreDigits",
                          {"Toroid", "20", "5", "5", "10", "--more-digits"},
                          "\nL1\t= 39.26990816987242\t[nH]\tRound cross section Inductance\n"
                          "\nL2\t= 51.08256237659908\t[nH]\tRectangular cross section Inductance\n"},
        InductanceCliCase{"List",
                          {"--list"},
                          "1\tCircular Loop\n2\tRectangular Loop\n3\tMutual Ind. 1\n4\tMutual Ind. 2\n"
                          "5\tSingle Layer Coil\n6\tMulti Layer Coil\n7\tOptimized Coil\n8\tToroid\n9\tShielding\n"}),
    [](const testing::TestParamInfo<InductanceCliCase>& info) { return std::string(info.param.name); });

TEST(InductanceCli, AcceptsAtMostFiveValues)
{
    const CliResult result = runKalvoCli({"inductance", "Toroid", "1", "2", "3", "4", "5", "6"});
    expectOneLineError(result);
}

} // namespace
} // namespace kalvo::test
