#include "engine_fuzz_entry.h"
#include "engine_test_support.h"

#include <gtest/gtest.h>

#include <random>

namespace kalvo::test {
namespace {

std::string nested(int depth, std::string_view opening, std::string_view inner)
{
    std::string formula;
    for (int i = 0; i < depth; ++i)
        formula += opening;
    formula += inner;
    return formula + std::string(depth, ')');
}

// The deepest recursion the engine allows, in every evaluator (run under the sanitizer
// build as well, where stack frames are larger).
TEST(EngineRobustness, DeepestNestingEvaluatesAndOneMoreLevelIsRefused)
{
    const FormulaEngine engine(16);
    double re = 0.0;
    double im = 0.0;
    EXPECT_EQ(engine.evaluateComplex(nested(9999, "(", "2i"), re, im), EngineError::None);
    EXPECT_EQ(im, 2.0);
    EXPECT_EQ(engine.evaluateComplex(nested(10000, "(", "2i"), re, im), EngineError::StackDepth);
    EXPECT_EQ(engine.evaluateReal(nested(9999, "SQRT(", "1"), re), EngineError::None);
    EXPECT_EQ(re, 1.0);
    EXPECT_EQ(engine.evaluateReal(nested(10000, "ABS(", "-1"), re), EngineError::StackDepth);

    FormulaEngine integerEngine(16);
    integerEngine.setIntegerOptions(16, 3, 1, 0, 10);
    std::string text;
    EXPECT_EQ(integerEngine.evaluateReal(nested(9999, "!(", "0x1"), re, text), EngineError::None);
    EXPECT_EQ(text, "0d 65534");
    EXPECT_EQ(integerEngine.evaluateReal(nested(10000, "(", "0x1"), re, text), EngineError::StackDepth);
}

TEST(EngineRobustness, LongestFormulaAsVariable)
{
    FormulaEngine engine(16);
    std::string formula = "1";
    while (formula.size() + 2 <= FormulaEngine::maxFormulaLength)
        formula += "+1";
    ASSERT_EQ(formula.size(), FormulaEngine::maxFormulaLength - 1);
    ASSERT_EQ(engine.defineVariable(formula, "x", true), EngineError::None);
    double re = 0.0;
    double im = 0.0;
    ASSERT_EQ(engine.evaluateComplex("x-x/2", re, im), EngineError::None);
    EXPECT_EQ(re, 7500.0);
}

TEST(EngineRobustness, ArbitraryBytesGiveCodes)
{
    FormulaEngine engine(16);
    ASSERT_EQ(engine.defineVariable("4", "\xFF\xFE", true), EngineError::None);
    double value = 0.0;
    EXPECT_EQ(engine.evaluateReal("2\xFF\xFE", value), EngineError::None);
    EXPECT_EQ(value, 8.0);
    EXPECT_EQ(engine.evaluateReal("\x80", value), EngineError::UnknownName);
    EXPECT_EQ(engine.evaluateReal(std::string_view("1\0", 2), value), EngineError::Syntax);
    EXPECT_EQ(engine.evaluateReal("\x7F", value), EngineError::Syntax);
    EXPECT_EQ(engine.evaluateReal("{", value), EngineError::Syntax);
}

// Random formulas over the engine's alphabet and arbitrary bytes: every answer is one
// of the engine's codes (never the internal 400) and nothing crashes.
TEST(EngineRobustness, RandomInputSmokeTest)
{
    static constexpr std::string_view alphabet = "0123456789.,+-*/%^()<>!&|i ExdgPISQRTABCOLNF$_abEKr";
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> lengths(0, 48);
    std::uniform_int_distribution<int> picks(0, static_cast<int>(alphabet.size()) + 15);
    std::uniform_int_distribution<int> bytes(0, 255);
    FormulaEngine engine(16);
    engine.setIntegerOptions(32, 2, 0, 0, 10);
    for (int run = 0; run < 4000; ++run) {
        std::string input;
        for (int i = lengths(random); i > 0; --i) {
            const int pick = picks(random);
            input += pick < static_cast<int>(alphabet.size()) ? alphabet[static_cast<std::size_t>(pick)]
                                                              : static_cast<char>(bytes(random));
        }
        fuzzEngineOnce(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());

        engine.defineVariable(input, "a", true);
        double re = 0.0;
        double im = 0.0;
        std::string text;
        const EngineError complexCode = engine.evaluateComplex(input, re, im, text);
        const EngineError realCode = engine.evaluateReal(input, re, text);
        for (EngineError code : {complexCode, realCode}) {
            ASSERT_NE(errorText(code), "Unknown ERROR") << input;
            ASSERT_NE(code, EngineError::IntegerSyntax) << input;
        }
    }
}

} // namespace
} // namespace kalvo::test
