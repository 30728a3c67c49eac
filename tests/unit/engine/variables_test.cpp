#include "engine_test_support.h"

#include <gtest/gtest.h>

namespace kalvo::test {
namespace {

std::string formulaOf(const FormulaEngine& engine, std::string_view name)
{
    std::string formula;
    EXPECT_EQ(engine.variableFormula(name, formula), EngineError::None);
    return formula;
}

struct NameCase {
    std::string_view formula; // the name; called formula for the shared name generator
    EngineError code;
};

class VariableName : public testing::TestWithParam<NameCase> { };

TEST_P(VariableName, IsCheckedOnDefinition)
{
    FormulaEngine engine(16);
    EXPECT_EQ(engine.defineVariable("1", GetParam().formula, true), GetParam().code);
    EXPECT_EQ(engine.variableCount(), GetParam().code == EngineError::None ? 1U : 0U);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, VariableName,
    testing::Values(NameCase{"Pi", EngineError::None}, // reserved words are compared case-sensitively
                    NameCase{"_x", EngineError::None}, NameCase{"$a", EngineError::None},
                    NameCase{"x1", EngineError::None}, NameCase{"\xC3\xA4rger", EngineError::None},
                    NameCase{"abcdefghijklmnopqrstuvwxyz012345", EngineError::None},
                    NameCase{"abcdefghijklmnopqrstuvwxyz0123456", EngineError::VariableNotValid},
                    NameCase{"PI", EngineError::VariableNotValid}, NameCase{"i", EngineError::VariableNotValid},
                    NameCase{"E", EngineError::VariableNotValid}, NameCase{"e", EngineError::VariableNotValid},
                    NameCase{"LNGAMMA", EngineError::VariableNotValid}, NameCase{"dg", EngineError::VariableNotValid},
                    NameCase{"nCr", EngineError::VariableNotValid}, NameCase{"1x", EngineError::VariableNotValid},
                    NameCase{"a-b", EngineError::VariableNotValid}, NameCase{"a b", EngineError::VariableNotValid},
                    NameCase{"", EngineError::Syntax}),
    [](const testing::TestParamInfo<NameCase>& info) { return caseName(info.param.formula, info.index); });

TEST(VariableTable, HoldsAtMostItsCapacity)
{
    FormulaEngine engine(16);
    for (int i = 0; i < 16; ++i)
        ASSERT_EQ(engine.defineVariable("1", "v" + std::to_string(i), true), EngineError::None);
    EXPECT_EQ(engine.defineVariable("1", "w", true), EngineError::MaxVariablesReached);
    EXPECT_EQ(engine.defineVariable("2", "v7", true), EngineError::None); // redefinition fits
    EXPECT_EQ(engine.variableCount(), 16U);
    double value = 0.0;
    ASSERT_EQ(engine.evaluateReal("v7", value), EngineError::None);
    EXPECT_EQ(value, 2.0);
}

TEST(VariableTable, FormulaLengthIsLimited)
{
    FormulaEngine engine(16);
    const std::string longest = "1" + std::string(FormulaEngine::maxFormulaLength - 1, ' ');
    EXPECT_EQ(engine.defineVariable(longest, "x", true), EngineError::None);
    EXPECT_EQ(engine.defineVariable(longest + " ", "y", true), EngineError::ArgumentTooBig);
    EXPECT_EQ(engine.variableCount(), 1U);
}

TEST(VariableDefinition, FailedCheckStoresTheFormulaMarkedInvalid)
{
    FormulaEngine engine(16);
    EXPECT_EQ(engine.defineVariable("a+1", "a", true), EngineError::CircularDefinition);
    EXPECT_EQ(formulaOf(engine, "a"), "? a+1");
    EXPECT_EQ(engine.defineVariable("b", "a", true), EngineError::UnknownName);
    EXPECT_EQ(formulaOf(engine, "a"), "? b"); // the marker is never doubled
    EXPECT_EQ(engine.defineVariable("?x", "q", true), EngineError::Syntax);
    EXPECT_EQ(formulaOf(engine, "q"), "?x");
    // Every formula naming an invalid variable fails with Syntax.
    double value = 0.0;
    EXPECT_EQ(engine.evaluateReal("2*a", value), EngineError::Syntax);
    EXPECT_EQ(engine.defineVariable("a", "c", true), EngineError::Syntax);
}

TEST(VariableDefinition, CheckReadsButDoesNotCompute)
{
    FormulaEngine engine(16);
    EXPECT_EQ(engine.defineVariable("1/0", "x", true), EngineError::None);
    double value = 0.0;
    EXPECT_EQ(engine.evaluateReal("x", value), EngineError::DivisionByZero);

    EXPECT_EQ(engine.defineVariable("SQRT(-4)", "y", true), EngineError::None);
    EXPECT_EQ(engine.evaluateReal("y", value), EngineError::ComplexResult);
    double re = 0.0;
    double im = 0.0;
    ASSERT_EQ(engine.evaluateComplex("y", re, im), EngineError::None);
    EXPECT_EQ(re, 0.0);
    EXPECT_EQ(im, 2.0);

    // Complex-only syntax fails the real check and passes the complex one.
    EXPECT_EQ(engine.defineVariable("2+3i", "z", true), EngineError::None);
    EXPECT_EQ(formulaOf(engine, "z"), "2+3i");
    EXPECT_EQ(engine.defineVariable("(2", "w", true), EngineError::BracketLogic);
}

TEST(VariableDefinition, CyclesThroughOtherVariablesAreFound)
{
    FormulaEngine engine(16);
    ASSERT_EQ(engine.defineVariable("1", "d", true), EngineError::None);
    ASSERT_EQ(engine.defineVariable("2", "di", true), EngineError::None);
    EXPECT_EQ(engine.defineVariable("di+1", "d", true), EngineError::None); // di, not d then i
    EXPECT_EQ(engine.defineVariable("d*2", "di", true), EngineError::CircularDefinition);
    EXPECT_EQ(formulaOf(engine, "di"), "? d*2");
}

TEST(VariableDefinition, UncheckedCycleEndsInStackDepth)
{
    FormulaEngine engine(16);
    ASSERT_EQ(engine.defineVariable("b", "a", false), EngineError::None);
    ASSERT_EQ(engine.defineVariable("a", "b", false), EngineError::None);
    double value = 0.0;
    EXPECT_EQ(engine.evaluateReal("a", value), EngineError::StackDepth);
}

TEST(VariableDefinition, ReferencesAreReevaluated)
{
    FormulaEngine engine(16);
    ASSERT_EQ(engine.defineVariable("2", "a", true), EngineError::None);
    ASSERT_EQ(engine.defineVariable("a*10", "b", true), EngineError::None);
    double value = 0.0;
    ASSERT_EQ(engine.evaluateReal("b", value), EngineError::None);
    EXPECT_EQ(value, 20.0);
    ASSERT_EQ(engine.defineVariable("3", "a", true), EngineError::None);
    ASSERT_EQ(engine.evaluateReal("b", value), EngineError::None);
    EXPECT_EQ(value, 30.0);
}

TEST(VariableTable, RemoveLookUpAndClear)
{
    FormulaEngine engine(16);
    ASSERT_EQ(engine.defineVariable("2", "a", true), EngineError::None);
    ASSERT_EQ(engine.defineVariable("3", "b", true), EngineError::None);
    std::string formula;
    EXPECT_EQ(engine.variableFormula("c", formula), EngineError::NoVariableMatch);
    EXPECT_EQ(engine.removeVariable("c"), EngineError::NoVariableMatch);
    EXPECT_EQ(engine.removeVariable("a"), EngineError::None);
    double value = 0.0;
    EXPECT_EQ(engine.evaluateReal("a", value), EngineError::UnknownName);
    EXPECT_EQ(engine.variableCount(), 1U);
    engine.clearVariables();
    EXPECT_EQ(engine.variableCount(), 0U);
    EXPECT_EQ(engine.evaluateReal("b", value), EngineError::UnknownName);
}

TEST(VariableTable, UnallocatedTableReportsOutOfMemory)
{
    FormulaEngine engine(static_cast<std::size_t>(-1)); // more entries than can exist
    EXPECT_FALSE(engine.hasVariableTable());
    EXPECT_EQ(engine.defineVariable("1", "a", true), EngineError::OutOfMemory);
    double value = 0.0;
    EXPECT_EQ(engine.evaluateReal("2*3", value), EngineError::None);
    EXPECT_TRUE(FormulaEngine(16).hasVariableTable());
}

TEST(ErrorText, FixedMessages)
{
    EXPECT_EQ(errorText(0), "No");
    EXPECT_EQ(errorText(42), "Unknown ERROR");
    EXPECT_EQ(errorText(400), "Unknown ERROR"); // internal, never returned
    EXPECT_EQ(errorText(EngineError::TrigonometricArea), "Trigonometric Save Operating Area");
    EXPECT_EQ(errorText(EngineError::UnknownOperation), "Unknown Operation (Internal)");
    EXPECT_EQ(errorText(EngineError::MaxVariablesReached), "Maxvar reached");
    EXPECT_EQ(errorText(EngineError::UnknownName), "Syntax or Var Not Found");
    EXPECT_EQ(errorText(EngineError::StackDepth), "Stackdepth too high");
    EXPECT_EQ(errorText(EngineError::RealOnly), "Real Only");
}

} // namespace
} // namespace kalvo::test
