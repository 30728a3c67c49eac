#include "impedance_program.h"
#include "impedance_reports.h"
#include "quantity_checks.h"
#include "report_cases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

// The numbers each report records beside its text.
namespace kalvo::impedance {
namespace {

using test::ExpectedQuantity;
using Expected = std::vector<ExpectedQuantity>;

// Z, L, C and pd of one formula's block.
Expected lineKeys(const QString& suffix = {}, const QString& block = {})
{
    return {{QStringLiteral("Z") + suffix, units::ohm, block},
            {QStringLiteral("L") + suffix, units::nanohenryPerMetre, block},
            {QStringLiteral("C") + suffix, units::picofaradPerMetre, block},
            {QStringLiteral("pd") + suffix, units::nanosecondPerMetre, block}};
}

using test::QuantityCase;

class ImpedanceQuantityTest : public testing::TestWithParam<QuantityCase> { };

// With 15 digits the printed number carries the recorded value to 1e-12.
TEST_P(ImpedanceQuantityTest, RecordsEveryPrintedNumberAndStatement)
{
    const QuantityCase& c = GetParam();
    test::expectQuantityCase(impedanceProgram(), c, true);
}

INSTANTIATE_TEST_SUITE_P(
    Topologies, ImpedanceQuantityTest,
    testing::Values(QuantityCase{"Microstrip",
                                 microstripReport,
                                 {"1.6", "3", "35", "4.3"},
                                 lineKeys() + Expected{{"Zc", units::ohm, {}}},
                                 {"Accuracy is better than 2 percent."}},
                    QuantityCase{
                        "EmbeddedMicrostripCoverAtHeight",
                        embeddedMicrostripReport,
                        {"0.2", "0.2", "0.3", "35", "4.3"},
                        lineKeys("_Hogan", "Hogan Formula") + lineKeys("_IPC", "IPC-D-317A (Modified) Formula"),
                        {"No accuracy is granted.",
                         "**** Warning **** Accuracy is questionable, b1 should be >1.2*b and er should be between "
                         "1...15!"}},
                    QuantityCase{"StriplineThick",
                                 striplineReport,
                                 {"1.6", "1", "250", "4.3"},
                                 lineKeys(),
                                 {"**** Warning **** Accuracy is questionable, probably worse than 2 percent!"}},
                    QuantityCase{"OffsetStripline",
                                 offsetStriplineReport,
                                 {"0.2", "0.5", "0.15", "35", "4.3"},
                                 lineKeys("_Seymour", "Seymour Formula") + lineKeys("_Hogan", "Hogan Formula"),
                                 {"No accuracy is guaranteed for both formulas."}},
                    QuantityCase{"Differential",
                                 differentialReport,
                                 {"0.2", "0.3", "50"},
                                 {{"Zdm", units::ohm, {}}, {"Zds", units::ohm, {}}},
                                 {"No accuracy is granted."}},
                    QuantityCase{"WireAboveGround", wireAboveGroundReport, {"0.5", "2", "1"}, lineKeys(), {}},
                    QuantityCase{"TwistedPair",
                                 twistedPairReport,
                                 {"0.5", "0.9", "3.5", "40"},
                                 lineKeys("_LeffersonHard", "Lefferson formula for hard insulation")
                                     + lineKeys("_LeffersonSoft", "Lefferson formula for soft insulation (PTFE)")
                                     + lineKeys("_BroxonLinkhart", "Broxon, Linkhart formula")
                                     + lineKeys("_Embedded", "For wires fully embedded in material of er"),
                                 {"Broxon, Linkhart formula, correctness is not sure"}},
                    QuantityCase{"Coax", coaxReport, {"1", "3.5", "2.25"}, lineKeys(), {}},
                    QuantityCase{"SkinEffectThickWire",
                                 skinEffectReport,
                                 {"1", "0.0175", "1", "1e6"},
                                 {{"ds", units::millimetre, {}},
                                  {"Aw", units::squareMillimetre, {}},
                                  {"Ae", units::squareMillimetre, {}},
                                  {"delta", units::none, {}}},
                                 {}},
                    // The report prints the depth as "d" here; its key stays that of the other branch.
                    QuantityCase{"SkinEffectThinWire",
                                 skinEffectReport,
                                 {"1", "0.0175", "1", "50"},
                                 {{"ds", units::millimetre, {}}, {"Aw", units::squareMillimetre, {}}},
                                 {"Resistance rise is not strong for this wire (<30%)"}}),
    [](const testing::TestParamInfo<QuantityCase>& info) { return std::string(info.param.name); });

// SI values against the textbook formulas, worked by hand.
struct HandCase {
    const char* name;
    ReportFunction report;
    QStringList inputs;
    const char* key;
    double expected; // SI
    double relativeTolerance;
};

void PrintTo(const HandCase& c, std::ostream* os)
{
    *os << c.name;
}

class ImpedanceHandTest : public testing::TestWithParam<HandCase> { };

TEST_P(ImpedanceHandTest, MatchesTheTextbook)
{
    const HandCase& c = GetParam();
    const Report report = test::evaluate(impedanceProgram(), c.report, c.inputs, true);
    const Quantity* q = report.quantity(QString::fromUtf8(c.key));
    ASSERT_NE(q, nullptr);
    EXPECT_NEAR(q->value, c.expected, std::abs(c.expected) * c.relativeTolerance);
}

// The coax line of d1 = 1, d2 = 3.5, er = 2.25: Z0 = 60 ln(3.5) / 1.5 = 50.11 ohm;
// L = Z0 sqrt(er) / c0 = 250.7 nH/m, C = sqrt(er) / (Z0 c0) = 99.85 pF/m,
// pd = sqrt(er) / c0 = 5.003 ns/m. The reports take light as 8.4723e-11 s per inch,
// 2.6e-5 faster than c0, hence 1e-4 for L, C and pd.
constexpr double c0 = 299792458.0;
const double coaxZ = 60.0 * std::log(3.5) / 1.5;

INSTANTIATE_TEST_SUITE_P(
    Textbook, ImpedanceHandTest,
    testing::Values(
        HandCase{"CoaxImpedance", coaxReport, {"1", "3.5", "2.25"}, "Z", coaxZ, 1e-12},
        HandCase{"CoaxInductance", coaxReport, {"1", "3.5", "2.25"}, "L", coaxZ * 1.5 / c0, 1e-4},
        HandCase{"CoaxCapacitance", coaxReport, {"1", "3.5", "2.25"}, "C", 1.5 / (coaxZ * c0), 1e-4},
        HandCase{"CoaxDelay", coaxReport, {"1", "3.5", "2.25"}, "pd", 1.5 / c0, 1e-4},
        // Z0 = 60 ln(4 h / d) / sqrt(er) = 60 ln 16 = 166.36 ohm.
        HandCase{"WireAboveGround", wireAboveGroundReport, {"0.5", "2", "1"}, "Z", 60.0 * std::log(16.0), 1e-12},
        // Two wires in one dielectric: Z0 = 120 acosh(S/d) / sqrt(er) = 120 acosh(1.8) / sqrt(3.5) = 76.52 ohm.
        HandCase{"WiresInDielectric",
                 twistedPairReport,
                 {"0.5", "0.9", "3.5", "40"},
                 "Z_Embedded",
                 120.0 * std::acosh(1.8) / std::sqrt(3.5),
                 1e-12},
        // delta = sqrt(rho / (pi f mu0)) = sqrt(1.75e-8 / (pi 1e6 4e-7 pi)) = 66.58 um.
        HandCase{"SkinDepthOfCopper",
                 skinEffectReport,
                 {"1", "0.0175", "1", "1e6"},
                 "ds",
                 std::sqrt(1.75e-8 / (std::numbers::pi * 1e6 * 4e-7 * std::numbers::pi)),
                 1e-12},
        // A 1 mm wire: Aw = pi (0.5 mm)^2 = 0.7854 mm2 = 7.854e-7 m2.
        HandCase{"WireArea", skinEffectReport, {"1", "0.0175", "1", "1e6"}, "Aw", std::numbers::pi * 0.25e-6, 1e-12}),
    [](const testing::TestParamInfo<HandCase>& info) { return std::string(info.param.name); });

// Keys are what --solve and JSON name a result by: unique, ASCII without blanks, and the
// shown text stands in the report, whatever is typed.
TEST(ImpedanceQuantities, KeysAreUniqueAndShownTextsStandInEveryReport)
{
    const QStringList typed[] = {{"", "", "", "", ""}, {"nan", "nan", "nan", "nan", "nan"}, {"1", "2", "3", "4", "5"}};
    for (const Topology& topology : impedanceProgram().topologies) {
        std::vector<Report> reports{topology.report(impedanceProgram().startInput(topology))};
        for (const QStringList& inputs : typed)
            reports.push_back(test::evaluate(impedanceProgram(), topology.report, inputs));
        for (const Report& report : reports) {
            SCOPED_TRACE(topology.buttonText);
            test::expectKeysAndTextsAgree(report);
        }
    }
}

// Each visible field's unit is the one its description gives as "label\t[unit]".
TEST(ImpedanceTopologies, FieldUnitsAreThoseOfTheDescription)
{
    for (const Topology& topology : impedanceProgram().topologies) {
        const QStringList lines = QString::fromUtf8(topology.description).split(QLatin1Char('\n'));
        for (int n = 1; n <= topology.visibleInputs; ++n) {
            const QString prefix = topology.fieldLabel(n) + QStringLiteral("\t[");
            const auto line = std::find_if(lines.begin(), lines.end(),
                                           [&prefix](const QString& l) { return l.startsWith(prefix); });
            ASSERT_NE(line, lines.end()) << topology.buttonText << ' ' << n;
            const QString described = line->mid(prefix.size()).section(QLatin1Char(']'), 0, 0);
            EXPECT_EQ(described, QString::fromUtf8(topology.unit(n).shown)) << topology.buttonText << ' ' << n;
        }
    }
}

} // namespace
} // namespace kalvo::impedance
