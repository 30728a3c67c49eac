#include "complex_elementary.h"

#include "engine_math.h"
#include "formula_codes.h"
#include "real_functions.h"

#include <cmath>

namespace kalvo::formula {

namespace {

ComplexValue timesI(ComplexValue a)
{
    return {-a.im, a.re};
}
ComplexValue timesMinusI(ComplexValue a)
{
    return {a.im, -a.re};
}

// Real inverse functions of the real library for arguments known to be in range.
double realAcosh(double x)
{
    double result = 0.0;
    applyRealFunction(Function::Acosh, x, false, result);
    return result;
}

struct InverseSineParts {
    double real;
    double imag;
};

// Inverse sine or cosine of x + iy for x, y >= 0, y > 0, by the method of Hull,
// Fairgrieve and Tang (crossover constants 1.5 and 0.6417).
InverseSineParts hullFairgrieveTang(double x, double y, bool cosine)
{
    constexpr double crossoverA = 1.5;
    constexpr double crossoverB = 0.6417;
    const double r = std::hypot(x + 1.0, y);
    const double s = std::hypot(x - 1.0, y);
    const double alpha = 0.5 * (r + s);
    const double beta = x / alpha;
    const double ySquared = y * y;

    InverseSineParts parts{};
    if (beta <= crossoverB) {
        parts.real = cosine ? std::acos(beta) : std::asin(beta);
    } else {
        const double alphaPlusX = alpha + x;
        // t / x is the tangent of the real part of the inverse cosine.
        const double t = x <= 1.0 ? std::sqrt(0.5 * alphaPlusX * (ySquared / (r + x + 1.0) + (s + (1.0 - x))))
                                  : y * std::sqrt(0.5 * (alphaPlusX / (r + x + 1.0) + alphaPlusX / (s + (x - 1.0))));
        parts.real = cosine ? std::atan(t / x) : std::atan(x / t);
    }
    if (alpha <= crossoverA) {
        const double alphaMinusOne = x < 1.0 ? 0.5 * (ySquared / (r + x + 1.0) + ySquared / (s + (1.0 - x)))
                                             : 0.5 * (ySquared / (r + x + 1.0) + (s + (x - 1.0)));
        parts.imag = compensatedLog1p(alphaMinusOne + std::sqrt(alphaMinusOne * (alpha + 1.0)));
    } else {
        parts.imag = std::log(alpha + std::sqrt(alpha * alpha - 1.0));
    }
    return parts;
}

} // namespace

double complexAbs(ComplexValue a)
{
    return std::hypot(a.re, a.im);
}

double complexArg(ComplexValue a)
{
    return a.re == 0.0 && a.im == 0.0 ? 0.0 : std::atan2(a.im, a.re);
}

double complexLnAbs(ComplexValue a)
{
    const double x = std::fabs(a.re);
    const double y = std::fabs(a.im);
    const double larger = x > y ? x : y;
    const double smaller = x > y ? y : x;
    const double ratio = smaller / larger;
    return std::log(larger) + 0.5 * compensatedLog1p(ratio * ratio);
}

ComplexValue complexSqrt(ComplexValue a)
{
    if (a.re == 0.0 && a.im == 0.0)
        return {};
    const double x = std::fabs(a.re);
    const double y = std::fabs(a.im);
    double w = 0.0;
    if (x < y) {
        const double t = x / y;
        w = std::sqrt(y) * std::sqrt(0.5 * (t + std::sqrt(t * t + 1.0)));
    } else {
        const double t = y / x;
        w = std::sqrt(x) * std::sqrt(0.5 * (1.0 + std::sqrt(1.0 + t * t)));
    }
    if (a.re >= 0.0)
        return {w, a.im / (2.0 * w)};
    if (a.im < 0.0)
        w = -w;
    return {a.im / (2.0 * w), w};
}

ComplexValue complexLog(ComplexValue a)
{
    return {complexLnAbs(a), complexArg(a)};
}

ComplexValue complexExp(ComplexValue a)
{
    const double magnitude = std::exp(a.re);
    return {magnitude * std::cos(a.im), magnitude * std::sin(a.im)};
}

ComplexValue complexPower(ComplexValue a, ComplexValue b)
{
    if (a.re == 0.0 && a.im == 0.0)
        return {};
    const double lnAbs = complexLnAbs(a);
    const double angle = complexArg(a);
    const double magnitude = std::exp(lnAbs * b.re - angle * b.im);
    const double phase = angle * b.re + lnAbs * b.im;
    return {magnitude * std::cos(phase), magnitude * std::sin(phase)};
}

ComplexValue complexSin(ComplexValue a)
{
    if (a.im == 0.0)
        return {std::sin(a.re), 0.0};
    return {std::sin(a.re) * std::cosh(a.im), std::cos(a.re) * std::sinh(a.im)};
}

ComplexValue complexCos(ComplexValue a)
{
    if (a.im == 0.0)
        return {std::cos(a.re), 0.0};
    return {std::cos(a.re) * std::cosh(a.im), -std::sin(a.re) * std::sinh(a.im)};
}

ComplexValue complexTan(ComplexValue a)
{
    const double x = a.re;
    const double y = a.im;
    const double cosX = std::cos(x);
    if (std::fabs(y) >= 1.0) {
        const double e = std::exp(-y);
        const double g = 2.0 * e / (1.0 - e * e); // 1 / sinh(y)
        const double d = g * g * cosX * cosX + 1.0;
        return {0.5 * std::sin(2.0 * x) * g * g / d, (1.0 / std::tanh(y)) / d};
    }
    const double sinhY = std::sinh(y);
    const double d = sinhY * sinhY + cosX * cosX;
    return {0.5 * std::sin(2.0 * x) / d, 0.5 * std::sinh(2.0 * y) / d};
}

ComplexValue complexSinh(ComplexValue a)
{
    return {std::sinh(a.re) * std::cos(a.im), std::cosh(a.re) * std::sin(a.im)};
}

ComplexValue complexCosh(ComplexValue a)
{
    return {std::cosh(a.re) * std::cos(a.im), std::sinh(a.re) * std::sin(a.im)};
}

ComplexValue complexTanh(ComplexValue a)
{
    const double x = a.re;
    const double y = a.im;
    const double sinhX = std::sinh(x);
    const double cosY = std::cos(y);
    const double d = sinhX * sinhX + cosY * cosY;
    const double imag = 0.5 * std::sin(2.0 * y) / d;
    if (std::fabs(x) >= 1.0) {
        const double ratio = cosY / sinhX;
        return {1.0 / (std::tanh(x) * (1.0 + ratio * ratio)), imag};
    }
    return {sinhX * std::cosh(x) / d, imag};
}

ComplexValue complexAsin(ComplexValue a)
{
    if (a.im == 0.0) {
        if (std::fabs(a.re) <= 1.0)
            return {std::asin(a.re), 0.0};
        return a.re > 1.0 ? ComplexValue{halfPi, -realAcosh(a.re)} : ComplexValue{-halfPi, realAcosh(-a.re)};
    }
    const InverseSineParts parts = hullFairgrieveTang(std::fabs(a.re), std::fabs(a.im), false);
    return {a.re < 0.0 ? -parts.real : parts.real, a.im < 0.0 ? -parts.imag : parts.imag};
}

ComplexValue complexAcos(ComplexValue a)
{
    if (a.im == 0.0) {
        if (std::fabs(a.re) <= 1.0)
            return {std::acos(a.re), 0.0};
        return a.re > 1.0 ? ComplexValue{0.0, realAcosh(a.re)} : ComplexValue{pi, -realAcosh(-a.re)};
    }
    const InverseSineParts parts = hullFairgrieveTang(std::fabs(a.re), std::fabs(a.im), true);
    return {a.re < 0.0 ? pi - parts.real : parts.real, a.im < 0.0 ? parts.imag : -parts.imag};
}

ComplexValue complexAtan(ComplexValue a)
{
    const double x = a.re;
    const double y = a.im;
    if (y == 0.0)
        return {std::atan(x), 0.0};
    const double r = std::hypot(x, y);
    const double t = 2.0 * y / (1.0 + r * r);
    const double imag = std::fabs(t) >= 0.1 ? 0.5 * std::log(std::hypot(x, 1.0 + y) / std::hypot(x, y - 1.0))
                                            : 0.25 * (compensatedLog1p(t) - compensatedLog1p(-t));
    double real = 0.0;
    if (x != 0.0)
        real = 0.5 * std::atan2(2.0 * x, (1.0 + r) * (1.0 - r));
    else if (y < -1.0)
        real = -halfPi;
    else if (y > 1.0)
        real = halfPi;
    return {real, imag};
}

ComplexValue complexAsinh(ComplexValue a)
{
    return timesMinusI(complexAsin(timesI(a)));
}

ComplexValue complexAcosh(ComplexValue a)
{
    const ComplexValue w = complexAcos(a);
    return w.im <= 0.0 ? timesI(w) : timesMinusI(w);
}

ComplexValue complexAtanh(ComplexValue a)
{
    if (a.im != 0.0)
        return timesMinusI(complexAtan(timesI(a)));
    const double x = a.re;
    if (x > -1.0 && x < 1.0) {
        double result = 0.0;
        applyRealFunction(Function::Atanh, x, false, result);
        return {result, 0.0};
    }
    if (x >= 1.0)
        return {std::atanh(1.0 / x), -halfPi};
    if (x <= -1.0)
        return {std::atanh(1.0 / x), halfPi};
    return {x, 0.0}; // not a number
}

} // namespace kalvo::formula
