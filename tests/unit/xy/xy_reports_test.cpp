#include "report_cases.h"
#include "xy_program.h"
#include "xy_reports.h"

#include <gtest/gtest.h>

namespace kalvo::xy {
namespace {

using test::ReportCase;

class XyReportTest : public testing::TestWithParam<ReportCase> { };

TEST_P(XyReportTest, GivesTheExactReport)
{
    EXPECT_EQ(test::evaluate(xyProgram(), GetParam()).text.toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, XyReportTest,
    testing::Values(
        ReportCase{"LineThroughTwoPoints",
                   linearReport,
                   {"0", "1", "2", "1", "3", ""},
                   "\nY = a * X + b\n\na\t= 2.0000\nb\t= 1.0000\n\nY3@X3\t= 5.0000"},
        ReportCase{"LineWithEqualX",
                   linearReport,
                   {"1", "1", "2", "1", "3", ""},
                   "\nY = a * X + b\n\na\t= -infinity\nb\t= +infinity\n\nY3@X3\t= NaN"},
        ReportCase{"ParabolaThroughThreePoints",
                   parabolaReport,
                   {"1", "2", "3", "2", "3", "6"},
                   "\nY = a * X^2 + b * X + c\n\na\t= 1.0000\nb\t= -2.0000\nc\t= 3.0000\n "},
        ReportCase{"TwoRealRoots",
                   quadraticReport,
                   {"1", "-3", "2"},
                   "\na * X^2 + b * X + c = 0\n\nX1\t= 2.0000\nX2\t= 1.0000\n"},
        ReportCase{"DoubleRoot", quadraticReport, {"1", "2", "1"}, "\na * X^2 + b * X + c = 0\n\nX\t= -1.0000\n"},
        ReportCase{"ComplexRoots",
                   quadraticReport,
                   {"1", "0", "1"},
                   "\na * X^2 + b * X + c = 0\n\nX1\t= 0 + 1.0000i\nX2\t= 0 - 1.0000i\n"},
        ReportCase{"ComplexRootsNegativeA",
                   quadraticReport,
                   {"-1", "0", "-1"},
                   "\na * X^2 + b * X + c = 0\n\nX1\t= 0 + -1.0000i\nX2\t= 0 - -1.0000i\n"},
        ReportCase{"LinearEquation", quadraticReport, {"0", "2", "-4"}, "\na * X^2 + b * X + c = 0\n\nX\t= 2.0000\n"},
        ReportCase{"UnusedInputIsNotChecked",
                   quadraticReport,
                   {"1", "-3", "2", "abc"},
                   "\na * X^2 + b * X + c = 0\n\nX1\t= 2.0000\nX2\t= 1.0000\n"},
        ReportCase{"UsedInputMustBeANumber", quadraticReport, {"1", "1k", "2"}, "Input Failure!"},
        ReportCase{"SixthInputCheckedForParabola", parabolaReport, {"1", "2", "3", "2", "3", "x"}, "Input Failure!"},
        ReportCase{"PolarNinetyDegrees",
                   polarToRectReport,
                   {"2", "90"},
                   "\nAmpl.\t= 2.0000\nAngle\t= 90.0000 deg \n\nX\t= 0.1225E-15\nY\t= 2.0000\n"},
        ReportCase{"PolarDegreesBeyondLimit", polarToRectReport, {"2", "15100"}, "\nAngle too big"},
        ReportCase{.name = "PolarRadiansAtLimit",
                   .report = polarToRectReport,
                   .inputs = {"1", "263"},
                   .expected = "\nAmpl.\t= 1.0000\nAngle\t= 263.0000 rad \n\nX\t= 0.6265\nY\t= -0.7794\n",
                   .radians = true},
        ReportCase{"RectangularFirstQuadrant",
                   rectToPolarReport,
                   {"1", "1"},
                   "\nX\t= 1.0000\nY\t= 1.0000 \n\nAmpl.\t= 1.4142\nAngle\t= 45.0000 deg\n"},
        ReportCase{.name = "RectangularRadians",
                   .report = rectToPolarReport,
                   .inputs = {"-1", "0"},
                   .expected = "\nX\t= -1.0000\nY\t= 0 \n\nAmpl.\t= 1.0000\nAngle\t= 3.1416 rad\n",
                   .radians = true}),
    test::caseName);

struct QuadrantCase {
    const char* x;
    const char* y;
    const char* angle;
};

// The quadrant rules, including the points on the axes where two rules apply.
TEST(RectToPolar, PutsTheAngleIntoTheRightQuadrant)
{
    const QuadrantCase cases[] = {{"1", "1", "45.0000"},   {"-1", "1", "135.0000"}, {"-1", "-1", "225.0000"},
                                  {"1", "-1", "315.0000"}, {"-1", "0", "180.0000"}, {"0", "-1", "270.0000"},
                                  {"0", "1", "90.0000"},   {"1", "0", "0"},         {"", "", "NaN"}};
    for (const QuadrantCase& c : cases) {
        CalculationInput input;
        input.texts = {c.x, c.y};
        input.format = {4, 0.1, FormatVariant::Xy};
        const QString report = rectToPolarReport(input).text;
        EXPECT_TRUE(report.endsWith(QStringLiteral("Angle\t= %1 deg\n").arg(QLatin1String(c.angle))))
            << c.x << "," << c.y << ": " << report.toStdString();
    }
}

TEST(RectToPolar, AmplitudeOfThreeFourIsFive)
{
    CalculationInput input;
    input.texts = {"3", "4"};
    input.format = {4, 0.1, FormatVariant::Xy};
    EXPECT_TRUE(rectToPolarReport(input).text.contains(QLatin1String("Ampl.\t= 5.0000\n")));
}

} // namespace
} // namespace kalvo::xy
