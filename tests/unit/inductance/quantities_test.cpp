#include "inductance_program.h"
#include "inductance_reports.h"
#include "quantity_checks.h"
#include "report_cases.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace kalvo::inductance {
namespace {

using test::ExpectedQuantity;
using test::ReportCase;

// One branch of a report: the keys it records in order, with their printed units, and
// the warnings it records.
struct QuantityCase {
    ReportCase report;
    std::vector<ExpectedQuantity> quantities; // keys and printed units
    QStringList warnings;
};

void PrintTo(const QuantityCase& c, std::ostream* os)
{
    *os << c.report.name;
}

const QString poorAccuracy = QStringLiteral("Accuracy is expected to be poor!");
const QString questionableSingle
    = QStringLiteral("Questionable accuracy because of coile core is not air or or coil dimensions are unusual!");
const QString questionableMulti
    = QStringLiteral("Questionable accuracy because of coile core is not air or coil dimensions are unusual!");
const QString thicknessDominant
    = QStringLiteral("Shield thickness is dominant, try to increase shield thickness for better results.");
const QString slotDominant = QStringLiteral("Slot length is dominant, try to shorten the slots for better results.");

class InductanceQuantities : public testing::TestWithParam<QuantityCase> { };

// Each printed number is recorded once, under a unique key, with the unit it is printed in
// and its SI value the printed number in that unit, with either number of digits.
TEST_P(InductanceQuantities, RecordEveryPrintedNumberAndWarning)
{
    const QuantityCase& c = GetParam();
    for (const bool moreDigits : {false, true}) {
        SCOPED_TRACE(moreDigits ? "more digits" : "normal digits");
        const Report report = test::evaluate(inductanceProgram(), c.report.report, c.report.inputs, moreDigits);
        test::expectRecordedAsPrinted(report, c.quantities, c.warnings);
        EXPECT_TRUE(report.ok);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Branches, InductanceQuantities,
    testing::Values(
        QuantityCase{{"CircularLoop", circularLoopReport, {"1", "100"}}, {{"L", units::nanohenry}}, {}},
        QuantityCase{{"RectangularLoop", rectangularLoopReport, {"25.4", "254", "254"}}, {{"L", units::nanohenry}}, {}},
        QuantityCase{
            {"LoopMutualFarApart", loopMutualReport, {"645.16", "645.16", "254"}}, {{"L", units::nanohenry}}, {}},
        QuantityCase{{"LoopMutualClose", loopMutualReport, {"645.16", "645.16", "25.4"}},
                     {{"L", units::nanohenry}},
                     {poorAccuracy}},
        QuantityCase{{"LineMutual", lineMutualReport, {"2", "1", "600", "250"}}, {{"L", units::nanohenry}}, {}},
        QuantityCase{{"SingleLayerNanohenry", singleLayerCoilReport, {"10", "10", "10", "1.0"}},
                     {{"L", units::nanohenry}, {"k", units::ratio}},
                     {}},
        QuantityCase{{"SingleLayerMicrohenryQuestionable", singleLayerCoilReport, {"100", "10", "10", "2"}},
                     {{"L", units::microhenry}, {"k", units::ratio}},
                     {questionableSingle}},
        QuantityCase{{"MultiLayerLongNanohenry", multiLayerCoilReport, {"10", "10", "14", "20", "1.0"}},
                     {{"L", units::nanohenry}},
                     {}},
        QuantityCase{{"MultiLayerShortMicrohenry", multiLayerCoilReport, {"100", "10", "30", "20", "1.0"}},
                     {{"L", units::microhenry}},
                     {}},
        QuantityCase{{"MultiLayerQuestionable", multiLayerCoilReport, {"10", "10", "20", "20", "1.0"}},
                     {{"L", units::nanohenry}},
                     {questionableMulti}},
        QuantityCase{{"OptimizedCoilOhm", optimizedCoilReport, {"100", "0.5"}},
                     {{"N", units::none},
                      {"l", units::metre},
                      {"R", units::ohm},
                      {"C", units::millimetre},
                      {"2C", units::millimetre},
                      {"4C", units::millimetre}},
                     {}},
        QuantityCase{{"OptimizedCoilMilliohm", optimizedCoilReport, {"1", "1"}},
                     {{"N", units::none},
                      {"l", units::metre},
                      {"R", units::milliohm},
                      {"C", units::millimetre},
                      {"2C", units::millimetre},
                      {"4C", units::millimetre}},
                     {}},
        QuantityCase{{"ToroidNanohenry", toroidReport, {"20", "5", "5", "10", "1.0"}},
                     {{"L1", units::nanohenry}, {"L2", units::nanohenry}},
                     {}},
        QuantityCase{{"ToroidMicrohenry", toroidReport, {"20", "5", "5", "50", "1.0186"}},
                     {{"L1", units::microhenry}, {"L2", units::microhenry}},
                     {}},
        QuantityCase{{"ShieldingThicknessDominant", shieldingReport, {"0.2", "0.0175", "1.0", "1e6", "10"}},
                     {{"ds", units::millimetre},
                      {"Hx/Ho", units::ratio},
                      {"Hx/Ho_dB", units::decibel},
                      {"Hx/Hs", units::decibel}},
                     {thicknessDominant}},
        QuantityCase{{"ShieldingSlotDominant", shieldingReport, {"0.2", "0.0175", "1.0", "100e6", "1000"}},
                     {{"ds", units::millimetre},
                      {"Hx/Ho", units::ratio},
                      {"Hx/Ho_dB", units::decibel},
                      {"Hx/Hs", units::decibel}},
                     {slotDominant}}),
    [](const testing::TestParamInfo<QuantityCase>& info) { return std::string(info.param.report.name); });

struct HandValue {
    const char* name;
    ReportCase report;
    const char* key;
    double si;
    double relativeTolerance;
};

void PrintTo(const HandValue& c, std::ostream* os)
{
    *os << c.name;
}

class InductanceHandValues : public testing::TestWithParam<HandValue> { };

TEST_P(InductanceHandValues, SiValueMatchesTheHandComputation)
{
    const HandValue& c = GetParam();
    const Report report = test::evaluate(inductanceProgram(), c.report.report, c.report.inputs, true);
    const Quantity* q = report.quantity(QString::fromUtf8(c.key));
    ASSERT_NE(q, nullptr);
    EXPECT_NEAR(q->value, c.si, c.relativeTolerance * std::fabs(c.si));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, InductanceHandValues,
    testing::Values(
        // mu0 (x/2) (ln(8x/d) - 2) = 4 pi 1e-7 * 0.05 * (ln 800 - 2) = 2.943428e-7 H
        HandValue{"CircularLoop", {"", circularLoopReport, {"1", "100"}}, "L", 2.943428e-7, 1e-6},
        // mu0 A^2 / (2 pi r^3) = 2e-7 * (6.4516e-4)^2 / 0.254^3 = 5.08e-12 H
        HandValue{"LoopMutual", {"", loopMutualReport, {"645.16", "645.16", "254"}}, "L", 5.08e-12, 1e-9},
        // k mu0 N^2 pi D^2 / (4 l) with k = 7.6 log10(22.4) / (1.52 pi^2) = 0.684044: 6.751240e-7 H
        HandValue{"SingleLayer", {"", singleLayerCoilReport, {"10", "10", "10", "1.0"}}, "L", 6.751240e-7, 1e-6},
        // 0.0105 * 100^2 * 2 cm * (2 / 6)^0.75 uH = 92.12518 uH
        HandValue{
            "MultiLayerShort", {"", multiLayerCoilReport, {"100", "10", "30", "20", "1.0"}}, "L", 92.12518e-6, 1e-6},
        // 0.00801 (1e6 / 0.5^8)^0.2 = 0.384840 Ohm
        HandValue{"OptimizedCoilResistance", {"", optimizedCoilReport, {"100", "0.5"}}, "R", 0.384840, 1e-5},
        HandValue{"OptimizedCoilWindings", {"", optimizedCoilReport, {"100", "0.5"}}, "N", 85.0, 0.0},
        // mu0 ur N^2 (pi d^2 / 4) / (pi D) = 4 pi 1e-7 * 1.0186 * 2500 * 25e-6 / (4 * 0.02) = 1.000008e-6 H
        HandValue{"ToroidRound", {"", toroidReport, {"20", "5", "5", "50", "1.0186"}}, "L1", 1.000008e-6, 1e-6},
        // mu0 N^2 h / (2 pi) ln(25 / 15) = 2e-7 * 100 * 0.005 * 0.5108256 = 5.108256e-8 H
        HandValue{"ToroidRectangular", {"", toroidReport, {"20", "5", "5", "10", "1.0"}}, "L2", 5.108256e-8, 1e-6},
        // sqrt(rho / (pi f mu0)) = sqrt(1.75e-8 / (pi 1e6 4 pi 1e-7)) = 6.657929e-5 m
        HandValue{"SkinDepth", {"", shieldingReport, {"0.2", "0.0175", "1.0", "1e6", "10"}}, "ds", 6.657929e-5, 1e-6},
        // 20 log10(299.792458 m / 0.02 m) = 83.51581 dB
        HandValue{
            "SlotAttenuation", {"", shieldingReport, {"0.2", "0.0175", "1.0", "1e6", "10"}}, "Hx/Hs", 83.51581, 1e-6}),
    [](const testing::TestParamInfo<HandValue>& info) { return std::string(info.param.name); });

} // namespace
} // namespace kalvo::inductance
