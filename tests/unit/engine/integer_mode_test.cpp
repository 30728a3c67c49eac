#include "engine_test_support.h"

#include <gtest/gtest.h>

namespace kalvo::test {
namespace {

// Integer mode is entered by a formula with a base prefix or a bit operator; its result
// is text.
struct IntegerCase {
    std::string_view formula;
    int wordBits;
    bool isUnsigned;
    int outputMode;
    char optionD;
    EngineError code;
    std::string_view text; // expected result text when code is None
};

class IntegerMode : public testing::TestWithParam<IntegerCase> { };

TEST_P(IntegerMode, ComputesText)
{
    const IntegerCase& c = GetParam();
    FormulaEngine engine(16);
    engine.setIntegerOptions(c.wordBits, c.outputMode, c.isUnsigned ? 1 : 0, c.optionD, 36);
    double re = -1.0;
    double im = -1.0;
    std::string text = "stale";
    EXPECT_EQ(engine.evaluateComplex(c.formula, re, im, text), c.code);
    EXPECT_EQ(text, c.code == EngineError::None ? c.text : "");
    EXPECT_EQ(re, 0.0); // the numeric result of integer mode is 0
    EXPECT_EQ(im, 0.0);
    double value = -1.0;
    EXPECT_EQ(engine.evaluateReal(c.formula, value, text), c.code);
    EXPECT_EQ(text, c.code == EngineError::None ? c.text : "");
}

constexpr bool U = true; // unsigned word
constexpr bool S = false; // two's complement word
constexpr EngineError Ok = EngineError::None;

std::string integerName(const testing::TestParamInfo<IntegerCase>& info)
{
    return caseName(info.param.formula, info.index);
}

INSTANTIATE_TEST_SUITE_P(StartSettings, IntegerMode,
                         testing::Values(
                             // 1 bit, unsigned, hexadecimal output: only 0 and 1 fit.
                             IntegerCase{"0x1", 1, U, 2, 0, Ok, "0x 1"}, IntegerCase{"0b0", 1, U, 2, 0, Ok, "0x 0"},
                             IntegerCase{"0x1F", 1, U, 2, 0, EngineError::BinOverflow, ""},
                             IntegerCase{"1+0x1", 1, U, 2, 0, EngineError::BinOverflow, ""},
                             IntegerCase{"!0x1", 1, U, 2, 0, Ok, "0x 0"}),
                         integerName);

INSTANTIATE_TEST_SUITE_P(
    OutputModes, IntegerMode,
    testing::Values(
        IntegerCase{"0x1F", 16, U, 2, 0, Ok, "0x 001F"}, IntegerCase{"0x1F", 16, U, 2, 1, Ok, "0x 1F"},
        IntegerCase{"0x12345678", 32, U, 2, 0, Ok, "0x 1234 5678"},
        IntegerCase{"0d5", 16, U, 0, 0, Ok, "0b 0000 0000 0000 0101"}, IntegerCase{"0d5", 16, U, 0, 1, Ok, "0b 101"},
        IntegerCase{"0o17", 16, U, 1, 0, Ok, "0o 00 0017"}, IntegerCase{"0x0", 16, U, 1, 1, Ok, "0o 0"},
        IntegerCase{"0xFF", 8, S, 2, 0, Ok, "0x FF"}, // the pattern of -1
        IntegerCase{"0xFF", 8, S, 3, 0, Ok, "-0d 1"}, IntegerCase{"0d 1234", 16, U, 3, 0, Ok, "0d 1234"},
        IntegerCase{"0d 1234", 16, U, 7, 0, Ok, "0d 1234"}, // above 6 behaves as 3
        IntegerCase{"0d35", 16, U, 4, 0, Ok, "Z"}, // radix 36
        IntegerCase{"0x FFFF", 32, U, 4, 0, Ok, "1EKF"}, IntegerCase{"0d1994", 16, U, 5, 0, Ok, "0r MCMXCIV"},
        IntegerCase{"0x0", 16, U, 5, 0, Ok, "0r 0"}, IntegerCase{"-0d4", 16, S, 5, 0, Ok, "-0r IV"},
        IntegerCase{"0d8191", 16, U, 5, 0, Ok, "0r MMMMMMMMCXCI"},
        IntegerCase{"0d8192", 16, U, 5, 0, EngineError::RomanOverflow, ""},
        IntegerCase{"D2F(1.5)", 32, U, 6, 0, Ok, "1.5"}, IntegerCase{"D2F(1.5)", 32, U, 2, 0, Ok, "0x 3FC0 0000"},
        IntegerCase{"D2F(PI)", 32, U, 2, 0, Ok, "0x 4049 0FDB"},
        IntegerCase{"D2F(-2)", 32, S, 2, 0, Ok, "0x C000 0000"},
        IntegerCase{"D2F(1E39)", 32, U, 2, 0, EngineError::FloatOverflow, ""},
        IntegerCase{"D2F(1)", 16, U, 2, 0, EngineError::BinOverflow, ""}),
    integerName);

INSTANTIATE_TEST_SUITE_P(
    NumberForms, IntegerMode,
    testing::Values(IntegerCase{"0x 1F FF", 16, U, 2, 1, Ok, "0x 1FFF"}, // reads its own output back
                    IntegerCase{"0b 1 0101", 16, U, 3, 0, Ok, "0d 21"},
                    IntegerCase{"0xff+0d1", 16, U, 3, 0, Ok, "0d 256"}, IntegerCase{"0r XIV", 16, U, 3, 0, Ok, "0d 14"},
                    IntegerCase{"0rMCMXCIV", 16, U, 3, 0, Ok, "0d 1994"}, IntegerCase{"0aA", 16, U, 3, 0, Ok, "0d 65"},
                    IntegerCase{"0a ", 16, U, 3, 0, Ok, "0d 32"},
                    IntegerCase{"0a", 16, U, 3, 0, EngineError::Syntax, ""},
                    IntegerCase{"0x", 16, U, 3, 0, EngineError::Syntax, ""},
                    IntegerCase{"0b102", 16, U, 3, 0, EngineError::Base, ""},
                    IntegerCase{"0xG", 16, U, 3, 0, EngineError::Base, ""},
                    IntegerCase{"0o8", 16, U, 3, 0, EngineError::Base, ""},
                    IntegerCase{"0rXIQ", 16, U, 3, 0, EngineError::Base, ""},
                    IntegerCase{"0d1.5", 16, U, 3, 0, EngineError::NoIntegerNumber, ""},
                    IntegerCase{"1,5+0x1", 16, U, 3, 0, EngineError::NoIntegerNumber, ""},
                    IntegerCase{"0x10000", 16, U, 3, 0, EngineError::BinOverflow, ""},
                    IntegerCase{"0d65536", 16, U, 3, 0, EngineError::BinOverflow, ""},
                    IntegerCase{"SIN(0x1)", 16, U, 3, 0, EngineError::IntegerOnly, ""},
                    IntegerCase{"PI*0x1", 16, U, 3, 0, EngineError::IntegerOnly, ""},
                    IntegerCase{"0x1+y", 16, U, 3, 0, EngineError::UnknownName, ""}),
    integerName);

INSTANTIATE_TEST_SUITE_P(
    Operators, IntegerMode,
    testing::Values(
        IntegerCase{"0x0F && 0x3C", 8, U, 2, 0, Ok, "0x 0C"}, IntegerCase{"0x0F || 0x30", 8, U, 2, 0, Ok, "0x 3F"},
        IntegerCase{"0x0F ^^ 0xFF", 8, U, 2, 0, Ok, "0x F0"}, IntegerCase{"0x0F !& 0x3C", 8, U, 2, 0, Ok, "0x F3"},
        IntegerCase{"0x0F !| 0x30", 8, U, 2, 0, Ok, "0x C0"}, IntegerCase{"0x0F !^ 0x3C", 8, U, 2, 0, Ok, "0x CC"},
        IntegerCase{"!0x05", 8, U, 2, 0, Ok, "0x FA"}, IntegerCase{"!(0x05)", 8, U, 2, 0, Ok, "0x FA"},
        IntegerCase{"!!0x05", 8, U, 2, 0, Ok, "0x 05"}, IntegerCase{"0x1 << 4", 8, U, 2, 0, Ok, "0x 10"},
        IntegerCase{"0x1 << 8", 8, U, 2, 0, Ok, "0x 00"}, // shifted-out bits are lost
        IntegerCase{"0x80 >> 7", 8, U, 2, 0, Ok, "0x 01"},
        IntegerCase{"0x80 >> 7", 8, S, 2, 0, Ok, "0x 01"}, // zeros come in from the left
        IntegerCase{"0x81 <L< 1", 8, U, 2, 0, Ok, "0x 03"}, IntegerCase{"0x81 >R> 1", 8, U, 2, 0, Ok, "0x C0"},
        IntegerCase{"0x81 <L< 9", 8, U, 2, 0, Ok, "0x 03"}, // counts modulo the word
        IntegerCase{"SWP(0x12)", 8, U, 2, 0, Ok, "0x 21"}, IntegerCase{"SWP(0x1234)", 16, U, 2, 0, Ok, "0x 3412"},
        IntegerCase{"0x1 << 0d8192", 16, U, 2, 0, EngineError::ShiftDomain, ""},
        IntegerCase{"0x1 << -1", 16, S, 2, 0, EngineError::ShiftDomain, ""},
        IntegerCase{"0x1 << !0", 8, S, 2, 0, EngineError::ShiftDomain, ""},
        IntegerCase{"0x1 && 3*2", 8, U, 3, 0, Ok, "0d 2"}, // bit operators bind before *
        IntegerCase{"0x1+2*3", 8, U, 3, 0, Ok, "0d 7"}, IntegerCase{"0x2^3*2", 8, U, 3, 0, Ok, "0d 16"},
        IntegerCase{"0x2(3)", 8, U, 3, 0, Ok, "0d 6"}, IntegerCase{"0x2 &&", 8, U, 3, 0, EngineError::Syntax, ""},
        IntegerCase{"0x2 !", 8, U, 3, 0, EngineError::Syntax, ""},
        IntegerCase{"!-0x2", 8, S, 3, 0, EngineError::Syntax, ""},
        IntegerCase{"(0x2", 8, U, 3, 0, EngineError::BracketLogic, ""}),
    integerName);

INSTANTIATE_TEST_SUITE_P(Arithmetic, IntegerMode,
                         testing::Values(IntegerCase{"0x2^10", 16, U, 3, 0, Ok, "0d 1024"},
                                         IntegerCase{"0x2^16", 16, U, 3, 0, EngineError::BinOverflow, ""},
                                         IntegerCase{"0x0^0", 16, U, 3, 0, Ok, "0d 1"},
                                         IntegerCase{"0x1^0d8192", 16, U, 3, 0, EngineError::PowerDomain, ""},
                                         IntegerCase{"0x2^-1", 16, S, 3, 0, EngineError::PowerDomain, ""},
                                         IntegerCase{"0x1-2", 16, U, 3, 0, EngineError::NegativeInteger, ""},
                                         IntegerCase{"-0x1", 16, U, 3, 0, EngineError::NegativeInteger, ""},
                                         IntegerCase{"-0x0", 16, U, 3, 0, Ok, "0d 0"},
                                         IntegerCase{"0xFF+1", 8, U, 3, 0, EngineError::BinOverflow, ""},
                                         IntegerCase{"0x10*0x10", 8, U, 3, 0, EngineError::BinOverflow, ""},
                                         IntegerCase{"-128+0x0", 8, S, 3, 0, Ok, "-0d 128"}, // the sign makes 128 fit
                                         IntegerCase{"128+0x0", 8, S, 3, 0, EngineError::BinOverflow, ""},
                                         IntegerCase{"0x7F+1", 8, S, 3, 0, EngineError::BinOverflow, ""},
                                         IntegerCase{"-128/-1+0x0", 8, S, 3, 0, EngineError::BinOverflow, ""},
                                         IntegerCase{"ABS(0x80)", 8, S, 3, 0, EngineError::BinOverflow, ""},
                                         IntegerCase{"ABS(-5)+0x0", 8, S, 3, 0, Ok, "0d 5"},
                                         IntegerCase{"SIG(-5)+0x0", 8, S, 3, 0, Ok, "-0d 1"},
                                         IntegerCase{"SIG(0x0)", 8, S, 3, 0, Ok, "0d 0"},
                                         IntegerCase{"0x7/2", 8, S, 3, 0, Ok, "0d 3"},
                                         IntegerCase{"-0x7/2", 8, S, 3, 0, Ok, "-0d 3"}, // truncates toward zero
                                         IntegerCase{"-0x7%2", 8, S, 3, 0, Ok, "-0d 1"},
                                         IntegerCase{"0x5/0", 8, U, 3, 0, EngineError::DivisionByZero, ""},
                                         IntegerCase{"0x5%0", 8, U, 3, 0, EngineError::DivisionByZero, ""},
                                         IntegerCase{"FACT(0x5)", 8, U, 3, 0, Ok, "0d 120"},
                                         IntegerCase{"FACT(0x6)", 8, U, 3, 0, EngineError::BinOverflow, ""},
                                         IntegerCase{"FACT(-0x1)", 8, S, 3, 0, EngineError::Domain, ""},
                                         IntegerCase{"FACT(0xFFFFFFFF)", 32, U, 3, 0, EngineError::BinOverflow, ""}),
                         integerName);

TEST(IntegerModeVariables, VariablesAreReadInIntegerMode)
{
    FormulaEngine engine(16);
    engine.setIntegerOptions(16, 3, 1, 0, 10);
    ASSERT_EQ(engine.defineVariable("0x10", "x", true), EngineError::None);
    ASSERT_EQ(engine.defineVariable("5", "n", true), EngineError::None);
    double value = 0.0;
    std::string text;
    ASSERT_EQ(engine.evaluateReal("x+n", value, text), EngineError::None);
    EXPECT_EQ(text, "0d 21");
    ASSERT_EQ(engine.evaluateReal("n+1", value, text), EngineError::None); // no integer syntax
    EXPECT_EQ(value, 6.0);
    EXPECT_EQ(text, "");
    EXPECT_EQ(engine.defineVariable("x && 0x1", "x", true), EngineError::CircularDefinition);
    ASSERT_EQ(engine.defineVariable("0d2.5", "f", true), EngineError::NoIntegerNumber);
}

TEST(IntegerModeWideWords, EightThousandBitsStayExact)
{
    FormulaEngine engine(16);
    engine.setIntegerOptions(8192, 2, 1, 1, 10);
    double value = 0.0;
    std::string text;
    ASSERT_EQ(engine.evaluateReal("0x1 << 0d8191", value, text), EngineError::None);
    std::string expected = "0x 8000"; // 2048 hexadecimal digits in groups of four
    for (int group = 1; group < 512; ++group)
        expected += " 0000";
    EXPECT_EQ(text, expected);
    EXPECT_EQ(engine.evaluateReal("(0x1 << 0d8191)*0x2", value, text), EngineError::BinOverflow);
    EXPECT_EQ(engine.evaluateReal("0x3^0d5167", value, text), EngineError::None);
    EXPECT_EQ(engine.evaluateReal("0x3^0d5169", value, text), EngineError::BinOverflow);
    EXPECT_EQ(engine.evaluateReal("(0x3^0d5167)/(0x3^0d5166)", value, text), EngineError::None);
    EXPECT_EQ(text, "0x 3");
}

} // namespace
} // namespace kalvo::test
