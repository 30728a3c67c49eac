#include "match_network.h"
#include "quantity_checks.h"
#include "rc_program.h"
#include "rc_reports.h"
#include "report_cases.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace kalvo::rc {
namespace {

using test::ExpectedQuantity;

using test::QuantityCase;

class RcQuantities : public testing::TestWithParam<QuantityCase> { };

// Each printed number is recorded once, in printed order, with its unit, and each remark
// about the result is recorded as a warning.
TEST_P(RcQuantities, RecordEveryPrintedNumberAndRemark)
{
    const QuantityCase& c = GetParam();
    for (const bool moreDigits : {false, true}) {
        SCOPED_TRACE(moreDigits ? "more digits" : "normal digits");
        test::expectQuantityCase(rcProgram(), c, moreDigits);
    }
}

const std::vector<ExpectedQuantity> twoRealPoles{
    {"RE", units::perSecond}, {"RE2", units::perSecond}, {"IM", units::perSecond}, {"Fnatural", units::hertz},
    {"D", units::ratio},      {"T1", units::second},     {"T2", units::second}};
const std::vector<ExpectedQuantity> complexPoleHead{{"RE", units::perSecond},   {"IM", units::perSecond},
                                                    {"Fnatural", units::hertz}, {"Foszillate", units::hertz},
                                                    {"D", units::ratio},        {"T", units::second}};
const std::vector<ExpectedQuantity> singlePole{
    {"RE", units::perSecond}, {"IM", units::perSecond}, {"Fnatural", units::hertz}, {"T", units::second}};
const std::vector<ExpectedQuantity> realMatchHead{{"d", units::decibel},    {"d_ratio", units::ratio},
                                                  {"Ze", units::ohm},       {"Za", units::ohm},
                                                  {"dmax", units::decibel}, {"dmax_ratio", units::ratio}};
const std::vector<ExpectedQuantity> mtbf{
    {"MTBF", units::hour}, {"FIT", units::failuresInTime}, {"Lambda", units::perHour},  {"prob(t)", units::percent},
    {"AF", units::ratio},  {"MTBF(T2)", units::hour},      {"prob2(t)", units::percent}};
const char* const exponentialFailures = "For probability of Failure an exponential failure distribution is assumed.";
const char* const matchFailure = "Failure in calculation, probably wrong inputs!";

// R1 to R3 of a matching network, each with its imaginary part where complex.
std::vector<ExpectedQuantity> elements(const char* block, bool complex)
{
    const std::array<const char*, 3> real{"R1", "R2", "R3"};
    const std::array<const char*, 3> imaginary{"R1_im", "R2_im", "R3_im"};
    std::vector<ExpectedQuantity> result;
    for (size_t i = 0; i < real.size(); ++i) {
        result.push_back({real[i], units::ohm, block});
        if (complex)
            result.push_back({imaginary[i], units::ohm, block});
    }
    return result;
}

INSTANTIATE_TEST_SUITE_P(
    EveryBranch, RcQuantities,
    testing::Values(
        QuantityCase{"Rc",
                     rcReport,
                     {"1000", "1e-6"},
                     {{"R", units::ohm},
                      {"C", units::farad},
                      {"T", units::second},
                      {"6.9T", units::second},
                      {"Ta", units::second},
                      {"F3db", units::hertz},
                      {"F20db", units::hertz},
                      {"Fhighpass", units::hertz}},
                     {}},
        QuantityCase{"RlcOscillating",
                     serialRlcReport,
                     {"10", "1e-6", "1e-3"},
                     {{"R", units::ohm},
                      {"C", units::farad},
                      {"L", units::henry},
                      {"Fnatural", units::hertz},
                      {"D", units::ratio},
                      {"Fresonance", units::hertz},
                      {"Bandwidth", units::hertz},
                      {"Q", units::ratio},
                      {"Overshot", units::percent},
                      {"T", units::second}},
                     {"Circuit shows oszillation"}},
        QuantityCase{"RlcOverdamped",
                     serialRlcReport,
                     {"100", "1e-6", "1e-3"},
                     {{"R", units::ohm},
                      {"C", units::farad},
                      {"L", units::henry},
                      {"Fnatural", units::hertz},
                      {"D", units::ratio},
                      {"Bandwidth", units::hertz},
                      {"Q", units::ratio},
                      {"T1", units::second},
                      {"T2", units::second}},
                     {"No Oscillation"}},
        QuantityCase{"DoublePoleRealStable",
                     doublePoleReport,
                     {"-1000", "", "-2000"},
                     twoRealPoles,
                     {"No Oscillation / Stable"}},
        QuantityCase{"DoublePoleRealUnstable", doublePoleReport, {"-1000", "0", "500"}, twoRealPoles, {"Instable"}},
        QuantityCase{"DoublePoleComplexStable",
                     doublePoleReport,
                     {"-100", "1000"},
                     complexPoleHead
                         + std::vector<ExpectedQuantity>{{"Overshot", units::percent}, {"Ta", units::second}},
                     {"Stable"}},
        QuantityCase{"DoublePoleComplexUnstable", doublePoleReport, {"100", "1000"}, complexPoleHead, {"Instable"}},
        QuantityCase{"SinglePoleStable", singlePoleReport, {"-1000"}, singlePole, {"No Oscillation / Stable"}},
        QuantityCase{"SinglePoleUnstable", singlePoleReport, {"1000"}, singlePole, {"Intable"}},
        QuantityCase{"Groundplane",
                     groundplaneReport,
                     {"10", "1", "2", "35", "60"},
                     {{"Rplane", units::milliohm},
                      {"d1_45%_radius", units::millimetre},
                      {"d1_25%_radius", units::millimetre},
                      {"d1_10%_radius", units::millimetre},
                      {"d2_45%_radius", units::millimetre},
                      {"d2_25%_radius", units::millimetre},
                      {"d2_10%_radius", units::millimetre},
                      {"Rdisc", units::milliohm}},
                     {}},
        QuantityCase{"TMatchReal",
                     tMatchReport,
                     {"-6", "50", "75"},
                     realMatchHead + elements("Possible Solution", false),
                     {"Possible Solution:"}},
        QuantityCase{"TMatchTooLittleLoss",
                     tMatchReport,
                     {"-3", "50", "75"},
                     realMatchHead,
                     {"No Possible Solution, choose lower d"}},
        QuantityCase{"PiMatchReal",
                     piMatchReport,
                     {"-10", "75", "50"},
                     realMatchHead + elements("Possible Solution", false),
                     {"Possible Solution:"}},
        QuantityCase{"TMatchComplex",
                     tMatchReport,
                     {"-6", "50", "50+10i"},
                     std::vector<ExpectedQuantity>{{"d", units::decibel}, {"d_ratio", units::ratio}}
                         + elements("Complex Solution", true),
                     {"Complex Solution:"}},
        QuantityCase{"PiMatchComplex",
                     piMatchReport,
                     {"-6", "50-10i", "75"},
                     std::vector<ExpectedQuantity>{{"d", units::decibel}, {"d_ratio", units::ratio}}
                         + elements("Complex Solution", true),
                     {"Complex Solution:"}},
        QuantityCase{"PiMatchFails", piMatchReport, {"0", "50", "50+10i"}, {}, {matchFailure}, false},
        QuantityCase{"MtbfDoubling",
                     mtbfReport,
                     {"100000", "", "1000", "25", "35", ""},
                     mtbf,
                     {exponentialFailures, "Double MTBF every 10 Degree Celsius is assumed"}},
        QuantityCase{"MtbfArrheniusFromFit",
                     mtbfReport,
                     {"", "2500", "20000", "25", "85", "0.7"},
                     mtbf,
                     {exponentialFailures, "Arrhenius acceleration model:"}},
        QuantityCase{"MtbfBothGiven",
                     mtbfReport,
                     {"100000", "10", "1000", "25", "35", ""},
                     {},
                     {"Either the MTBF or the FIT value may be given, but not both at the same time!"},
                     false}),
    [](const testing::TestParamInfo<QuantityCase>& info) { return std::string(info.param.name); });

struct SiCase {
    const char* name;
    ReportFunction report;
    QStringList inputs;
    const char* key;
    double si; // worked out by hand, in the SI unit
    double relativeTolerance;
};

void PrintTo(const SiCase& c, std::ostream* os)
{
    *os << c.name;
}

class RcSiValues : public testing::TestWithParam<SiCase> { };

TEST_P(RcSiValues, MatchTheHandComputation)
{
    const SiCase& c = GetParam();
    const Report report = test::evaluate(rcProgram(), c.report, c.inputs);
    const Quantity* q = report.quantity(QString::fromLatin1(c.key));
    ASSERT_NE(q, nullptr) << report.text.toStdString();
    EXPECT_NEAR(q->value, c.si, std::fabs(c.si) * c.relativeTolerance);
}

// Ground plane: rho = 6.787e-7 ohm inch = 1.72390e-8 ohm m, t = 35 um, so
// rho / (2 pi t) = 78.3905 uOhm; X = 10 mm, d1 = d2 = 1 mm.
INSTANTIATE_TEST_SUITE_P(
    HandComputed, RcSiValues,
    testing::Values(
        // F3db = 1 / (2 pi R C) = 1 / (2 pi 1600 100e-9) = 994.718 Hz.
        SiCase{"RcCornerFrequency", rcReport, {"1600", "100e-9"}, "F3db", 994.718394, 1e-8},
        // R = 10, C = 1 uF, L = 1 mH: D = R/2 sqrt(C/L) = 0.158114, overshoot
        // 100 exp(-pi D / sqrt(1 - D^2)) = 60.4679 % (printed with four digits).
        SiCase{"RlcOvershootInPercent", serialRlcReport, {"10", "1e-6", "1e-3"}, "Overshot", 60.4679066, 1e-8},
        // Poles -100 +/- 1000j: the envelope decays with Ta = 1/100 s.
        SiCase{"DoublePoleDecay", doublePoleReport, {"-100", "1000"}, "Ta", 0.01, 1e-12},
        // Rplane = 78.3905 uOhm * 2 ln(2X/d) = 469.674 uOhm.
        SiCase{"GroundplaneInOhm", groundplaneReport, {"10", "1", "1", "35", "20"}, "Rplane", 4.69674138e-4, 1e-8},
        // 45 % of the drop lies within d1 (2X/d1 * 2X/d2)^0.45 = 1 mm * 20^0.9 = 14.8227 mm.
        SiCase{"ContactDiameterInMetres",
               groundplaneReport,
               {"10", "1", "1", "35", "20"},
               "d1_45%_radius",
               0.014822689,
               1e-8},
        // Symmetric T pad, di = 10^(6/20) = 1.995262: R1 = Z (di - 1)/(di + 1) = 16.6139 ohm.
        SiCase{"TPadSeriesResistor", tMatchReport, {"-6", "50", "50"}, "R1", 16.6139425, 1e-8},
        // Complex T, Za = 50+10j, k = 1+0.2j: R1 = Za (di k (di-2) + 1) / (k (di^2 k - 1))
        // = 15.4998 - 4.1715j ohm.
        SiCase{"TComplexImaginaryPart", tMatchReport, {"-6", "50", "50+10i"}, "R1_im", -4.17154167, 1e-8},
        // MTBF 100000 h = 3.6e8 s; 1e9/1e5 = 10000 FIT = 1e-5 per hour = 2.7778e-9 per second;
        // 10 degrees warmer halve the MTBF: 1.8e8 s.
        SiCase{"MtbfInSeconds", mtbfReport, {"100000", "", "1000", "25", "35", ""}, "MTBF", 3.6e8, 1e-12},
        SiCase{"FitPerSecond", mtbfReport, {"100000", "", "1000", "25", "35", ""}, "FIT", 2.7777778e-9, 1e-7},
        SiCase{"WarmerMtbfInSeconds", mtbfReport, {"100000", "", "1000", "25", "35", ""}, "MTBF(T2)", 1.8e8, 1e-12}),
    [](const testing::TestParamInfo<SiCase>& info) { return std::string(info.param.name); });

// The fields are typed in the units the descriptions give; si() reads them in SI.
TEST(RcInputUnits, FieldsReadInSi)
{
    const Program& program = rcProgram();
    const struct {
        int topology;
        int field;
        double si; // of the text "35"
    } cases[] = {
        {5, 1, 0.035}, // X [mm]
        {5, 4, 35e-6}, // d3 [um]
        {5, 5, 35.0}, // Temp [Celsius]
        {6, 1, 35.0}, // d [dB]
        {8, 1, 35 * 3600.0}, // MTBF [h]
        {8, 2, 35 / 3.6e12}, // FIT [1/1e9h]
    };
    for (const auto& c : cases) {
        CalculationInput input = program.startInput(*program.topologyByNumber(c.topology));
        input.texts = QStringList(6, QStringLiteral("35"));
        EXPECT_NEAR(input.si(c.field), c.si, std::fabs(c.si) * 1e-12) << c.topology << "/" << c.field;
    }
}

} // namespace
} // namespace kalvo::rc
