#include "cli_runner.h"

#include <gtest/gtest.h>

namespace kalvo::test {
namespace {

TEST(ImpedanceCli, ListsTheTopologiesInGroupOrder)
{
    const CliResult result = runKalvoCli({"impedance", "--list"});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out.toStdString(),
              "1\tMicrostrip\n8\tEmb. Microstrip\n2\tStripline\n3\tOffset Stripline\n9\tDifferential\n"
              "4\tWire above GND\n5\tTwisted Pair\n6\tCoax\n7\tSkin Effect\n");
}

TEST(ImpedanceCli, PrintsTheCoaxReport)
{
    const CliResult result = runKalvoCli({"impedance", "coax", "1", "3.5", "2.25"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out.toStdString(),
              "\nZ\t= 50.111      \tOhm\tCharacteristic Impedance \n"
              "L\t= 250.719     \tnH/m\tInductane per meter\n"
              "C\t= 99.846      \tpF/m\tCapacitance per meter\n"
              "pd\t= 5.003        \tns/m\tPropagation delay\n");
}

struct TopologyCase {
    const char* name;
    QStringList args;
    const char* start; // the report's first line after the leading newline
};

class ImpedanceCliTopology : public testing::TestWithParam<TopologyCase> { };

// Every topology answers by its button text or its number; fields left out keep
// the topology's default text (t = 35 and er = 4.3, T = 0, rho = 0.0175 and ur = 1).
TEST_P(ImpedanceCliTopology, ComputesTheTopology)
{
    const CliResult result = runKalvoCli(QStringList{"impedance"} + GetParam().args);
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.startsWith(QByteArray("\n") + GetParam().start)) << result.out.toStdString();
    EXPECT_TRUE(result.out.endsWith('\n'));
}

INSTANTIATE_TEST_SUITE_P(
    Topologies, ImpedanceCliTopology,
    testing::Values(TopologyCase{"Microstrip", {"Microstrip", "1.6", "3"}, "Z\t= 50.724 "},
                    TopologyCase{"MicrostripByNumber", {"1", "1.6", "3", "35", "4.3"}, "Z\t= 50.724 "},
                    TopologyCase{"EmbeddedMicrostrip", {"emb. microstrip", "0.2", "0.4", "0.3"}, "Hogan Formula:\n"},
                    TopologyCase{"Stripline", {"Stripline", "1.6", "0.5"}, "Z\t= 56.930 "},
                    TopologyCase{"OffsetStripline", {"3", "0.2", "0.5", "0.15"}, "Seymour Formula:\nZ\t= 58.406 "},
                    TopologyCase{"Differential", {"9", "0.2", "0.3", "50"}, "Zdm\t= 88.627 "},
                    TopologyCase{"WireAboveGround", {"Wire above GND", "0.5", "2", "1"}, "Z\t= 166.355 "},
                    TopologyCase{"TwistedPair", {"Twisted Pair", "0.5", "0.9", "1"}, "Z\t= 143.050 "},
                    TopologyCase{"Coax", {"6", "1", "3.5", "2.25"}, "Z\t= 50.111 "},
                    TopologyCase{"SkinEffect", {"Skin Effect", "1", "0.0175", "1", "50"}, "d\t= 9.416 "},
                    // rho and ur default, f is empty: infinite depth (an empty rho gives NaN).
                    TopologyCase{"SkinEffectWithDefaults", {" skin EFFECT ", "1"}, "d\t= +infinity "},
                    TopologyCase{"SkinEffectEmptyResistivity", {"7", "1", "", "1", "50"}, "ds\t= 0.0 "}),
    [](const testing::TestParamInfo<TopologyCase>& info) { return std::string(info.param.name); });

TEST(ImpedanceCli, MoreDigitsKeepsThousandthsInFixedForm)
{
    const CliResult result = runKalvoCli({"impedance", "Skin Effect", "1", "0.0175", "1", "1e6", "--more-digits"});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.out.startsWith("\nds\t= 0.066579289455147\tmm\t")) << result.out.toStdString();
}

TEST(ImpedanceCli, RejectsASixthValue)
{
    const CliResult result = runKalvoCli({"impedance", "Coax", "1", "2", "3", "4", "5", "6"});
    expectOneLineError(result);
}

} // namespace
} // namespace kalvo::test
