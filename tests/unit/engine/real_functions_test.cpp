#include "engine_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kalvo::test {
namespace {

constexpr double pi = std::numbers::pi;

INSTANTIATE_TEST_SUITE_P(Trigonometry, RealValue,
                         testing::Values(RealCase{"SIN(PI)", 0.0}, // exact zeros after the reduction
                                         RealCase{"SIN(2*PI+PI)", 0.0}, RealCase{"COS(PI/2)", 0.0},
                                         RealCase{"COS(3*PI/2)", 0.0}, RealCase{"SIN(262)", std::sin(262.0), 1e-12},
                                         RealCase{"SIN(-1)", std::sin(-1.0), 1e-15},
                                         RealCase{"COS(10)", std::cos(10.0), 1e-14}, RealCase{"TAN(1)", std::tan(1.0)},
                                         RealCase{"ASIN(0.5)", pi / 6, 1e-15}, RealCase{"ATAN(1)", pi / 4},
                                         RealCase{"DEG(PI)", 180.0, 1e-13}, RealCase{"RAD(180)", pi, 1e-15}),
                         nameOf<RealCase>);

INSTANTIATE_TEST_SUITE_P(PowersAndLogarithms, RealValue,
                         testing::Values(RealCase{"SQR(4)", 2.0}, // SQR is the square root
                                         RealCase{"SQRT(2)", std::numbers::sqrt2},
                                         RealCase{"2^0.5", 1.4142135623730951}, RealCase{"(-2)^3", -8.0},
                                         RealCase{"3//6", 2.0}, // parallel combination 3*6/9
                                         RealCase{"LOG(EXP(2))", 2.0, 1e-15}, RealCase{"LOG10(1000)", 3.0, 1e-15},
                                         RealCase{"DB(10)", 20.0}, RealCase{"DB10(10)", 10.0},
                                         RealCase{"IDB(20)", 10.0}, RealCase{"IDB10(20)", 100.0}),
                         nameOf<RealCase>);

INSTANTIATE_TEST_SUITE_P(GammaAndCounting, RealValue,
                         testing::Values(RealCase{"FACT(5)", 120.0}, RealCase{"FACT(0)", 1.0},
                                         RealCase{"FACT(170)", 7.257415615307994e306, 1e293},
                                         RealCase{"FACT(0.5)", std::sqrt(pi) / 2, 1e-12}, // Gamma(1.5)
                                         RealCase{"LNGAMMA(1)", 0.0},
                                         RealCase{"LNGAMMA(10)", 12.80182748008148, 1e-12}, // ln(9!)
                                         RealCase{"LNGAMMA(0.5)", std::log(std::sqrt(pi)), 1e-12},
                                         RealCase{"5nPr2", 20.0}, RealCase{"5nCr2", 10.0}, RealCase{"5nCr0", 1.0},
                                         RealCase{"10nCr7", 120.0}, RealCase{"5.5nPr2", 5.5 * 4.5}),
                         nameOf<RealCase>);

// The inverse hyperbolic functions against the C library over their whole range.
INSTANTIATE_TEST_SUITE_P(
    InverseHyperbolic, RealValue,
    testing::Values(RealCase{"ASINH(1)", std::asinh(1.0), 1e-15}, RealCase{"ASINH(-3)", std::asinh(-3.0), 1e-15},
                    RealCase{"ASINH(1E10)", std::asinh(1e10), 1e-14}, RealCase{"ASINH(1E-10)", 1e-10},
                    RealCase{"ACOSH(1)", 0.0}, RealCase{"ACOSH(1.5)", std::acosh(1.5), 1e-15},
                    RealCase{"ACOSH(3)", std::acosh(3.0), 1e-15}, RealCase{"ACOSH(1E10)", std::acosh(1e10), 1e-14},
                    RealCase{"ATANH(0.25)", std::atanh(0.25), 1e-16},
                    RealCase{"ATANH(-0.75)", std::atanh(-0.75), 1e-15}, RealCase{"ATANH(1E-20)", 1e-20}),
    nameOf<RealCase>);

INSTANTIATE_TEST_SUITE_P(Simple, RealValue,
                         testing::Values(RealCase{"INT(2.7)", 2.0}, RealCase{"INT(-2.7)", -3.0},
                                         RealCase{"INT(-2.5)", -3.0}, RealCase{"SIG(-0.1)", -1.0},
                                         RealCase{"SIG(0)", 0.0}, RealCase{"ABS(-3)", 3.0}, RealCase{"-ABS(-3)", -3.0},
                                         RealCase{"COSH(0)", 1.0}),
                         nameOf<RealCase>);

class RealFunctionError : public testing::TestWithParam<ErrorCase> { };

TEST_P(RealFunctionError, GivesCode)
{
    const FormulaEngine engine(16);
    double value = 0.0;
    EXPECT_EQ(engine.evaluateReal(GetParam().formula, value), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Domains, RealFunctionError,
    testing::Values(
        ErrorCase{"SIN(263)", EngineError::TrigonometricArea}, ErrorCase{"COS(-263)", EngineError::TrigonometricArea},
        ErrorCase{"TAN(300)", EngineError::TrigonometricArea}, ErrorCase{"SQRT(-1)", EngineError::ComplexResult},
        ErrorCase{"(-8)^(1/3)", EngineError::ComplexResult}, ErrorCase{"1/0", EngineError::DivisionByZero},
        ErrorCase{"5%0", EngineError::DivisionByZero}, ErrorCase{"1//-1", EngineError::DivisionByZero},
        ErrorCase{"LOG(0)", EngineError::InfiniteResult}, ErrorCase{"LOG(-1)", EngineError::LogRange},
        ErrorCase{"LOG10(0)", EngineError::InfiniteResult}, ErrorCase{"DB(-1)", EngineError::LogRange},
        ErrorCase{"FACT(171)", EngineError::InfiniteResult}, ErrorCase{"FACT(-1)", EngineError::LogRange},
        ErrorCase{"LNGAMMA(-1)", EngineError::LogRange}, ErrorCase{"LNGAMMA(0)", EngineError::InfiniteResult},
        ErrorCase{"LNGAMMA(1E303)", EngineError::InfiniteResult}, ErrorCase{"2nCr3", EngineError::Domain},
        ErrorCase{"5nCr2.5", EngineError::Domain}, ErrorCase{"5nCr-1", EngineError::Domain},
        ErrorCase{"0.5nCr0", EngineError::Domain}, ErrorCase{"200nPr171", EngineError::Domain},
        ErrorCase{"ASIN(2)", EngineError::TrigonometricRange}, ErrorCase{"ACOS(-1.5)", EngineError::TrigonometricRange},
        ErrorCase{"ATANH(1)", EngineError::InfiniteResult}, ErrorCase{"ATANH(-2)", EngineError::TrigonometricRange},
        ErrorCase{"ACOSH(0.5)", EngineError::TrigonometricRange}, ErrorCase{"EXP(1000)", EngineError::InfiniteResult},
        ErrorCase{"1E308*10", EngineError::InfiniteResult}, ErrorCase{"1E308*10-1E308*10", EngineError::InfiniteResult},
        ErrorCase{"FACT(1E308*10-1E308*10)", EngineError::InfiniteResult}),
    nameOf<ErrorCase>);

TEST(RealDegreeMode, TrigonometryTakesAndGivesDegrees)
{
    FormulaEngine engine(16);
    engine.setDegreeMode(1);
    double value = 0.0;
    ASSERT_EQ(engine.evaluateReal("SIN(30)", value), EngineError::None);
    EXPECT_NEAR(value, 0.5, 1e-15);
    ASSERT_EQ(engine.evaluateReal("SIN(180)", value), EngineError::None);
    EXPECT_EQ(value, 0.0);
    ASSERT_EQ(engine.evaluateReal("ASIN(1)", value), EngineError::None);
    EXPECT_EQ(value, 90.0);
    ASSERT_EQ(engine.evaluateReal("ATAN(1)", value), EngineError::None);
    EXPECT_EQ(value, 45.0);
    EXPECT_EQ(engine.evaluateReal("SIN(15100)", value), EngineError::TrigonometricArea);
    engine.setDegreeMode(7); // any other value leaves the flag alone
    EXPECT_TRUE(engine.options().degreeMode);
    engine.setDegreeMode(0);
    ASSERT_EQ(engine.evaluateReal("ASIN(1)", value), EngineError::None);
    EXPECT_EQ(value, pi / 2);
}

TEST(RealFloatCheck, ValuesMustBeFiniteInSinglePrecision)
{
    FormulaEngine engine(16);
    engine.setFloatCheck(1);
    double value = 0.0;
    EXPECT_EQ(engine.evaluateReal("1E30*1E10", value), EngineError::FloatOverflow);
    EXPECT_EQ(engine.evaluateReal("1E39", value), EngineError::FloatOverflow);
    EXPECT_EQ(engine.evaluateReal("400000000000000000000000000000000000000", value), EngineError::FloatOverflow);
    EXPECT_EQ(engine.evaluateReal("1E38*3", value), EngineError::None);
    EXPECT_DOUBLE_EQ(value, 3e38);
    engine.setFloatCheck(0);
    EXPECT_EQ(engine.evaluateReal("1E30*1E10", value), EngineError::None);
}

} // namespace
} // namespace kalvo::test
