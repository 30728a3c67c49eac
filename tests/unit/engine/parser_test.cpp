#include "engine_test_support.h"

#include <gtest/gtest.h>

#include <numbers>

namespace kalvo::test {
namespace {

constexpr double pi = std::numbers::pi;

TEST_P(RealValue, EvaluatesTo)
{
    const FormulaEngine engine(16);
    double value = -1.0;
    ASSERT_EQ(engine.evaluateReal(GetParam().formula, value), EngineError::None);
    if (GetParam().tolerance == 0.0)
        EXPECT_EQ(value, GetParam().expected);
    else
        EXPECT_NEAR(value, GetParam().expected, GetParam().tolerance);
}

// How the real evaluator reads numbers, implicit products, signs and priorities.
INSTANTIATE_TEST_SUITE_P(Reading, RealValue,
                         testing::Values(RealCase{"2(3+4)", 14}, // a bracket after a value multiplies
                                         RealCase{"2PI", 2 * pi}, RealCase{"PI(2)", 2 * pi},
                                         RealCase{"1 000", 1000}, // spaces inside a number are skipped
                                         RealCase{"2 3", 23}, RealCase{"1,5", 1.5}, RealCase{".5", 0.5},
                                         RealCase{",5", 0.5}, RealCase{". 5", 0.5}, RealCase{"1 000,5", 1000.5},
                                         RealCase{"0.1", 0.1}, // read correctly rounded
                                         RealCase{"123456789012345678901234567890", 1.2345678901234568e29},
                                         RealCase{"", 0}, RealCase{"   ", 0}, RealCase{"( )", 0}),
                         nameOf<RealCase>);

INSTANTIATE_TEST_SUITE_P(SignsAndPriorities, RealValue,
                         testing::Values(RealCase{"-2^2", 4}, // signs bind before every binary operator
                                         RealCase{"2^-1", 0.5}, RealCase{"2^3^2", 64}, // left grouping
                                         RealCase{"8/2/2", 2}, RealCase{"10-4-3", 3}, RealCase{"2+3*4", 14},
                                         RealCase{"2*3+4*5", 26}, RealCase{"2^3//6", 8.0 * 6.0 / 14.0},
                                         RealCase{"1E3^2", 1e6}, // the exponent operator binds first
                                         RealCase{"1.5E3", 1500}, RealCase{"1.5 e 3", 1500}, RealCase{"2E-3", 0.002},
                                         RealCase{"-2E3", -2000}, RealCase{"2*-3", -6}, RealCase{"2--3", 5},
                                         RealCase{"-(-2)", 2}, RealCase{"+3", 3}, RealCase{"--3", 3},
                                         RealCase{"5%3", 2}, RealCase{"-5%3", -2}),
                         nameOf<RealCase>);

class ParserError : public testing::TestWithParam<ErrorCase> { };

TEST_P(ParserError, GivesCode)
{
    const FormulaEngine engine(16);
    double value = -1.0;
    EXPECT_EQ(engine.evaluateReal(GetParam().formula, value), GetParam().code);
    EXPECT_EQ(value, 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, ParserError,
    testing::Values(ErrorCase{"(2)(3)", EngineError::Syntax}, ErrorCase{"1.2.3", EngineError::Syntax},
                    ErrorCase{"5.", EngineError::Syntax}, ErrorCase{"5. ", EngineError::Syntax},
                    ErrorCase{".", EngineError::Syntax}, ErrorCase{".+1", EngineError::Syntax},
                    ErrorCase{"()", EngineError::Syntax},
                    ErrorCase{"(2))", EngineError::Syntax}, // a lone ")" reaches the number reader
                    ErrorCase{")", EngineError::Syntax}, ErrorCase{"2*/3", EngineError::Syntax},
                    ErrorCase{"*2", EngineError::Syntax}, ErrorCase{"-", EngineError::Syntax},
                    ErrorCase{"2 SQRT(4)", EngineError::Syntax}, // no implicit product before a function
                    ErrorCase{"(1)2", EngineError::Syntax}, ErrorCase{"#", EngineError::Syntax},
                    ErrorCase{"2\t+1", EngineError::Syntax}, ErrorCase{"2^^3", EngineError::Syntax}),
    nameOf<ErrorCase>);

INSTANTIATE_TEST_SUITE_P(OperatorAtEnd, ParserError,
                         testing::Values(ErrorCase{"2+", EngineError::Syntax}, ErrorCase{"2-", EngineError::Syntax},
                                         ErrorCase{"2*", EngineError::Syntax}, ErrorCase{"2/", EngineError::Syntax},
                                         ErrorCase{"2%", EngineError::Syntax}, ErrorCase{"2^", EngineError::Syntax},
                                         ErrorCase{"2//", EngineError::Syntax}, ErrorCase{"2nPr", EngineError::Syntax},
                                         ErrorCase{"2nCr", EngineError::Syntax}, ErrorCase{"2E", EngineError::Syntax},
                                         ErrorCase{"2e ", EngineError::Syntax}),
                         nameOf<ErrorCase>);

INSTANTIATE_TEST_SUITE_P(BracketsAndNames, ParserError,
                         testing::Values(ErrorCase{"((2)", EngineError::BracketLogic},
                                         ErrorCase{"SQRT(4", EngineError::BracketLogic},
                                         ErrorCase{"sin(1)", EngineError::UnknownName}, // names are case-sensitive
                                         ErrorCase{"ABS (1)", EngineError::UnknownName},
                                         ErrorCase{"ARG(1)", EngineError::UnknownName}, // complex evaluator only
                                         ErrorCase{"x", EngineError::UnknownName},
                                         ErrorCase{"2i", EngineError::UnknownName}),
                         nameOf<ErrorCase>);

TEST(ParserVariables, ImplicitProductWithNamesAndLongestNameFirst)
{
    FormulaEngine engine(16);
    ASSERT_EQ(engine.defineVariable("3", "x", true), EngineError::None);
    ASSERT_EQ(engine.defineVariable("2", "a", true), EngineError::None);
    ASSERT_EQ(engine.defineVariable("5", "ab", true), EngineError::None);
    const struct {
        std::string_view formula;
        double expected;
    } cases[] = {{"2x", 6}, {"2 x", 6}, {"x*x", 9}, {"ab", 5}, {"a*ab", 10}, {"PIx", pi * 3}};
    for (const auto& c : cases) {
        double value = 0.0;
        EXPECT_EQ(engine.evaluateReal(c.formula, value), EngineError::None) << c.formula;
        EXPECT_EQ(value, c.expected) << c.formula;
    }
    double value = 0.0;
    EXPECT_EQ(engine.evaluateReal("x(2)", value), EngineError::Syntax);
    EXPECT_EQ(engine.evaluateReal("x2", value), EngineError::Syntax);
}

TEST(ParserLimits, InvocationsBeyondTenThousandGiveStackDepth)
{
    const FormulaEngine engine(16);
    const auto nested = [](int depth) { return std::string(depth, '(') + "1" + std::string(depth, ')'); };
    const auto sideBySide = [](int count) {
        std::string formula = "0";
        for (int i = 0; i < count; ++i)
            formula += "+(1)";
        return formula;
    };
    double value = 0.0;
    // The whole formula is one invocation, each bracket one more.
    EXPECT_EQ(engine.evaluateReal(nested(9999), value), EngineError::None);
    EXPECT_EQ(value, 1.0);
    EXPECT_EQ(engine.evaluateReal(nested(10000), value), EngineError::StackDepth);
    EXPECT_EQ(engine.evaluateReal(sideBySide(9999), value), EngineError::None);
    EXPECT_EQ(value, 9999.0);
    EXPECT_EQ(engine.evaluateReal(sideBySide(10000), value), EngineError::StackDepth);
}

TEST(ParserLimits, ScanPositionBeyondOneHundredThousandIsInternalStructure)
{
    const FormulaEngine engine(16);
    double value = 0.0;
    EXPECT_EQ(engine.evaluateReal(std::string(100000, ' ') + "1", value), EngineError::None);
    EXPECT_EQ(engine.evaluateReal(std::string(100001, ' ') + "1", value), EngineError::InternalStructure);
}

} // namespace
} // namespace kalvo::test
