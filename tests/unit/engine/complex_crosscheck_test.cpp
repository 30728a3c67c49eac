#include "engine_test_support.h"

#include <gtest/gtest.h>

#include <charconv>
#include <complex>
#include <functional>

namespace kalvo::test {
namespace {

using Complex = std::complex<double>;

// Grid of real and imaginary parts; no point lies on a branch cut (both parts nonzero).
constexpr double gridParts[] = {-2.5, -1.3, -0.4, 0.35, 0.9, 1.7, 3.1};
constexpr double relativeTolerance = 1e-12;

std::string shortest(double x)
{
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, x);
    return std::string(buffer, written.ptr);
}

// The engine's text of z: "(re+imi)", a negative imaginary part written as "+-".
std::string literal(Complex z)
{
    return "(" + shortest(z.real()) + "+" + shortest(z.imag()) + "i)";
}

Complex evaluate(const FormulaEngine& engine, const std::string& formula)
{
    double re = 0.0;
    double im = 0.0;
    EXPECT_EQ(engine.evaluateComplex(formula, re, im), EngineError::None) << formula;
    return {re, im};
}

void expectClose(Complex actual, Complex expected, const std::string& formula)
{
    EXPECT_LE(std::abs(actual - expected), relativeTolerance * std::abs(expected))
        << formula << " gives " << actual << ", std::complex " << expected;
}

struct FunctionReference {
    const char* name;
    std::function<Complex(Complex)> reference;
};

TEST(ComplexCrossCheck, ElementaryFunctionsAgreeWithStdComplex)
{
    const FunctionReference functions[] = {
        {"SQRT", [](Complex z) { return std::sqrt(z); }},   {"LOG", [](Complex z) { return std::log(z); }},
        {"LOG10", [](Complex z) { return std::log10(z); }}, {"EXP", [](Complex z) { return std::exp(z); }},
        {"SIN", [](Complex z) { return std::sin(z); }},     {"COS", [](Complex z) { return std::cos(z); }},
        {"TAN", [](Complex z) { return std::tan(z); }},     {"SINH", [](Complex z) { return std::sinh(z); }},
        {"COSH", [](Complex z) { return std::cosh(z); }},   {"TANH", [](Complex z) { return std::tanh(z); }},
        {"ASIN", [](Complex z) { return std::asin(z); }},   {"ACOS", [](Complex z) { return std::acos(z); }},
        {"ATAN", [](Complex z) { return std::atan(z); }},   {"ASINH", [](Complex z) { return std::asinh(z); }},
        {"ACOSH", [](Complex z) { return std::acosh(z); }}, {"ATANH", [](Complex z) { return std::atanh(z); }},
    };
    const FormulaEngine engine(16);
    for (const FunctionReference& function : functions)
        for (double re : gridParts)
            for (double im : gridParts) {
                const Complex z{re, im};
                const std::string formula = std::string(function.name) + literal(z);
                expectClose(evaluate(engine, formula), function.reference(z), formula);
            }
}

TEST(ComplexCrossCheck, OperatorsAgreeWithStdComplex)
{
    const FormulaEngine engine(16);
    for (double aRe : gridParts)
        for (double aIm : gridParts)
            for (double bRe : gridParts)
                for (double bIm : gridParts) {
                    const Complex a{aRe, aIm};
                    const Complex b{bRe, bIm};
                    const std::string left = literal(a);
                    const std::string right = literal(b);
                    expectClose(evaluate(engine, left + "*" + right), a * b, left + "*" + right);
                    expectClose(evaluate(engine, left + "/" + right), a / b, left + "/" + right);
                    expectClose(evaluate(engine, left + "^" + right), std::pow(a, b), left + "^" + right);
                    expectClose(evaluate(engine, left + "//" + right), a * b / (a + b), left + "//" + right);
                }
}

} // namespace
} // namespace kalvo::test
