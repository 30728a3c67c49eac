#include "quantity_checks.h"
#include "report_cases.h"
#include "xy_program.h"
#include "xy_reports.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

// The numbers and statements each function records beside its text.
namespace kalvo::xy {
namespace {

using test::ExpectedQuantity;

struct QuantityCase {
    const char* name;
    ReportFunction report;
    QStringList inputs;
    bool radians;
    std::vector<ExpectedQuantity> quantities;
    QStringList warnings;
    bool ok = true;
};

void PrintTo(const QuantityCase& c, std::ostream* os)
{
    *os << c.name;
}

class XyQuantityTest : public testing::TestWithParam<QuantityCase> { };

TEST_P(XyQuantityTest, RecordsEveryPrintedNumberAndStatement)
{
    const QuantityCase& c = GetParam();
    const Report report = test::evaluate(
        xyProgram(), {.report = c.report, .inputs = c.inputs, .moreDigits = true, .radians = c.radians});
    test::expectRecordedAsPrinted(report, c.quantities, c.warnings);
    EXPECT_EQ(report.ok, c.ok);
}

INSTANTIATE_TEST_SUITE_P(
    Branches, XyQuantityTest,
    testing::Values(
        QuantityCase{"Line",
                     linearReport,
                     {"0", "1", "2", "1", "3", ""},
                     false,
                     {{"a", units::none}, {"b", units::none}, {"Y3@X3", units::none}},
                     {}},
        QuantityCase{"Parabola",
                     parabolaReport,
                     {"1", "2", "3", "2", "3", "6"},
                     false,
                     {{"a", units::none}, {"b", units::none}, {"c", units::none}},
                     {}},
        QuantityCase{"QuadraticWithoutSquare", quadraticReport, {"0", "2", "-4"}, false, {{"X", units::none}}, {}},
        QuantityCase{"QuadraticDoubleRoot", quadraticReport, {"1", "2", "1"}, false, {{"X", units::none}}, {}},
        QuantityCase{"QuadraticTwoRoots",
                     quadraticReport,
                     {"1", "-3", "2"},
                     false,
                     {{"X1", units::none}, {"X2", units::none}},
                     {}},
        QuantityCase{"QuadraticComplexRoots",
                     quadraticReport,
                     {"1", "2", "5"},
                     false,
                     {{"X1_re", units::none}, {"X1_im", units::none}, {"X2_re", units::none}, {"X2_im", units::none}},
                     {}},
        QuantityCase{"QuadraticInputFailure", quadraticReport, {"1", "1k", "2"}, false, {}, {"Input Failure!"}, false},
        QuantityCase{"PolarDegrees",
                     polarToRectReport,
                     {"2", "30"},
                     false,
                     {{"Ampl.", units::none}, {"Angle", units::degree}, {"X", units::none}, {"Y", units::none}},
                     {}},
        QuantityCase{"PolarRadians",
                     polarToRectReport,
                     {"2", "0.5"},
                     true,
                     {{"Ampl.", units::none}, {"Angle", units::radian}, {"X", units::none}, {"Y", units::none}},
                     {}},
        QuantityCase{"PolarAngleTooBig", polarToRectReport, {"2", "15100"}, false, {}, {"Angle too big"}, false},
        QuantityCase{"RectangularDegrees",
                     rectToPolarReport,
                     {"3", "4"},
                     false,
                     {{"X", units::none}, {"Y", units::none}, {"Ampl.", units::none}, {"Angle", units::degree}},
                     {}},
        QuantityCase{"RectangularRadians",
                     rectToPolarReport,
                     {"-1", "0"},
                     true,
                     {{"X", units::none}, {"Y", units::none}, {"Ampl.", units::none}, {"Angle", units::radian}},
                     {}}),
    [](const testing::TestParamInfo<QuantityCase>& info) { return std::string(info.param.name); });

struct ValueCase {
    const char* name;
    ReportFunction report;
    QStringList inputs;
    bool radians;
    const char* key;
    double expected; // worked out by hand as stated
};

void PrintTo(const ValueCase& c, std::ostream* os)
{
    *os << c.name;
}

class XyValueTest : public testing::TestWithParam<ValueCase> { };

TEST_P(XyValueTest, AgreesWithTheHandComputation)
{
    const ValueCase& c = GetParam();
    const Report report = test::evaluate(
        xyProgram(), {.report = c.report, .inputs = c.inputs, .moreDigits = true, .radians = c.radians});
    const Quantity* q = report.quantity(QString::fromUtf8(c.key));
    ASSERT_NE(q, nullptr) << report.text.toStdString();
    EXPECT_NEAR(q->value, c.expected, 1e-12 * std::max(1.0, std::fabs(c.expected)));
}

INSTANTIATE_TEST_SUITE_P(
    HandComputed, XyValueTest,
    testing::Values(
        // x^2 + 2x + 5 = 0 has the roots -1 + 2i and -1 - 2i; X2 prints as X2_re - X2_im i
        ValueCase{"ComplexRealPart", quadraticReport, {"1", "2", "5"}, false, "X1_re", -1.0},
        ValueCase{"ComplexImaginaryPart", quadraticReport, {"1", "2", "5"}, false, "X1_im", 2.0},
        ValueCase{"ConjugateImaginaryPart", quadraticReport, {"1", "2", "5"}, false, "X2_im", 2.0},
        // 2 at 30 degrees: (2 cos 30, 2 sin 30) = (sqrt 3, 1)
        ValueCase{"PolarX", polarToRectReport, {"2", "30"}, false, "X", 1.7320508075688772},
        ValueCase{"PolarY", polarToRectReport, {"2", "30"}, false, "Y", 1.0},
        // (3, 4): amplitude 5, angle atan(4/3) = 53.13010235415598 degrees
        ValueCase{"RectangularAmplitude", rectToPolarReport, {"3", "4"}, false, "Ampl.", 5.0},
        ValueCase{"RectangularAngle", rectToPolarReport, {"3", "4"}, false, "Angle", 53.13010235415598},
        ValueCase{"RectangularAngleInRadians", rectToPolarReport, {"-1", "0"}, true, "Angle", std::numbers::pi}),
    [](const testing::TestParamInfo<ValueCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace kalvo::xy
