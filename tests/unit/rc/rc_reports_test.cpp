#include "rc_program.h"
#include "rc_reports.h"
#include "report_cases.h"

#include <gtest/gtest.h>

namespace kalvo::rc {
namespace {

using test::ReportCase;

class RcReportTest : public testing::TestWithParam<ReportCase> { };

// Reports are compared to the last character: tabs and padding line up the panel.
TEST_P(RcReportTest, GivesTheExactReport)
{
    EXPECT_EQ(test::evaluate(rcProgram(), GetParam()).text.toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RcReportTest,
    testing::Values(ReportCase{"RcOneKiloOhmOneMicrofarad",
                               rcReport,
                               {"1000", "1e-6"},
                               "R\t= 1000.000    \tOhm \n"
                               "C\t= 1.000E-6    \tF\n"
                               "T\t= 1.000E-3    \ts\n"
                               "6.9T\t= 6.900E-3    \ts (0.1%)\n"
                               "Ta\t= 2.094E-3    \ts (approx.)\n"
                               "F3db\t= 159.155     \tHz\n"
                               "F20db\t= 1591.549    \tHz ( or 15.915       Hz for RC-Highpass )\n"
                               "\n"
                               "T\t= R*C\n"
                               "F3db\t= 1/(2*PI*R*C)\n"
                               "Ta\t= 1/(3*Fg) (10%-90% approx.) "},
                    ReportCase{"RcEmptyCapacitance",
                               rcReport,
                               {"1000", ""},
                               "R\t= 1000.000    \tOhm \n"
                               "C\t= 0.0         \tF\n"
                               "T\t= 0.0         \ts\n"
                               "6.9T\t= 0.0         \ts (0.1%)\n"
                               "Ta\t= 0.0         \ts (approx.)\n"
                               "F3db\t= +infinity   \tHz\n"
                               "F20db\t= +infinity   \tHz ( or +infinity    Hz for RC-Highpass )\n"
                               "\n"
                               "T\t= R*C\n"
                               "F3db\t= 1/(2*PI*R*C)\n"
                               "Ta\t= 1/(3*Fg) (10%-90% approx.) "},
                    ReportCase{"RlcOscillating",
                               serialRlcReport,
                               {"10", "1e-6", "1e-3"},
                               "R\t\t= 10.000       \n"
                               "C\t\t= 1.000E-6    \n"
                               "L\t\t= 1.000E-3     \n"
                               "Fnatural\t= 5032.921    \tHz (Impedance res.)\n"
                               "D\t\t= 0.158        \n"
                               "Fresonance\t= 4969.612    \tHz (Self res.)\n"
                               "Bandwidth\t= 1591.549    \tHz\n"
                               "Q\t\t= 3.162        \n"
                               "Overshot\t= 60.47\t%\n"
                               "T\t\t= 31.623E-6   \ts\n"
                               "\n"
                               "Circuit shows oszillation"},
                    ReportCase{"RlcOverdamped",
                               serialRlcReport,
                               {"100", "1e-6", "1e-3"},
                               "R\t\t= 100.000      \n"
                               "C\t\t= 1.000E-6    \n"
                               "L\t\t= 1.000E-3    \n"
                               "Fnatural\t= 5032.921    \tHz (Impedance res.)\n"
                               "D\t\t= 1.581        \n"
                               "Bandwidth\t= 15.915E3    \tHz\n"
                               "Q\t\t= 0.316        \n"
                               "T1\t\t= 88.730E-6   \ts (bigger is dominant)\n"
                               "T2\t\t= 11.270E-6   \ts\n"
                               "\n"
                               "No Oscillation"},
                    ReportCase{"SinglePoleStable",
                               singlePoleReport,
                               {"-1000"},
                               "RE\t\t= -1000.000   \n"
                               "IM\t\t= 0\n"
                               "Fnatural\t= 159.155     \tHz (-20dB/Dec. after Fn)\n"
                               "T\t\t= 1.000E-3    \ts\n"
                               "\n"
                               "No Oscillation / Stable\n"
                               "F(t) = e^(-t/T)\n"
                               "\n"
                               "f(s) = 1 / (1 + T*s)"},
                    ReportCase{"SinglePoleUnstable",
                               singlePoleReport,
                               {"1000"},
                               "RE\t\t= 1000.000    \n"
                               "IM\t\t= 0\n"
                               "Fnatural\t= -159.155    \tHz (-20dB/Dec. after Fn)\n"
                               "T\t\t= -1.000E-3   \ts\n"
                               "\n"
                               "Intable\n"
                               "F(t) = e^(t/T)"},
                    ReportCase{"DoublePoleEqualRealPoles",
                               doublePoleReport,
                               {"-1000", "", "-1000"},
                               "RE\t\t= -1000.000   \n"
                               "RE2\t\t= -1000.000   \n"
                               "IM\t\t= 0.0         \n"
                               "Fnatural\t= 159.155     \tHz (-40dB/Dec. after Fn)\n"
                               "D\t\t= 1.000        \n"
                               "T1\t\t= 1.000E-3    \ts\n"
                               "T2\t\t= 1.000E-3    \ts\n"
                               "\n"
                               "No Oscillation / Stable\n"
                               "f(t)= 1 -( T1/(T1-T2) )*e^(-t/T1) + ( T2/(T1-T2) )*e^(-t/T2)\n"
                               "\n"
                               "f(s) = 1 / ( (1 + T1*s) * (1 + T2*s) ) = 1 / ( 1 + (T1+T2)*s + T1*T2*(s^2) )"},
                    ReportCase{"DoublePoleUnstableRealPole",
                               doublePoleReport,
                               {"-1000", "0", "500"},
                               "RE\t\t= -1000.000   \n"
                               "RE2\t\t= 500.000     \n"
                               "IM\t\t= 0.0         \n"
                               "Fnatural\t= NaN         \tHz\n"
                               "D\t\t= NaN         \n"
                               "T1\t\t= 1.000E-3    \ts\n"
                               "T2\t\t= -2.000E-3   \ts\n"
                               "\n"
                               "Instable\n"
                               "f(t)= 1 -( T1/(T1-T2) )*e^(t/T1) + ( T2/(T1-T2) )*e^(t/T2)"},
                    ReportCase{"DoublePoleComplexStable",
                               doublePoleReport,
                               {"-100", "1000"},
                               "RE\t\t= -100.000    \n"
                               "IM\t\t= 1000.000    \n"
                               "Fnatural\t= 159.949     \tHz (-40dB/Dec. after Fn)\n"
                               "Foszillate\t= 159.155     \tHz (Self res.)\n"
                               "D\t\t= 99.504E-3   \n"
                               "T\t\t= 0.995E-3    \ts\n"
                               "Overshot\t= 73.040      \t%\n"
                               "Ta\t\t= 10.000E-3   \ts (decrement const.)\n"
                               "\n"
                               "Stable\n"
                               "f(t) = e^(-t/Ta) * SIN( 2*PI * Foszillate * t + Phase)\n"
                               "\n"
                               "f(s) = 1 / ( 1 + 2*D*T*s + ( T*s )^2 )"},
                    ReportCase{"DoublePoleComplexUnstable",
                               doublePoleReport,
                               {"100", "1000"},
                               "RE\t\t= 100.000     \n"
                               "IM\t\t= 1000.000    \n"
                               "Fnatural\t= 159.949     \tHz\n"
                               "Foszillate\t= 159.155     \tHz (Self res.)\n"
                               "D\t\t= -99.504E-3 \n"
                               "T\t\t= 0.995E-3    \ts\n"
                               "\n"
                               "Instable\n"
                               "f(t) = e^(t/T) * SIN( 2*PI * Foszillate * t + Phase)"},
                    ReportCase{"GroundplaneTwentyDegrees",
                               groundplaneReport,
                               {"10", "1", "1", "35", "20"},
                               "\n"
                               "Rplane= 0.470        \t[mOhm]  Plane Resistance\n"
                               "\n"
                               "d1 45% radius = 14.823      \t[mm]\n"
                               "d1 25% radius = 4.472        \t[mm]\n"
                               "d1 10% radius = 1.821        \t[mm]\n"
                               "\n"
                               "d2 45% radius = 14.823      \t[mm]\n"
                               "d2 25% radius = 4.472        \t[mm]\n"
                               "d2 10% radius = 1.821        \t[mm]\n"
                               "\n"
                               "\n"
                               "Rdisc= 0.181        \t[mOhm]  Disc Resistance"},
                    ReportCase{"MtbfDoublingRule",
                               mtbfReport,
                               {"100000", "", "1000", "25", "35", ""},
                               "MTBF\t\t= 100.000E3   \t[h]\n"
                               "FIT\t\t= 10.000E3    \t[1/1e9h]\n"
                               "Lambda\t= 10.000E-6   \t[1/h]\n"
                               "\n"
                               "prob(t)  \t= 0.995        \t[%] Prob. of failure at time t and temp. T1\n"
                               "AF\t\t= 2.000        \t[] Acceleration factor\n"
                               "MTBF(T2)\t= 50.000E3    \t[h] MTBF at temperature T2\n"
                               "prob2(t)\t= 1.980        \t[%] Prob. of failure at time t and temp. T2\n"
                               "\n"
                               "For probability of Failure an exponential failure distribution is assumed.\n"
                               "\n"
                               "Double MTBF every 10 Degree Celsius is assumed\n"
                               "MTBF(T2)\t= MTBF(T1)*2^((T1-T2)/10)\n"
                               "\n"
                               "prob(t)  \t= 100% -100*e^( -t / MTBF ) "},
                    ReportCase{"MtbfArrhenius",
                               mtbfReport,
                               {"100000", "", "1000", "25", "35", "0.7"},
                               "MTBF\t\t= 100.000E3   \t[h]\n"
                               "FIT\t\t= 10.000E3    \t[1/1e9h]\n"
                               "Lambda\t= 10.000E-6   \t[1/h]\n"
                               "\n"
                               "prob(t)  \t= 0.995        \t[%] Prob. of failure at time t and temp. T1\n"
                               "AF\t\t= 2.421        \t[] Acceleration factor\n"
                               "MTBF(T2)\t= 41.307E3    \t[h] MTBF at temperature T2\n"
                               "prob2(t)\t= 2.392        \t[%] Prob. of failure at time t and temp. T2\n"
                               "\n"
                               "For probability of Failure an exponential failure distribution is assumed.\n"
                               "\n"
                               "Arrhenius acceleration model:\n"
                               "MTBF(T2)\t= MTBF(T1) / AF\n"
                               "AF\t\t= exp( Ea/8.617e-5 * [ 1/(T1+273.16) -1/(T2+273.16) ] );\n"
                               "prob(t)  \t= 100% -100*e^( -t / MTBF ) "},
                    ReportCase{"MtbfBothGiven",
                               mtbfReport,
                               {"100000", "10", "1000", "25", "35", ""},
                               "Either the MTBF or the FIT value may be given, but not both at the same time!"}),
    test::caseName);

// Values that decide the branch but are not obvious from the report examples.
TEST(RcReportBranches, CriticallyDampedRlcHasNoOscillationAndEqualTimeConstants)
{
    CalculationInput input;
    input.texts = {"2", "1", "1"}; // R = 2 sqrt(L/C): D is exactly 1
    const QString report = serialRlcReport(input).text;
    EXPECT_TRUE(report.endsWith(QLatin1String("No Oscillation"))) << report.toStdString();
    EXPECT_TRUE(report.contains(QLatin1String("T1\t\t= 1.000        \t"))) << report.toStdString();
    EXPECT_TRUE(report.contains(QLatin1String("T2\t\t= 1.000        \t"))) << report.toStdString();
}

TEST(RcReportBranches, UnparsableInputReadsAsZero)
{
    CalculationInput withUnit;
    withUnit.texts = {"1k", "1e-6"};
    CalculationInput zero;
    zero.texts = {"0", "1e-6"};
    EXPECT_EQ(rcReport(withUnit).text, rcReport(zero).text);
}

TEST(RcReportBranches, EmptySinglePoleIsStableWithInfiniteTimeConstant)
{
    CalculationInput input;
    input.texts = {""};
    const QString report = singlePoleReport(input).text;
    EXPECT_TRUE(report.contains(QLatin1String("T\t\t= -infinity   \ts"))) << report.toStdString();
    EXPECT_TRUE(report.contains(QLatin1String("Fnatural\t= 0.0         \t"))) << report.toStdString();
    EXPECT_TRUE(report.contains(QLatin1String("No Oscillation / Stable")));
}

TEST(RcReportBranches, GroundplaneWithoutThicknessIsInfiniteAndDiametersNaN)
{
    CalculationInput input;
    input.texts = {"10", "1", "1", "", "20"};
    const QString report = groundplaneReport(input).text;
    EXPECT_TRUE(report.startsWith(QLatin1String("\nRplane= +infinity   \t"))) << report.toStdString();
    EXPECT_EQ(report.count(QLatin1String("NaN         \t[mm]")), 6) << report.toStdString();
}

TEST(RcReportBranches, ArrheniusAndDoublingAgreeAtEqualTemperatures)
{
    for (const char* ea : {"", "0.7"}) {
        CalculationInput input;
        input.texts = {"", "10000", "1000", "40", "40", ea};
        const QString report = mtbfReport(input).text;
        EXPECT_TRUE(report.contains(QLatin1String("AF\t\t= 1.000        \t"))) << report.toStdString();
        EXPECT_TRUE(report.startsWith(QLatin1String("MTBF\t\t= 100.000E3   \t[h]"))) << report.toStdString();
    }
}

TEST(RcReportBranches, MoreDigitsPrintFifteenDecimals)
{
    CalculationInput input;
    input.texts = {"-1000"};
    input.format = {15, 0.1, FormatVariant::Calculator};
    EXPECT_TRUE(singlePoleReport(input).text.contains(QLatin1String("Fnatural\t= 159.1549430918953\t")));
}

} // namespace
} // namespace kalvo::rc
