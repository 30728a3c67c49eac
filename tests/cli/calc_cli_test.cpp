#include "cli_runner.h"

#include <gtest/gtest.h>

namespace kalvo::test {
namespace {

struct CalcCase {
    const char* name;
    QStringList args; // after "calc"
    int exitCode;
    const char* out;
};

void PrintTo(const CalcCase& c, std::ostream* os)
{
    *os << c.name;
}

class CalcCli : public testing::TestWithParam<CalcCase> { };

TEST_P(CalcCli, PrintsTheValueOrTheEngineError)
{
    const CliResult result = runKalvoCli(QStringList{"calc"} + GetParam().args);
    EXPECT_EQ(result.exitCode, GetParam().exitCode) << result.err.toStdString();
    EXPECT_EQ(result.out.toStdString(), GetParam().out);
    EXPECT_TRUE(result.err.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, CalcCli,
    testing::Values(
        CalcCase{"ComplexSum", {"2+3i"}, 0, "2 3\n"},
        CalcCase{"RealSquareRootOfTwo", {"--real", "2^0.5"}, 0, "1.4142135623730951\n"},
        // The natural logarithm times 1/ln 10 misses 2 by one unit in the last place.
        CalcCase{"SeventeenDigits", {"LOG10(100)"}, 0, "1.9999999999999998 0\n"},
        CalcCase{"ComplexSquareRootOfMinusFour", {"SQRT(-4)"}, 0, "0 2\n"},
        CalcCase{"DefinitionsInOrder", {"--define", "x=3", "--define", "y=x*2", "x+y"}, 0, "9 0\n"},
        CalcCase{"LeadingMinusIsAFormula", {"--real", "-2^2"}, 0, "4\n"},
        CalcCase{"DoubleDashEndsOptions", {"--real", "--", "--1"}, 0, "1\n"},
        CalcCase{"OverflowIsNotCheckedInComplex", {"EXP(1000)+0"}, 0, "inf -nan\n"},
        CalcCase{"IntegerModePrintsItsText", {"0x1"}, 0, "0x 1\n"},
        CalcCase{"DivisionByZero", {"1/0"}, 1, "error 201: Division By Zero\n"},
        CalcCase{"RealRefusesComplexRoot", {"--real", "SQRT(-4)"}, 1, "error 202: Complex Result\n"},
        CalcCase{"InfiniteRealResult", {"--real", "EXP(1000)"}, 1, "error 203: Infinite Result (Overflow)\n"},
        CalcCase{"UnknownName", {"sin(1)"}, 1, "error 304: Syntax or Var Not Found\n"},
        CalcCase{"ReservedName", {"--define", "PI=3", "1"}, 1, "error 303: Var Not Valid\n"},
        CalcCase{"CircularDefinition", {"--define", "a=a+1", "a"}, 1, "error 300: Circular Var Definition\n"}),
    [](const testing::TestParamInfo<CalcCase>& info) { return std::string(info.param.name); });

TEST(CalcCliUsage, BadUsageIsOneLineOnStandardError)
{
    const QStringList bad[] = {{"calc"},
                               {"calc", "1", "2"},
                               {"calc", "--define", "x", "1"},
                               {"calc", "1", "--define"},
                               {"calc", "--degrees", "1"}};
    for (const QStringList& args : bad) {
        SCOPED_TRACE(args.join(' ').toStdString());
        expectOneLineError(runKalvoCli(args));
    }
}

// The matching networks of kalvo-rc compute through the engine the program table creates.
TEST(MatchNetworkCli, ComplexLoadGoesThroughTheEngine)
{
    const CliResult t = runKalvoCli({"rc", "T match", "-6", "50", "50+10i"});
    ASSERT_EQ(t.exitCode, 0) << t.err.toStdString();
    EXPECT_EQ(t.out.toStdString(),
              "\nd\t= -6.000      \t[db]\nd\t= 0.501        \t[]\n\nComplex Solution:\n"
              "R1\t= 15.500       + -4.172      \ti  [Ohm]\n"
              "R2\t= 65.812       + -4.191      \ti  [Ohm]\n"
              "R3\t= 17.172       + 12.091      \ti  [Ohm]\n\n"
              "Positive real part, positive imaginary part: RL serial Impedance\n"
              "Positive real part, negative imaginary part: RC serial Impedance\n"
              "Negative real part: Negative resistor would be needed, they are not easy to build (NIC needed) \n");

    const CliResult pi = runKalvoCli({"rc", "7", "-6", "50", "SQRT(2500)", "--more-digits"});
    ASSERT_EQ(pi.exitCode, 0);
    EXPECT_TRUE(pi.out.contains("R2\t= 37.3518770335401")); // 50 (di^2 - 1)/(2 di), di = 10^0.3

    const CliResult failed = runKalvoCli({"rc", "PI match", "", "50", "50+10i"});
    EXPECT_EQ(failed.out.toStdString(), "Failure in calculation, probably wrong inputs!\n");
}

TEST(MatchNetworkCli, PlainImpedancesGiveTheLowestPossibleLoss)
{
    const CliResult result = runKalvoCli({"rc", "T match", "-3", "50", "75"});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out.toStdString(),
              "\nd\t= -3.000      \t[db] or 0.708        []\nZe\t= 50.000      \t[Ohm]\n"
              "Za\t= 75.000      \t[Ohm]\ndmax\t= -3.959      \t[dB] or 0.634        []\n\n"
              "No Possible Solution, choose lower d\n");
}

} // namespace
} // namespace kalvo::test
