#include "formula_engine.h"
#include "match_network.h"
#include "rc_program.h"
#include "report_cases.h"

#include <gtest/gtest.h>

namespace kalvo::rc {
namespace {

const char* const complexFooter = "\n\nPositive real part, positive imaginary part: RL serial Impedance\n"
                                  "Positive real part, negative imaginary part: RC serial Impedance\n"
                                  "Negative real part: Negative resistor would be needed, they are not easy "
                                  "to build (NIC needed) ";
const char* const failureLine = "Failure in calculation, probably wrong inputs!";

using test::ReportCase; // inputs: d, Ze, Za

class MatchReport : public testing::TestWithParam<ReportCase> { };

// Whole reports, to the last character, on a fresh engine as the window creates it.
TEST_P(MatchReport, GivesTheExactReport)
{
    const std::shared_ptr<FormulaEngine> engine = rcProgram().createEngine();
    ASSERT_TRUE(engine && engine->hasVariableTable());
    EXPECT_EQ(test::evaluate(rcProgram(), GetParam()).text.toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(RealPath, MatchReport,
                         testing::Values(
                             // Symmetric pad: R1 = R3 = Z (di - 1)/(di + 1), R2 = 2 Z di/(di^2 - 1), di = 10^(6/20).
                             ReportCase{"TSymmetricSixDecibels",
                                        tMatchReport,
                                        {"-6", "50", "50"},
                                        "\nd\t= -6.000      \t[db] or 0.501        []\nZe\t= 50.000      \t[Ohm]\n"
                                        "Za\t= 50.000      \t[Ohm]\ndmax\t= 0.0         \t[dB] or 1.000        []\n\n"
                                        "Possible Solution:\nR1   = 16.614      \t[Ohm]\nR2   = 66.931      \t[Ohm]\n"
                                        "R3   = 16.614      \t[Ohm]"},
                             ReportCase{"PiSymmetricSixDecibels",
                                        piMatchReport,
                                        {"-6", "50", "50"},
                                        "\nd\t= -6.000      \t[db] or 0.501        []\nZe\t= 50.000      \t[Ohm]\n"
                                        "Za\t= 50.000      \t[Ohm]\ndmax\t= 0.0         \t[dB] or 1.000        []\n\n"
                                        "Possible Solution:\nR1   = 150.476     \t[Ohm]\nR2   = 37.352      \t[Ohm]\n"
                                        "R3   = 150.476     \t[Ohm]"},
                             // 50 to 75 ohm needs at least 3.959 dB: kmax = k/(1 + sqrt(1 - 1/k)) with k = 1.5.
                             ReportCase{"TLossBelowTheLowestPossible",
                                        tMatchReport,
                                        {"-3", "50", "75"},
                                        "\nd\t= -3.000      \t[db] or 0.708        []\nZe\t= 50.000      \t[Ohm]\n"
                                        "Za\t= 75.000      \t[Ohm]\ndmax\t= -3.959      \t[dB] or 0.634        []\n\n"
                                        "No Possible Solution, choose lower d"},
                             ReportCase{"TFiftyToSeventyFiveOhm",
                                        tMatchReport,
                                        {"-6", "50", "75"},
                                        "\nd\t= -6.000      \t[db] or 0.501        []\nZe\t= 50.000      \t[Ohm]\n"
                                        "Za\t= 75.000      \t[Ohm]\ndmax\t= -3.959      \t[dB] or 0.634        []\n\n"
                                        "Possible Solution:\nR1   = 9.915        \t[Ohm]\nR2   = 60.200      \t[Ohm]\n"
                                        "R3   = 44.972      \t[Ohm]"},
                             ReportCase{"PiLossBelowTheLowestPossible",
                                        piMatchReport,
                                        {"-1", "50", "75"},
                                        "\nd\t= -1.000      \t[db] or 0.891        []\nZe\t= 50.000      \t[Ohm]\n"
                                        "Za\t= 75.000      \t[Ohm]\ndmax\t= -3.959      \t[dB] or 0.634        []\n\n"
                                        "No Possible Solution, choose lower d"}),
                         test::caseName);

// Element values checked against the same formulas in complex arithmetic (Python):
// T, Za = 50+10i: 15.4998-4.1715i, 65.8116-4.1914i, 17.1724+12.0907i.
INSTANTIATE_TEST_SUITE_P(
    ComplexPath, MatchReport,
    testing::Values(ReportCase{"TComplexLoad",
                               tMatchReport,
                               {"-6", "50", "50+10i"},
                               std::string("\nd\t= -6.000      \t[db]\nd\t= 0.501        \t[]\n\nComplex Solution:\n"
                                           "R1\t= 15.500       + -4.172      \ti  [Ohm]\n"
                                           "R2\t= 65.812       + -4.191      \ti  [Ohm]\n"
                                           "R3\t= 17.172       + 12.091      \ti  [Ohm]")
                                   + complexFooter},
                    ReportCase{"PiComplexLoad",
                               piMatchReport,
                               {"-6", "50", "50+10i"},
                               std::string("\nd\t= -6.000      \t[db]\nd\t= 0.501        \t[]\n\nComplex Solution:\n"
                                           "R1\t= 111.038      + -49.063     \ti  [Ohm]\n"
                                           "R2\t= 37.352       + 9.976        \ti  [Ohm]\n"
                                           "R3\t= 142.303      + 70.557      \ti  [Ohm]")
                                   + complexFooter},
                    // A formula input takes the engine path even when its value is real.
                    ReportCase{"TFormulaInput",
                               tMatchReport,
                               {"-6", "50", "25*2"},
                               std::string("\nd\t= -6.000      \t[db]\nd\t= 0.501        \t[]\n\nComplex Solution:\n"
                                           "R1\t= 16.614       + 0.0         \ti  [Ohm]\n"
                                           "R2\t= 66.931       + 0.0         \ti  [Ohm]\n"
                                           "R3\t= 16.614       + 0.0         \ti  [Ohm]")
                                   + complexFooter},
                    ReportCase{"TEmptyLossFails", tMatchReport, {"", "50", "50+10i"}, failureLine},
                    ReportCase{"PiZeroLossFails", piMatchReport, {"0", "50", "50+10i"}, failureLine},
                    ReportCase{"TEmptyImpedanceFails", tMatchReport, {"-6", "", "50"}, failureLine},
                    ReportCase{"PiUnknownNameFails", piMatchReport, {"-6", "50", "50+x"}, failureLine},
                    ReportCase{"TCharacterOutsideLatin1Fails", tMatchReport, {"-6", "50", "50\u03a9"}, failureLine}),
    test::caseName);

std::string variable(const FormulaEngine& engine, std::string_view name)
{
    std::string formula;
    EXPECT_EQ(engine.variableFormula(name, formula), EngineError::None) << name;
    return formula;
}

TEST(MatchEngineVariables, ComplexPathLeavesItsInputsInTheEngineUntilTheNextCalculation)
{
    const std::shared_ptr<FormulaEngine> engine = createMatchingEngine();
    CalculationInput input;
    input.texts = QStringList{"-6", "50", "50+10i"};
    input.engine = engine.get();
    tMatchReport(input);
    EXPECT_EQ(variable(*engine, "k"), "(1.0000000000000000e+00+2.0000000000000001e-01i)");
    EXPECT_EQ(variable(*engine, "di"), "1.9952623149688797e+00"); // 1 / pow(10, -0.3)
    EXPECT_EQ(variable(*engine, "Za"), "(50+10i)");
    input.texts = QStringList{"-6", "50-10i", "50"};
    piMatchReport(input);
    EXPECT_EQ(variable(*engine, "Ze"), "(50-10i)");
    std::string formula;
    EXPECT_EQ(engine->variableFormula("Za", formula), EngineError::NoVariableMatch);
    EXPECT_EQ(engine->variableCount(), 3U);
}

struct EngineStateCase {
    const char* name;
    ReportFunction report;
    QStringList inputs; // d, Ze, Za
    bool fails;
};

void PrintTo(const EngineStateCase& c, std::ostream* os)
{
    *os << c.name;
}

class MatchEngineState : public testing::TestWithParam<EngineStateCase> { };

// A report depends on its inputs alone: after other calculations on the same engine, and
// when repeated, it is the report of a fresh engine. An impedance naming a variable that
// a calculation stores cannot read a previous calculation's value and fails.
TEST_P(MatchEngineState, ReportDoesNotDependOnEarlierCalculations)
{
    const EngineStateCase& c = GetParam();
    const std::shared_ptr<FormulaEngine> fresh = createMatchingEngine();
    CalculationInput input;
    input.texts = c.inputs;
    input.engine = fresh.get();
    const QString expected = c.report(input).text;
    EXPECT_EQ(expected == QLatin1String(failureLine), c.fails) << expected.toStdString();

    for (const bool piFirst : {false, true}) {
        const std::shared_ptr<FormulaEngine> used = createMatchingEngine();
        CalculationInput earlier;
        earlier.engine = used.get();
        earlier.texts = QStringList{"-3", "60-5i", "40+5i"};
        (piFirst ? piMatchReport : tMatchReport)(earlier);
        (piFirst ? tMatchReport : piMatchReport)(earlier);
        input.engine = used.get();
        EXPECT_EQ(c.report(input).text, expected) << (piFirst ? "PI, T, then this" : "T, PI, then this");
        EXPECT_EQ(c.report(input).text, expected) << "pressed again";
    }
}

INSTANTIATE_TEST_SUITE_P(
    FormulaInputs, MatchEngineState,
    testing::Values(EngineStateCase{"TComplexLoad", tMatchReport, {"-6", "50", "50+10i"}, false},
                    EngineStateCase{"PiComplexSource", piMatchReport, {"-6", "50-10i", "75"}, false},
                    EngineStateCase{"TLoadNamingTheRatio", tMatchReport, {"-6", "50", "k*50"}, true},
                    EngineStateCase{"TLoadNamingTheSource", tMatchReport, {"-6", "50", "Ze+1i"}, true},
                    EngineStateCase{"PiSourceNamingTheLoss", piMatchReport, {"-6", "di*25", "75"}, true},
                    EngineStateCase{"PiSourceNamingTheLoad", piMatchReport, {"-6", "Za", "75"}, true}),
    [](const testing::TestParamInfo<EngineStateCase>& info) { return std::string(info.param.name); });

TEST(MatchEngineVariables, WithoutAnEngineTheComplexPathFails)
{
    CalculationInput input;
    input.texts = QStringList{"-6", "50", "50+10i"};
    EXPECT_EQ(tMatchReport(input).text.toStdString(), failureLine);
    input.texts = QStringList{"-6", "50", "50"}; // the real path needs none
    EXPECT_TRUE(tMatchReport(input).text.contains(QStringLiteral("Possible Solution")));
}

// Impedance texts are not cut to a fixed buffer: any length the engine accepts as a
// variable formula works, and a longer one fails instead of reusing the last value.
TEST(MatchLongInputs, TextsUpToTheEngineLimitWorkAndLongerOnesFail)
{
    const std::shared_ptr<FormulaEngine> engine = createMatchingEngine();
    CalculationInput input;
    input.engine = engine.get();
    input.texts = QStringList{"-6", "50", "50+10i"};
    const QString reference = tMatchReport(input).text;

    // "(" + text + ")" of exactly the longest formula the engine stores.
    const auto padded = [](int length) { return QStringLiteral("50+10i") + QString(length - 6, QLatin1Char(' ')); };
    const int longest = static_cast<int>(FormulaEngine::maxFormulaLength) - 2;
    input.texts = QStringList{"-6", QStringLiteral("50") + QString(200, QLatin1Char(' ')), padded(longest)};
    EXPECT_EQ(tMatchReport(input).text, reference);
    input.texts = QStringList{"-6", "50", padded(longest + 1)};
    EXPECT_EQ(tMatchReport(input).text.toStdString(), failureLine);
}

TEST(MatchingEngine, HasRoomForSixteenVariables)
{
    const std::shared_ptr<FormulaEngine> engine = createMatchingEngine();
    ASSERT_TRUE(engine);
    EXPECT_TRUE(engine->hasVariableTable());
    EXPECT_EQ(engine->maxVariables(), 16U);
}

} // namespace
} // namespace kalvo::rc
