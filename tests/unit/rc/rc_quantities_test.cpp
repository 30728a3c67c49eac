#include "formula_engine.h"
#include "match_network.h"
#include "rc_program.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <set>

namespace kalvo::rc {
namespace {

// Runs topology N of kalvo-rc as the window does, on a fresh matching engine.
Report runTopology(int number, const QStringList& inputs, bool moreDigits)
{
    const Program& program = rcProgram();
    const Topology* topology = program.topologyByNumber(number);
    EXPECT_NE(topology, nullptr) << number;
    if (topology == nullptr)
        return {};
    CalculationInput input = program.startInput(*topology, moreDigits);
    input.texts = inputs;
    const std::shared_ptr<FormulaEngine> engine = createMatchingEngine();
    input.engine = engine.get();
    return topology->report(input);
}

// Half a unit of the last digit of a printed number: "14.823" gives 0.0005, "9.950E-3"
// gives 0.0000005, "60.47" (four significant digits) gives 0.005.
double halfLastDigit(const QString& shown)
{
    const qsizetype e = shown.indexOf(QLatin1Char('E'));
    const QString mantissa = e < 0 ? shown : shown.left(e);
    const int exponent = e < 0 ? 0 : shown.mid(e + 1).toInt();
    const qsizetype point = mantissa.indexOf(QLatin1Char('.'));
    const qsizetype decimals = point < 0 ? 0 : mantissa.size() - point - 1;
    return 0.5 * std::pow(10.0, exponent - static_cast<int>(decimals));
}

// The SI value is the printed number times the unit's scale, up to the printed rounding.
void expectValueAsPrinted(const Quantity& q, const Unit& unit)
{
    constexpr double infinity = std::numeric_limits<double>::infinity();
    if (q.shown == QLatin1String("NaN")) {
        EXPECT_TRUE(std::isnan(q.value));
        return;
    }
    if (q.shown == QLatin1String("+infinity") || q.shown == QLatin1String("-infinity")) {
        EXPECT_EQ(q.value, q.shown.startsWith(QLatin1Char('-')) ? -infinity : infinity);
        return;
    }
    bool isNumber = false;
    const double printed = q.shown.toDouble(&isNumber);
    ASSERT_TRUE(isNumber);
    const double tolerance = (halfLastDigit(q.shown) + 1e-12 * std::fabs(printed)) * unit.scale;
    EXPECT_NEAR(q.value, printed * unit.scale, tolerance);
}

struct Expected {
    const char* key;
    Unit unit;
    const char* block = "";
};

struct QuantityCase {
    const char* name;
    int topology; // N of radioButton_N
    QStringList inputs;
    std::vector<Expected> quantities; // in printed order
    QStringList warnings;
    bool ok = true;
};

void PrintTo(const QuantityCase& c, std::ostream* os)
{
    *os << c.name;
}

class RcQuantities : public testing::TestWithParam<QuantityCase> { };

// Each printed number is recorded once, in printed order, with its unit, and each remark
// about the result is recorded as a warning.
TEST_P(RcQuantities, RecordEveryPrintedNumberAndRemark)
{
    const QuantityCase& c = GetParam();
    for (const bool moreDigits : {false, true}) {
        SCOPED_TRACE(moreDigits ? "more digits" : "normal digits");
        const Report report = runTopology(c.topology, c.inputs, moreDigits);
        EXPECT_EQ(report.ok, c.ok);
        EXPECT_EQ(report.warnings, c.warnings);
        for (const QString& warning : report.warnings)
            EXPECT_TRUE(report.text.simplified().contains(warning)) << warning.toStdString();

        ASSERT_EQ(report.quantities.size(), c.quantities.size()) << report.text.toStdString();
        std::set<QString> keys;
        qsizetype printedAt = 0;
        for (size_t i = 0; i < c.quantities.size(); ++i) {
            const Quantity& q = report.quantities[i];
            const Expected& expected = c.quantities[i];
            SCOPED_TRACE(expected.key);
            EXPECT_EQ(q.key, QLatin1String(expected.key));
            EXPECT_TRUE(keys.insert(q.key).second) << "duplicate key";
            EXPECT_EQ(q.unit, QLatin1String(expected.unit.si));
            EXPECT_EQ(q.shownUnit, QString::fromUtf8(expected.unit.shown));
            EXPECT_EQ(q.block, QLatin1String(expected.block));
            printedAt = report.text.indexOf(q.shown, printedAt);
            ASSERT_GE(printedAt, 0) << q.shown.toStdString() << " not printed in order";
            printedAt += q.shown.size();
            expectValueAsPrinted(q, expected.unit);
        }
    }
}

const std::vector<Expected> twoRealPoles{
    {"RE", units::perSecond}, {"RE2", units::perSecond}, {"IM", units::perSecond}, {"Fnatural", units::hertz},
    {"D", units::ratio},      {"T1", units::second},     {"T2", units::second}};
const std::vector<Expected> complexPoleHead{{"RE", units::perSecond},   {"IM", units::perSecond},
                                            {"Fnatural", units::hertz}, {"Foszillate", units::hertz},
                                            {"D", units::ratio},        {"T", units::second}};
const std::vector<Expected> singlePole{
    {"RE", units::perSecond}, {"IM", units::perSecond}, {"Fnatural", units::hertz}, {"T", units::second}};
const std::vector<Expected> realMatchHead{{"d", units::decibel},    {"d_ratio", units::ratio},
                                          {"Ze", units::ohm},       {"Za", units::ohm},
                                          {"dmax", units::decibel}, {"dmax_ratio", units::ratio}};
const std::vector<Expected> mtbf{
    {"MTBF", units::hour}, {"FIT", units::failuresInTime}, {"Lambda", units::perHour},  {"prob(t)", units::percent},
    {"AF", units::ratio},  {"MTBF(T2)", units::hour},      {"prob2(t)", units::percent}};
const char* const exponentialFailures = "For probability of Failure an exponential failure distribution is assumed.";
const char* const matchFailure = "Failure in calculation, probably wrong inputs!";

std::vector<Expected> concat(std::vector<Expected> head, const std::vector<Expected>& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// R1 to R3 of a matching network, each with its imaginary part where complex.
std::vector<Expected> elements(const char* block, bool complex)
{
    const std::array<const char*, 3> real{"R1", "R2", "R3"};
    const std::array<const char*, 3> imaginary{"R1_im", "R2_im", "R3_im"};
    std::vector<Expected> result;
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
                     1,
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
                     2,
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
                     2,
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
        QuantityCase{"DoublePoleRealStable", 3, {"-1000", "", "-2000"}, twoRealPoles, {"No Oscillation / Stable"}},
        QuantityCase{"DoublePoleRealUnstable", 3, {"-1000", "0", "500"}, twoRealPoles, {"Instable"}},
        QuantityCase{"DoublePoleComplexStable",
                     3,
                     {"-100", "1000"},
                     concat(complexPoleHead, {{"Overshot", units::percent}, {"Ta", units::second}}),
                     {"Stable"}},
        QuantityCase{"DoublePoleComplexUnstable", 3, {"100", "1000"}, complexPoleHead, {"Instable"}},
        QuantityCase{"SinglePoleStable", 4, {"-1000"}, singlePole, {"No Oscillation / Stable"}},
        QuantityCase{"SinglePoleUnstable", 4, {"1000"}, singlePole, {"Intable"}},
        QuantityCase{"Groundplane",
                     5,
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
                     6,
                     {"-6", "50", "75"},
                     concat(realMatchHead, elements("Possible Solution", false)),
                     {"Possible Solution:"}},
        QuantityCase{
            "TMatchTooLittleLoss", 6, {"-3", "50", "75"}, realMatchHead, {"No Possible Solution, choose lower d"}},
        QuantityCase{"PiMatchReal",
                     7,
                     {"-10", "75", "50"},
                     concat(realMatchHead, elements("Possible Solution", false)),
                     {"Possible Solution:"}},
        QuantityCase{"TMatchComplex",
                     6,
                     {"-6", "50", "50+10i"},
                     concat({{"d", units::decibel}, {"d_ratio", units::ratio}}, elements("Complex Solution", true)),
                     {"Complex Solution:"}},
        QuantityCase{"PiMatchComplex",
                     7,
                     {"-6", "50-10i", "75"},
                     concat({{"d", units::decibel}, {"d_ratio", units::ratio}}, elements("Complex Solution", true)),
                     {"Complex Solution:"}},
        QuantityCase{"PiMatchFails", 7, {"0", "50", "50+10i"}, {}, {matchFailure}, false},
        QuantityCase{"MtbfDoubling",
                     8,
                     {"100000", "", "1000", "25", "35", ""},
                     mtbf,
                     {exponentialFailures, "Double MTBF every 10 Degree Celsius is assumed"}},
        QuantityCase{"MtbfArrheniusFromFit",
                     8,
                     {"", "2500", "20000", "25", "85", "0.7"},
                     mtbf,
                     {exponentialFailures, "Arrhenius acceleration model:"}},
        QuantityCase{"MtbfBothGiven",
                     8,
                     {"100000", "10", "1000", "25", "35", ""},
                     {},
                     {"Either the MTBF or the FIT value may be given, but not both at the same time!"},
                     false}),
    [](const testing::TestParamInfo<QuantityCase>& info) { return std::string(info.param.name); });

struct SiCase {
    const char* name;
    int topology;
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
    const Report report = runTopology(c.topology, c.inputs, false);
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
        SiCase{"RcCornerFrequency", 1, {"1600", "100e-9"}, "F3db", 994.718394, 1e-8},
        // R = 10, C = 1 uF, L = 1 mH: D = R/2 sqrt(C/L) = 0.158114, overshoot
        // 100 exp(-pi D / sqrt(1 - D^2)) = 60.4679 % (printed with four digits).
        SiCase{"RlcOvershootInPercent", 2, {"10", "1e-6", "1e-3"}, "Overshot", 60.4679066, 1e-8},
        // Poles -100 +/- 1000j: the envelope decays with Ta = 1/100 s.
        SiCase{"DoublePoleDecay", 3, {"-100", "1000"}, "Ta", 0.01, 1e-12},
        // Rplane = 78.3905 uOhm * 2 ln(2X/d) = 469.674 uOhm.
        SiCase{"GroundplaneInOhm", 5, {"10", "1", "1", "35", "20"}, "Rplane", 4.69674138e-4, 1e-8},
        // 45 % of the drop lies within d1 (2X/d1 * 2X/d2)^0.45 = 1 mm * 20^0.9 = 14.8227 mm.
        SiCase{"ContactDiameterInMetres", 5, {"10", "1", "1", "35", "20"}, "d1_45%_radius", 0.014822689, 1e-8},
        // Symmetric T pad, di = 10^(6/20) = 1.995262: R1 = Z (di - 1)/(di + 1) = 16.6139 ohm.
        SiCase{"TPadSeriesResistor", 6, {"-6", "50", "50"}, "R1", 16.6139425, 1e-8},
        // Complex T, Za = 50+10j, k = 1+0.2j: R1 = Za (di k (di-2) + 1) / (k (di^2 k - 1))
        // = 15.4998 - 4.1715j ohm.
        SiCase{"TComplexImaginaryPart", 6, {"-6", "50", "50+10i"}, "R1_im", -4.17154167, 1e-8},
        // MTBF 100000 h = 3.6e8 s; 1e9/1e5 = 10000 FIT = 1e-5 per hour = 2.7778e-9 per second;
        // 10 degrees warmer halve the MTBF: 1.8e8 s.
        SiCase{"MtbfInSeconds", 8, {"100000", "", "1000", "25", "35", ""}, "MTBF", 3.6e8, 1e-12},
        SiCase{"FitPerSecond", 8, {"100000", "", "1000", "25", "35", ""}, "FIT", 2.7777778e-9, 1e-7},
        SiCase{"WarmerMtbfInSeconds", 8, {"100000", "", "1000", "25", "35", ""}, "MTBF(T2)", 1.8e8, 1e-12}),
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
