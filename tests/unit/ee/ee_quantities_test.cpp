#include "ee_program.h"
#include "ee_reports.h"
#include "quantity_checks.h"
#include "report_cases.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <cmath>
#include <numbers>

// The numbers and statements each report records beside its text.
namespace kalvo::ee {
namespace {

using test::ExpectedQuantity;

using test::QuantityCase;

class EeQuantityTest : public testing::TestWithParam<QuantityCase> { };

TEST_P(EeQuantityTest, RecordsEveryPrintedNumberAndStatement)
{
    const QuantityCase& c = GetParam();
    test::expectQuantityCase(eeProgram(), c, true);
}

const std::vector<ExpectedQuantity> probeKeys{
    {"Fr", units::megahertz}, {"Q", units::none}, {"Trm", units::nanosecond}, {"Trs", units::nanosecond}};
const std::vector<ExpectedQuantity> lineKeys{
    {"Ll", units::nanohenry},  {"Cl", units::picofarad},    {"tpn", units::nanosecondPerMetre},
    {"tp", units::nanosecond}, {"2*tp", units::nanosecond}, {"lr", units::millimetre},
    {"x", units::none}};
const std::vector<ExpectedQuantity> coefficientKeys{
    {"a", units::perKelvin}, {"b", units::perSquareKelvin}, {"c", units::perKelvinToTheFourth}};

const QString rangeWarning = QStringLiteral(
    "*** Warning: Temperature is outside the specified range (-200°C...850°C) *** No accuracy is granted!");

INSTANTIATE_TEST_SUITE_P(
    Branches, EeQuantityTest,
    testing::Values(
        QuantityCase{"ProbeHighQAbovePassband",
                     scopeProbeReport,
                     {"100", "10", "30", "100"},
                     probeKeys,
                     {"Circuit will probably not show ringing because Resonant Frequency is above Probe Passband."}},
        QuantityCase{"ProbeHighQInPassband",
                     scopeProbeReport,
                     {"100", "10", "30", "200"},
                     probeKeys,
                     {"Circuit will show noticeable ringing with signal risetimes smaller than Trm!"}},
        QuantityCase{"ProbeLowQInPassband",
                     scopeProbeReport,
                     {"100", "10", "1000", "200"},
                     probeKeys,
                     {"Circuit will probably not show noticeable ringing because of low circuit Q, but fastest "
                      "measurable signal risetime is Trm."}},
        QuantityCase{"ProbeLowQAbovePassband",
                     scopeProbeReport,
                     {"100", "10", "1000", "100"},
                     probeKeys,
                     {"Circuit will not show ringing because Resonant Frequency is above Probe Passband and Circuit "
                      "Q is low."}},
        QuantityCase{"BoardCrosstalk",
                     boardCrosstalkReport,
                     {"1", "5", "50", "50", "10"},
                     {{"Sdi", units::amperePerMicrosecond},
                      {"Ldi", units::amperePerMicrosecond},
                      {"Vcs", units::millivolt},
                      {"Vcl", units::millivolt}},
                     {"Be careful with these results as crosstalk is not easy to estimate and dependent on various "
                      "parameters!"}},
        QuantityCase{"CableCrosstalk",
                     cableCrosstalkReport,
                     {"1", "1", "10", "100", "5"},
                     {{"Kr", units::percent}},
                     {"Forward coupling is hard to predict, but smaller than reverse coupling."}},
        QuantityCase{"RibbonCrosstalk", ribbonCrosstalkReport, {"1", "2", "0.07"}, {{"Kr", units::percent}}, {}},
        QuantityCase{
            "BulkDecoupling",
            bulkDecouplingReport,
            {"1000", "5", "1", "100", "10"},
            {{"di", units::ampere}, {"Xmax", units::ohm}, {"Fpsw", units::megahertz}, {"Cb", units::microfarad}},
            {"Bulk capacitor ESR should not exceed Xmax."}},
        QuantityCase{"HfDecoupling",
                     hfDecouplingReport,
                     {"0.5", "10", "1.5", "1"},
                     {{"Fbm", units::megahertz},
                      {"Lmax", units::nanohenry},
                      {"N", units::none},
                      {"Ca", units::nanofarad},
                      {"Cd", units::nanofarad}},
                     {}},
        QuantityCase{"DigitalSpectrum",
                     digitalSpectrumReport,
                     {"100", "5"},
                     {{"F1", units::megahertz},
                      {"F2", units::megahertz},
                      {"A2", units::decibel},
                      {"N", units::megahertz},
                      {"fko", units::megahertz}},
                     {"A system with a bandwith up to F2 will not significantly disort the signal."}},
        QuantityCase{"DigitalSpectrumRiseTimeLongerThanClock",
                     digitalSpectrumReport,
                     {"5", "100"},
                     {},
                     {"T must be greater than Ta"},
                     false},
        QuantityCase{"DigitalLineDistributed",
                     digitalLineReport,
                     {"500", "100", "100", "1"},
                     lineKeys,
                     {"Line should be modelled as distributed system (Transmission-Line, probably some sort of "
                      "termination is required)"}},
        QuantityCase{"DigitalLineLumped",
                     digitalLineReport,
                     {"500", "100", "10", "1"},
                     lineKeys,
                     {"Line may be modelled as lumped system (RC-Line, probably no termination is required)"}},
        QuantityCase{"RtdResistance",
                     platinumRtdReport,
                     {"", "100", "1000", "3850"},
                     coefficientKeys + std::vector<ExpectedQuantity>{{"Rt", units::ohm}},
                     {}},
        QuantityCase{"RtdResistanceOutsideTheRange",
                     platinumRtdReport,
                     {"", "900", "1000", "3850"},
                     coefficientKeys + std::vector<ExpectedQuantity>{{"Rt", units::ohm}},
                     {rangeWarning}},
        QuantityCase{"RtdTemperatureAboveZero",
                     platinumRtdReport,
                     {"1385.055", "", "1000", "3850"},
                     coefficientKeys + std::vector<ExpectedQuantity>{{"T", units::degreeCelsius}},
                     {}},
        QuantityCase{"RtdTemperatureWithoutCTerm",
                     platinumRtdReport,
                     {"500", "", "1000", "3770"},
                     coefficientKeys + std::vector<ExpectedQuantity>{{"T", units::degreeCelsius}},
                     {}},
        QuantityCase{"RtdTemperatureByBisection",
                     platinumRtdReport,
                     {"602.56", "", "1000", "3850"},
                     coefficientKeys + std::vector<ExpectedQuantity>{{"T", units::degreeCelsius}, {"diff", units::ohm}},
                     {}},
        QuantityCase{"RtdBisectionWithoutConvergence",
                     platinumRtdReport,
                     {"500", "", "nan", "3850"},
                     coefficientKeys + std::vector<ExpectedQuantity>{{"T", units::degreeCelsius}, {"diff", units::ohm}},
                     {"No convergence!"}},
        QuantityCase{"RtdBelowTheSearchedInterval",
                     platinumRtdReport,
                     {"50", "", "1000", "3850"},
                     coefficientKeys,
                     {"*** Error: Temperature is outside the specified Range! (lower than -200°C) ***"},
                     false},
        QuantityCase{"RtdBothGiven",
                     platinumRtdReport,
                     {"1000", "100", "1000", "3850"},
                     {},
                     {"Please enter a correct value for ether R or T but not both at the same time!"},
                     false},
        QuantityCase{"RtdUnknownAlpha",
                     platinumRtdReport,
                     {"", "100", "1000", "3851"},
                     {},
                     {"Please enter a valid Alpha value: 3750, 3770 or 3850 ppm/K"},
                     false}),
    [](const testing::TestParamInfo<QuantityCase>& info) { return std::string(info.param.name); });

struct SiCase {
    const char* name;
    ReportFunction report;
    QStringList inputs;
    const char* key;
    double expected; // SI, worked out by hand as stated
    double tolerance; // relative
};

void PrintTo(const SiCase& c, std::ostream* os)
{
    *os << c.name;
}

class EeSiValueTest : public testing::TestWithParam<SiCase> { };

TEST_P(EeSiValueTest, AgreesWithTheHandComputation)
{
    const SiCase& c = GetParam();
    const Report report = test::evaluate(eeProgram(), c.report, c.inputs);
    const Quantity* q = report.quantity(QString::fromUtf8(c.key));
    ASSERT_NE(q, nullptr) << report.text.toStdString();
    EXPECT_NEAR(q->value, c.expected, c.tolerance * std::fabs(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    HandComputed, EeSiValueTest,
    testing::Values(
        // 1 / (2 pi sqrt(100 nH * 10 pF)) = 1e9 / (2 pi) Hz
        SiCase{
            "ProbeResonance", scopeProbeReport, {"100", "10", "30", "100"}, "Fr", 1e9 / (2 * std::numbers::pi), 1e-12},
        // 2.2 * 30 Ohm * 10 pF
        SiCase{"ProbeRcRiseTime", scopeProbeReport, {"100", "10", "30", "100"}, "Trs", 6.6e-10, 1e-12},
        // 1.52 * 5 V * 50 pF / (1 ns)^2
        SiCase{"BoardShortLineSlope", boardCrosstalkReport, {"1", "5", "50", "50", "10"}, "Sdi", 3.8e8, 1e-12},
        // 10 nH * 5 V / (1 ns * 50 Ohm)
        SiCase{"BoardLongLineCrosstalk", boardCrosstalkReport, {"1", "5", "50", "50", "10"}, "Vcl", 1.0, 1e-12},
        // Xmax = 100 mV * 1 ns / (1000 pF * 5 V) = 0.02 Ohm; Cb = Lp / Xmax^2 = 10 nH / 4e-4
        SiCase{"BulkCapacitor", bulkDecouplingReport, {"1000", "5", "1", "100", "10"}, "Cb", 25e-6, 1e-12},
        // 0.5 Ohm * 1 ns / pi
        SiCase{"HfSeriesInductance",
               hfDecouplingReport,
               {"0.5", "10", "1.5", "1"},
               "Lmax",
               0.5e-9 / std::numbers::pi,
               1e-12},
        // 0.5 / 5 ns
        SiCase{"SpectrumKnee", digitalSpectrumReport, {"100", "5"}, "F2", 1e8, 1e-12},
        // -20 log10(100 MHz / 5 MHz) - 6.8
        SiCase{"SpectrumAttenuation", digitalSpectrumReport, {"100", "5"}, "A2", -32.82059991327962, 1e-12},
        // sqrt(500 nH/m * 100 pF/m) = sqrt(5e-17) s/m
        SiCase{"LineDelayPerMetre", digitalLineReport, {"500", "100", "100", "1"}, "tpn", 7.0710678118654752e-9, 1e-12},
        // 1 ns / 7.0710678 ns/m
        SiCase{"LineRiseTimeLength", digitalLineReport, {"500", "100", "100", "1"}, "lr", 0.14142135623730950, 1e-12},
        // EN 60751 table value of a Pt100 at 100 degC: 100 * (1 + 0.39083 - 0.005775)
        SiCase{"Pt100At100Degrees", platinumRtdReport, {"", "100", "100", "3850"}, "Rt", 138.5055, 1e-12},
        SiCase{"Pt100Reading138Ohm", platinumRtdReport, {"138.5055", "", "100", "3850"}, "T", 100.0, 1e-12},
        // EN 60751 at -100 degC: 100 * (1 - 0.39083 - 0.005775 - 0.0008366) = 60.25584 Ohm
        SiCase{"Pt100ReadingBelowZero", platinumRtdReport, {"60.25584", "", "100", "3850"}, "T", -100.0, 1e-10},
        // the coefficient A of EN 60751
        SiCase{"CoefficientA", platinumRtdReport, {"", "0", "100", "3850"}, "a", 3.9083e-3, 0.0}),
    [](const testing::TestParamInfo<SiCase>& info) { return std::string(info.param.name); });

// Each field's unit in the table is the one its description gives ("Lp\t[nH]\t...").
TEST(EeTopologyUnits, AreTheUnitsTheDescriptionsGive)
{
    for (const Topology& topology : eeProgram().topologies) {
        const QString description = QString::fromUtf8(topology.description);
        for (int field = 1; field <= topology.visibleInputs; ++field) {
            const QString label = topology.fieldLabel(field);
            const QRegularExpression line(
                QStringLiteral("(^|\\n) ?%1\\t\\[([^\\]]*)\\]").arg(QRegularExpression::escape(label)));
            const QRegularExpressionMatch match = line.match(description);
            ASSERT_TRUE(match.hasMatch()) << topology.buttonText << " " << label.toStdString();
            EXPECT_EQ(match.captured(2).compare(QString::fromUtf8(topology.unit(field).shown), Qt::CaseInsensitive), 0)
                << topology.buttonText << " " << label.toStdString();
        }
    }
}

} // namespace
} // namespace kalvo::ee
