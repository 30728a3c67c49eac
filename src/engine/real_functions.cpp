#include "real_functions.h"

#include "engine_math.h"

#include <cmath>

namespace kalvo::formula {

namespace {

constexpr double twoPower26 = 67108864.0;
constexpr double twoPowerMinus26 = 1.4901161193847656e-08;
constexpr double halfLnTwoPi = 0.9189385332046728;
constexpr double largestFactorialArgument = 170.0;
constexpr double largestLnGammaArgument = 1e302;

// Lanczos approximation with g = 7 and nine coefficients.
constexpr double lanczos[9] = {
    0.9999999999998099, 676.5203681218851,    -1259.1392167224028,   771.3234287776531,      -176.6150291621406,
    12.507343278686905, -0.13857109526572012, 9.984369578019572e-06, 1.5056327351493116e-07,
};

// ln(Gamma(z + 1)).
double lanczosLnGamma(double z)
{
    double sum = lanczos[0];
    for (int i = 1; i < 9; ++i)
        sum += lanczos[i] / (z + i);
    return (z + 0.5) * std::log((z + 7.5) / eulerE) + std::log(sum) + halfLnTwoPi - 7.0;
}

// SIN and COS after reduction to one period; exact zeros where the reduced argument
// lies within epsilon of a zero of the function.
EngineError sineOrCosine(bool sine, double x, bool degreeMode, double& result)
{
    if (degreeMode)
        x *= radiansPerDegree;
    if (std::fabs(x) >= trigonometricLimit)
        return EngineError::TrigonometricArea;
    const double periods = std::floor(x / twoPi);
    if (periods != 0.0)
        x -= periods * twoPi;
    if (sine)
        result = std::fabs(x - pi) <= epsilon ? 0.0 : std::sin(x);
    else
        result = std::fabs(x - halfPi) <= epsilon || std::fabs(x - threeHalfPi) <= epsilon ? 0.0 : std::cos(x);
    return EngineError::None;
}

EngineError factorial(double x, double& result)
{
    if (x < 0.0)
        return EngineError::LogRange;
    if (x > largestFactorialArgument)
        return EngineError::InfiniteResult;
    if (std::isnan(x)) {
        result = x;
        return EngineError::None;
    }
    if (x == std::trunc(x)) {
        result = 1.0;
        for (int i = 2; i <= static_cast<int>(x); ++i)
            result *= i;
        return EngineError::None;
    }
    result = std::exp(lanczosLnGamma(x));
    return EngineError::None;
}

EngineError lnGamma(double x, double& result)
{
    if (x < 0.0)
        return EngineError::LogRange;
    if (x > largestLnGammaArgument)
        return EngineError::InfiniteResult;
    result = std::fabs(x - 1.0) <= epsilon ? 0.0 : lanczosLnGamma(x - 1.0);
    return EngineError::None;
}

double inverseSinh(double x)
{
    const double sign = x < 0.0 ? -1.0 : 1.0;
    const double t = std::fabs(x);
    if (t > twoPower26)
        return sign * (std::log(t) + ln2);
    if (t > 2.0)
        return sign * std::log(2.0 * t + 1.0 / (t + std::sqrt(t * t + 1.0)));
    if (t > twoPowerMinus26)
        return sign * compensatedLog1p(t + t * t / (std::sqrt(1.0 + t * t) + 1.0));
    return x;
}

EngineError inverseCosh(double x, double& result)
{
    if (x < 1.0)
        return EngineError::TrigonometricRange;
    if (x > twoPower26) {
        result = std::log(x) + ln2;
    } else if (x > 2.0) {
        result = std::log(2.0 * x - 1.0 / (x + std::sqrt(x * x - 1.0)));
    } else if (x > 1.0) {
        const double t = x - 1.0;
        result = compensatedLog1p(t + std::sqrt(t * t + 2.0 * t));
    } else {
        result = x == 1.0 ? 0.0 : x; // x is 1 or not a number
    }
    return EngineError::None;
}

EngineError inverseTanh(double x, double& result)
{
    const double sign = x < 0.0 ? -1.0 : 1.0;
    const double t = std::fabs(x);
    if (t > 1.0)
        return EngineError::TrigonometricRange;
    if (t == 1.0)
        return EngineError::InfiniteResult;
    if (t < 0.5)
        result = t <= epsilon ? x : 0.5 * sign * compensatedLog1p(2.0 * t + 2.0 * t * t / (1.0 - t));
    else
        result = 0.5 * sign * compensatedLog1p(2.0 * t / (1.0 - t));
    return EngineError::None;
}

// LOG, LOG10, DB and DB10: value is the logarithm of x, valid for positive x only.
EngineError logarithm(double x, double value, double& result)
{
    if (x == 0.0)
        return EngineError::InfiniteResult;
    if (x < 0.0)
        return EngineError::LogRange;
    result = value;
    return EngineError::None;
}

// Whether b is a whole number, as the power of a negative base needs it.
bool isWhole(double b)
{
    return std::isfinite(b) && b == std::trunc(b);
}

// Rejects the arguments of nPr and nCr that are no counts for them.
bool validCountArguments(double a, double b, double largestB)
{
    return !(std::isnan(a) || std::isnan(b) || b > largestB || b < 0.0 || std::fabs(std::floor(b) - b) > epsilon
             || a < 1.0 || b > a);
}

EngineError permutations(double a, double b, double& result)
{
    if (!validCountArguments(a, b, largestFactorialArgument))
        return EngineError::Domain;
    result = 1.0;
    for (; b > epsilon; a -= 1.0, b -= 1.0)
        result *= a;
    return EngineError::None;
}

EngineError combinations(double a, double b, double& result)
{
    constexpr double largestChoice = 100000.0;
    if (!validCountArguments(a, b, largestChoice))
        return EngineError::Domain;
    const double k = b < a - b ? b : a - b;
    result = 1.0;
    if (k <= 0.0)
        return EngineError::None;
    for (double i = 1.0;; i += 1.0) {
        result *= (a - i + 1.0) / i;
        if (i >= k)
            break;
    }
    return EngineError::None;
}

} // namespace

EngineError applyRealFunction(Function function, double x, bool degreeMode, double& result)
{
    const double angleOut = degreeMode ? degreesPerRadian : 1.0;
    switch (function) {
    case Function::Bracket:
        result = x;
        return EngineError::None;
    case Function::Sin:
        return sineOrCosine(true, x, degreeMode, result);
    case Function::Cos:
        return sineOrCosine(false, x, degreeMode, result);
    case Function::Tan:
        if (degreeMode)
            x *= radiansPerDegree;
        if (std::fabs(x) >= trigonometricLimit)
            return EngineError::TrigonometricArea;
        result = std::tan(x);
        return EngineError::None;
    case Function::Sinh:
        result = std::sinh(x);
        return EngineError::None;
    case Function::Cosh:
        result = std::cosh(x);
        return EngineError::None;
    case Function::Tanh:
        result = std::tanh(x);
        return EngineError::None;
    case Function::Exp:
        result = std::exp(x);
        return EngineError::None;
    case Function::Sqrt:
        if (x < 0.0)
            return EngineError::ComplexResult;
        result = std::sqrt(x);
        return EngineError::None;
    case Function::Asin:
    case Function::Acos:
        if (std::fabs(x) > 1.0)
            return EngineError::TrigonometricRange;
        result = (function == Function::Asin ? std::asin(x) : std::acos(x)) * angleOut;
        return EngineError::None;
    case Function::Atan:
        result = std::atan(x) * angleOut;
        return EngineError::None;
    case Function::Log:
        return logarithm(x, std::log(x), result);
    case Function::Log10:
        return logarithm(x, std::log10(x), result);
    case Function::Db:
        return logarithm(x, 20.0 * std::log10(x), result);
    case Function::Db10:
        return logarithm(x, 10.0 * std::log10(x), result);
    case Function::Idb:
        result = std::pow(10.0, x / 20.0);
        return EngineError::None;
    case Function::Idb10:
        result = std::pow(10.0, x / 10.0);
        return EngineError::None;
    case Function::Int:
        result = std::floor(x);
        return EngineError::None;
    case Function::Abs:
        result = std::fabs(x);
        return EngineError::None;
    case Function::Sig:
        result = x > 0.0 ? 1.0 : (x < 0.0 ? -1.0 : 0.0);
        return EngineError::None;
    case Function::Fact:
        return factorial(x, result);
    case Function::LnGamma:
        return lnGamma(x, result);
    case Function::Asinh:
        result = inverseSinh(x);
        return EngineError::None;
    case Function::Acosh:
        return inverseCosh(x, result);
    case Function::Atanh:
        return inverseTanh(x, result);
    case Function::Deg:
        result = x * degreesPerRadian;
        return EngineError::None;
    case Function::Rad:
        result = x * radiansPerDegree;
        return EngineError::None;
    default:
        return EngineError::UnknownOperation;
    }
}

EngineError applyRealOperator(Operator op, double a, double b, double& result)
{
    switch (op) {
    case Operator::Add:
        result = a + b;
        return EngineError::None;
    case Operator::Subtract:
        result = a - b;
        return EngineError::None;
    case Operator::Multiply:
        result = a * b;
        return EngineError::None;
    case Operator::Divide:
        if (b == 0.0)
            return EngineError::DivisionByZero;
        result = a / b;
        return EngineError::None;
    case Operator::Remainder:
        if (b == 0.0)
            return EngineError::DivisionByZero;
        result = std::fmod(a, b);
        return EngineError::None;
    case Operator::Power:
        if (a < 0.0 && !isWhole(b))
            return EngineError::ComplexResult;
        result = std::pow(a, b);
        return EngineError::None;
    case Operator::Parallel:
        if (a + b == 0.0)
            return EngineError::DivisionByZero;
        result = a * b / (a + b);
        return EngineError::None;
    case Operator::Permutations:
        return permutations(a, b, result);
    case Operator::Combinations:
        return combinations(a, b, result);
    case Operator::Exponent:
        result = std::pow(10.0, b) * a;
        return EngineError::None;
    default:
        return EngineError::UnknownOperation;
    }
}

} // namespace kalvo::formula
