#include "complex_functions.h"

#include "complex_elementary.h"
#include "engine_math.h"
#include "real_functions.h"

#include <cmath>

namespace kalvo::formula {

namespace {

// Arguments beyond which cosh and sinh of a part would lose all precision or overflow.
constexpr double safeAreaLimit = 131.0;

bool outsideSafeArea(double first, double second)
{
    return first > safeAreaLimit || second > safeAreaLimit;
}

EngineError checked(double first, double second, ComplexValue value, ComplexValue& result)
{
    if (outsideSafeArea(first, second))
        return EngineError::TrigonometricArea;
    result = value;
    return EngineError::None;
}

EngineError realOnlyFunction(Function function, ComplexValue a, ComplexValue& result)
{
    if (!a.isReal())
        return EngineError::RealOnly;
    double value = 0.0;
    const EngineError error = applyRealFunction(function, a.re, false, value);
    if (error == EngineError::None)
        result = {value, 0.0};
    return error;
}

EngineError realOnlyOperator(Operator op, ComplexValue a, ComplexValue b, ComplexValue& result)
{
    if (!a.isReal() || !b.isReal())
        return EngineError::RealOnly;
    double value = 0.0;
    const EngineError error = applyRealOperator(op, a.re, b.re, value);
    if (error == EngineError::None)
        result = {value, 0.0};
    return error;
}

EngineError polar(ComplexValue magnitude, ComplexValue angle, double radiansPerUnit, ComplexValue& result)
{
    if (!magnitude.isReal() || !angle.isReal())
        return EngineError::RealOnly;
    const double u = angle.re * radiansPerUnit;
    if (std::fabs(u) >= trigonometricLimit)
        return EngineError::TrigonometricArea;
    result = {magnitude.re * std::cos(u), magnitude.re * std::sin(u)};
    return EngineError::None;
}

EngineError parallel(ComplexValue a, ComplexValue b, ComplexValue& result)
{
    if (a.isReal() && b.isReal()) {
        const double sum = a.re + b.re;
        if (sum == 0.0)
            return EngineError::DivisionByZero;
        result = {a.re * b.re / sum, 0.0};
        return EngineError::None;
    }
    // a*b*conj(a+b) / |a+b|^2, multiplied out.
    const double a1 = a.re, a2 = a.im, b1 = b.re, b2 = b.im;
    const double d = (a1 + b1) * (a1 + b1) + (a2 + b2) * (a2 + b2);
    if (d == 0.0)
        return EngineError::DivisionByZero;
    result = {(a2 * a2 * b1 + a1 * b2 * b2 + a1 * b1 * b1 + a1 * a1 * b1) / d,
              (a1 * a1 * b2 + a2 * b1 * b1 + a2 * a2 * b2 + a2 * b2 * b2) / d};
    return EngineError::None;
}

EngineError divide(ComplexValue a, ComplexValue b, ComplexValue& result)
{
    if (b.re == 0.0 && b.im == 0.0)
        return EngineError::DivisionByZero;
    const double scale = 1.0 / std::hypot(b.re, b.im);
    const double c = b.re * scale;
    const double d = b.im * scale;
    result = {(a.re * c + a.im * d) * scale, (c * a.im - d * a.re) * scale};
    return EngineError::None;
}

} // namespace

EngineError applyComplexFunction(Function function, ComplexValue a, ComplexValue& result)
{
    switch (function) {
    case Function::Bracket:
        result = a;
        return EngineError::None;
    case Function::Cos:
        return checked(a.re, a.im, complexCos(a), result);
    case Function::Sin:
        return checked(a.re, a.im, complexSin(a), result);
    case Function::Tan:
        return checked(a.re, a.im, complexTan(a), result);
    case Function::Cosh:
        return checked(a.im, a.im, complexCosh(a), result);
    case Function::Sinh:
        return checked(a.im, a.im, complexSinh(a), result);
    case Function::Tanh:
        return checked(a.im, a.im, complexTanh(a), result);
    case Function::Exp:
        return checked(a.im, a.im, complexExp(a), result);
    case Function::Sqrt:
        result = complexSqrt(a);
        return EngineError::None;
    case Function::Log:
        result = complexLog(a);
        return EngineError::None;
    case Function::Log10: {
        const ComplexValue ln = complexLog(a);
        result = {ln.re * inverseLn10, ln.im * inverseLn10};
        return EngineError::None;
    }
    case Function::Asin:
        result = complexAsin(a);
        return EngineError::None;
    case Function::Acos:
        result = complexAcos(a);
        return EngineError::None;
    case Function::Atan:
        result = complexAtan(a);
        return EngineError::None;
    case Function::Asinh:
        result = complexAsinh(a);
        return EngineError::None;
    case Function::Acosh:
        result = complexAcosh(a);
        return EngineError::None;
    case Function::Atanh:
        result = complexAtanh(a);
        return EngineError::None;
    case Function::Abs:
        result = {complexAbs(a), 0.0};
        return EngineError::None;
    case Function::Arg:
        result = {complexArg(a), 0.0};
        return EngineError::None;
    case Function::ArgDegrees:
        result = {complexArg(a) * degreesPerRadian, 0.0};
        return EngineError::None;
    case Function::Re:
        result = {a.re, 0.0};
        return EngineError::None;
    case Function::Im:
        result = {a.im, 0.0};
        return EngineError::None;
    case Function::Conj:
        result = {a.re, -a.im};
        return EngineError::None;
    case Function::Int:
    case Function::Db:
    case Function::Idb:
    case Function::Fact:
    case Function::Sig:
    case Function::Db10:
    case Function::Idb10:
    case Function::LnGamma:
    case Function::Deg:
    case Function::Rad:
        return realOnlyFunction(function, a, result);
    }
    return EngineError::UnknownOperation;
}

EngineError applyComplexOperator(Operator op, ComplexValue a, ComplexValue b, ComplexValue& result)
{
    switch (op) {
    case Operator::Add:
        result = {a.re + b.re, a.im + b.im};
        return EngineError::None;
    case Operator::Subtract:
        result = {a.re - b.re, a.im - b.im};
        return EngineError::None;
    case Operator::Multiply:
        result = {a.re * b.re - a.im * b.im, b.re * a.im + b.im * a.re};
        return EngineError::None;
    case Operator::Divide:
        return divide(a, b, result);
    case Operator::Remainder:
    case Operator::Permutations:
    case Operator::Combinations:
    case Operator::Exponent:
        return realOnlyOperator(op, a, b, result);
    case Operator::Power:
        if (outsideSafeArea(b.re, b.im))
            return EngineError::TrigonometricArea;
        result = complexPower(a, b);
        return EngineError::None;
    case Operator::Parallel:
        return parallel(a, b, result);
    case Operator::PolarDegrees:
        return polar(a, b, radiansPerDegree, result);
    case Operator::PolarRadians:
        return polar(a, b, 1.0, result);
    }
    return EngineError::UnknownOperation;
}

} // namespace kalvo::formula
