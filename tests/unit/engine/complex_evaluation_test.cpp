#include "engine_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kalvo::test {
namespace {

constexpr double pi = std::numbers::pi;
constexpr double acosh2 = 1.3169578969248166; // ln(2 + sqrt(3))

class ComplexValueCase : public testing::TestWithParam<ComplexCase> { };

TEST_P(ComplexValueCase, EvaluatesTo)
{
    const FormulaEngine engine(16);
    double re = -1.0;
    double im = -1.0;
    ASSERT_EQ(engine.evaluateComplex(GetParam().formula, re, im), EngineError::None);
    if (GetParam().tolerance == 0.0) {
        EXPECT_EQ(re, GetParam().re);
        EXPECT_EQ(im, GetParam().im);
    } else {
        EXPECT_NEAR(re, GetParam().re, GetParam().tolerance);
        EXPECT_NEAR(im, GetParam().im, GetParam().tolerance);
    }
}

INSTANTIATE_TEST_SUITE_P(ImaginaryUnitAndPolarForm, ComplexValueCase,
                         testing::Values(ComplexCase{"i*i", -1, 0}, ComplexCase{"3i", 0, 3}, ComplexCase{"3 i", 0, 3},
                                         ComplexCase{"2+3i", 2, 3}, ComplexCase{"(2+3i)*(2-3i)", 13, 0},
                                         ComplexCase{"1/i", 0, -1}, ComplexCase{"-2i", 0, -2},
                                         ComplexCase{"2<d90", 0, 2, 1e-15}, // real part about 1.2e-16
                                         ComplexCase{"1<r0", 1, 0}, ComplexCase{"2<r PI", -2, 0, 1e-15},
                                         ComplexCase{"90dg", 1.5707963267948966, 0}, ComplexCase{"SIN(90dg)", 1, 0},
                                         // The exponent operator binds before the postfix "i": how numbers written with
                                         // an exponent come back as imaginary parts.
                                         ComplexCase{"1.0000000000000000e+01i", 0, 10},
                                         ComplexCase{"(3.0000000000000000e+00+-4.0000000000000000e+00i)", 3, -4},
                                         ComplexCase{"2.5e-05i", 0, 2.5e-05}, ComplexCase{"1.5E3", 1500, 0}),
                         nameOf<ComplexCase>);

INSTANTIATE_TEST_SUITE_P(Operators, ComplexValueCase,
                         testing::Values(ComplexCase{"(1+i)//(1-i)", 1, 0}, ComplexCase{"3//6", 2, 0},
                                         ComplexCase{"0^0", 0, 0}, ComplexCase{"(2i)^2", -4, 0, 1e-15},
                                         ComplexCase{"2^(1+i)", 1.5384778027279442, 1.2779225526272695, 1e-15},
                                         ComplexCase{"2^10", 1024, 0, 1e-12}, ComplexCase{"5%3", 2, 0},
                                         ComplexCase{"5nCr2", 10, 0}, ComplexCase{"(1+2i)/(3-4i)", -0.2, 0.4, 1e-16}),
                         nameOf<ComplexCase>);

INSTANTIATE_TEST_SUITE_P(
    Functions, ComplexValueCase,
    testing::Values(ComplexCase{"SQRT(-4)", 0, 2}, ComplexCase{"SQRT(3+4i)", 2, 1}, ComplexCase{"SQRT(-3-4i)", 1, -2},
                    ComplexCase{"LOG(-1)", 0, pi},
                    ComplexCase{"LOG10(100)", 1.9999999999999998, 0}, // natural logarithm times 1/ln 10
                    ComplexCase{"EXP(i*PI)", -1, 0, 1e-15}, ComplexCase{"COS(-200)", std::cos(-200.0), 0, 1e-15},
                    ComplexCase{"COSH(200)", std::cosh(200.0), 0, 1e72}, ComplexCase{"INT(2.5+0i)", 2, 0},
                    ComplexCase{"ABS(3+4i)", 5, 0}, ComplexCase{"ARGD(1+i)", 45, 0}, ComplexCase{"ARG(-1)", pi, 0},
                    ComplexCase{"RE(2+3i)", 2, 0}, ComplexCase{"IM(2+3i)", 3, 0}, ComplexCase{"CONJ(2+3i)", 2, -3},
                    ComplexCase{"ASIN(2)", pi / 2, -acosh2, 1e-15}, ComplexCase{"ACOS(2)", 0, acosh2, 1e-15},
                    ComplexCase{"ASIN(-2)", -pi / 2, acosh2, 1e-15}, ComplexCase{"ACOS(-2)", pi, -acosh2, 1e-15},
                    ComplexCase{"ATANH(2)", std::atanh(0.5), -pi / 2, 1e-15},
                    ComplexCase{"ATANH(-2)", -std::atanh(0.5), pi / 2, 1e-15},
                    ComplexCase{"ATAN(2i)", pi / 2, std::atanh(0.5), 1e-15}, ComplexCase{"ACOSH(0)", 0, pi / 2},
                    ComplexCase{"FACT(5)", 120, 0}),
    nameOf<ComplexCase>);

class ComplexErrorCase : public testing::TestWithParam<ErrorCase> { };

TEST_P(ComplexErrorCase, GivesCode)
{
    const FormulaEngine engine(16);
    double re = -1.0;
    double im = -1.0;
    EXPECT_EQ(engine.evaluateComplex(GetParam().formula, re, im), GetParam().code);
    EXPECT_EQ(re, 0.0);
    EXPECT_EQ(im, 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, ComplexErrorCase,
    testing::Values(ErrorCase{"(1+i)<d30", EngineError::RealOnly}, ErrorCase{"1<d(30+i)", EngineError::RealOnly},
                    ErrorCase{"1<d15100", EngineError::TrigonometricArea},
                    ErrorCase{"1<r263", EngineError::TrigonometricArea}, ErrorCase{"INT(1+i)", EngineError::RealOnly},
                    ErrorCase{"FACT(i)", EngineError::RealOnly}, ErrorCase{"5%i", EngineError::RealOnly},
                    ErrorCase{"5%0", EngineError::DivisionByZero}, ErrorCase{"2inPr1", EngineError::RealOnly},
                    ErrorCase{"(1+i)nCr1", EngineError::RealOnly}, ErrorCase{"(i)E2", EngineError::UnknownName},
                    ErrorCase{"2iE3", EngineError::RealOnly}, // 2i is complete before its exponent
                    ErrorCase{"2idg", EngineError::RealOnly}, ErrorCase{"COS(200)", EngineError::TrigonometricArea},
                    ErrorCase{"SIN(1+132i)", EngineError::TrigonometricArea},
                    ErrorCase{"COSH(200i)", EngineError::TrigonometricArea},
                    ErrorCase{"EXP(132i)", EngineError::TrigonometricArea},
                    ErrorCase{"2^(1+132i)", EngineError::TrigonometricArea},
                    ErrorCase{"i//-i", EngineError::DivisionByZero}, ErrorCase{"1//-1", EngineError::DivisionByZero},
                    ErrorCase{"1/(0*i)", EngineError::DivisionByZero}, ErrorCase{"2<d", EngineError::Syntax},
                    ErrorCase{"FACT(171)", EngineError::InfiniteResult}, ErrorCase{"2nCr3", EngineError::Domain}),
    nameOf<ErrorCase>);

TEST(ComplexResultCheck, OverflowPassesUncheckedUnlessFloatCheckIsOn)
{
    FormulaEngine engine(16);
    double re = 0.0;
    double im = 0.0;
    ASSERT_EQ(engine.evaluateComplex("EXP(1000)", re, im), EngineError::None);
    EXPECT_TRUE(std::isinf(re));
    ASSERT_EQ(engine.evaluateComplex("LOG(0)", re, im), EngineError::None);
    EXPECT_FALSE(std::isfinite(re));
    ASSERT_EQ(engine.evaluateComplex("1/0", re, im), EngineError::DivisionByZero);

    engine.setFloatCheck(1);
    EXPECT_EQ(engine.evaluateComplex("EXP(1000)", re, im), EngineError::InfiniteResult);
    EXPECT_EQ(engine.evaluateComplex("1E30*1E10i", re, im), EngineError::InfiniteResult);
    EXPECT_EQ(engine.evaluateComplex("1E39", re, im), EngineError::InfiniteResult);
    EXPECT_EQ(engine.evaluateComplex("400000000000000000000000000000000000000", re, im), EngineError::FloatOverflow);
}

TEST(ComplexVariables, NamesBeginningWithIAreReadAsTheImaginaryUnit)
{
    FormulaEngine engine(16);
    ASSERT_EQ(engine.defineVariable("2", "n", true), EngineError::None);
    ASSERT_EQ(engine.defineVariable("5", "in", true), EngineError::None);
    double re = 0.0;
    double im = 0.0;
    ASSERT_EQ(engine.evaluateComplex("in", re, im), EngineError::None);
    EXPECT_EQ(re, 0.0);
    EXPECT_EQ(im, 2.0);
    double value = 0.0;
    ASSERT_EQ(engine.evaluateReal("in", value), EngineError::None);
    EXPECT_EQ(value, 5.0);
}

} // namespace
} // namespace kalvo::test
