#include "integer_word.h"

#include <algorithm>
#include <utility>

namespace kalvo::formula {

namespace {

IntegerValue normalised(IntegerValue value)
{
    if (value.magnitude.isZero())
        value.negative = false;
    return value;
}

IntegerValue sum(const IntegerValue& a, bool negateB, const IntegerValue& b)
{
    const bool bNegative = b.negative != negateB;
    IntegerValue result;
    if (a.negative == bNegative) {
        result.magnitude = a.magnitude;
        result.magnitude += b.magnitude;
        result.negative = a.negative;
    } else if (a.magnitude >= b.magnitude) {
        result.magnitude = a.magnitude;
        result.magnitude -= b.magnitude;
        result.negative = a.negative;
    } else {
        result.magnitude = b.magnitude;
        result.magnitude -= a.magnitude;
        result.negative = bNegative;
    }
    return normalised(std::move(result));
}

IntegerValue product(const IntegerValue& a, const IntegerValue& b)
{
    return normalised({a.negative != b.negative, a.magnitude * b.magnitude});
}

} // namespace

IntegerValue IntegerValue::fromInt(int value)
{
    return {value < 0, Natural(static_cast<std::uint64_t>(value < 0 ? -static_cast<long long>(value) : value))};
}

IntegerWord::IntegerWord(int bits, bool isUnsigned)
    : bits_(static_cast<unsigned>(std::clamp(bits, 1, maxBits)))
    , unsigned_(isUnsigned)
{
}

EngineError IntegerWord::checkRange(const IntegerValue& value) const
{
    if (unsigned_) {
        if (value.negative)
            return EngineError::NegativeInteger;
        return value.magnitude.bitLength() <= bits_ ? EngineError::None : EngineError::BinOverflow;
    }
    const unsigned length = value.magnitude.bitLength();
    if (length < bits_)
        return EngineError::None;
    // -2^(bits-1) is the one value with a magnitude of bits bits.
    const bool mostNegative = value.negative && value.magnitude == Natural::powerOfTwo(bits_ - 1);
    return mostNegative ? EngineError::None : EngineError::BinOverflow;
}

Natural IntegerWord::toPattern(const IntegerValue& value) const
{
    if (!value.negative)
        return value.magnitude;
    Natural pattern = Natural::powerOfTwo(bits_);
    pattern -= value.magnitude;
    return pattern;
}

EngineError IntegerWord::fromPattern(const Natural& pattern, IntegerValue& value) const
{
    if (pattern.bitLength() > bits_)
        return EngineError::BinOverflow;
    if (unsigned_ || !pattern.bit(bits_ - 1)) {
        value = {false, pattern};
        return EngineError::None;
    }
    value.negative = true;
    value.magnitude = Natural::powerOfTwo(bits_);
    value.magnitude -= pattern;
    return EngineError::None;
}

EngineError IntegerWord::negate(IntegerValue& value) const
{
    value = normalised({!value.negative, std::move(value.magnitude)});
    return checkRange(value);
}

EngineError IntegerWord::applyOperator(IntegerOperator op, const IntegerValue& a, const IntegerValue& b,
                                       IntegerValue& result) const
{
    switch (op) {
    case IntegerOperator::Add:
        result = sum(a, false, b);
        break;
    case IntegerOperator::Subtract:
        result = sum(a, true, b);
        break;
    case IntegerOperator::Multiply:
        result = product(a, b);
        break;
    case IntegerOperator::Divide:
    case IntegerOperator::Remainder: {
        if (b.isZero())
            return EngineError::DivisionByZero;
        Natural quotient;
        Natural remainder;
        Natural::divide(a.magnitude, b.magnitude, quotient, remainder);
        result = op == IntegerOperator::Divide ? normalised({a.negative != b.negative, quotient})
                                               : normalised({a.negative, remainder});
        break;
    }
    case IntegerOperator::Power:
        return power(a, b, result);
    case IntegerOperator::ShiftLeft:
    case IntegerOperator::ShiftRight:
    case IntegerOperator::RotateLeft:
    case IntegerOperator::RotateRight:
        return shiftOrRotate(op, a, b, result);
    case IntegerOperator::And:
    case IntegerOperator::Or:
    case IntegerOperator::Xor:
    case IntegerOperator::Nand:
    case IntegerOperator::Nor:
    case IntegerOperator::Equivalence: {
        const Natural x = toPattern(a);
        const Natural y = toPattern(b);
        Natural bitsOut;
        switch (op) {
        case IntegerOperator::And:
            bitsOut = x & y;
            break;
        case IntegerOperator::Or:
            bitsOut = x | y;
            break;
        case IntegerOperator::Xor:
            bitsOut = x ^ y;
            break;
        case IntegerOperator::Nand:
            bitsOut = (x & y).complement(bits_);
            break;
        case IntegerOperator::Nor:
            bitsOut = (x | y).complement(bits_);
            break;
        default:
            bitsOut = (x ^ y).complement(bits_);
            break;
        }
        return fromPattern(bitsOut, result);
    }
    default:
        return EngineError::UnknownOperation;
    }
    return checkRange(result);
}

EngineError IntegerWord::shiftOrRotate(IntegerOperator op, const IntegerValue& a, const IntegerValue& count,
                                       IntegerValue& result) const
{
    if (count.negative || count.magnitude >= Natural(countLimit))
        return EngineError::ShiftDomain;
    auto n = static_cast<unsigned>(count.magnitude.toUint64Saturated());
    const Natural pattern = toPattern(a);
    Natural shifted;
    switch (op) {
    case IntegerOperator::ShiftLeft:
        shifted = pattern.shiftedLeft(n).lowBits(bits_);
        break;
    case IntegerOperator::ShiftRight:
        shifted = pattern.shiftedRight(n);
        break;
    default:
        n %= bits_;
        if (op == IntegerOperator::RotateRight)
            n = (bits_ - n) % bits_;
        shifted = pattern.shiftedLeft(n).lowBits(bits_) | pattern.shiftedRight(bits_ - n);
        break;
    }
    return fromPattern(shifted, result);
}

EngineError IntegerWord::power(const IntegerValue& base, const IntegerValue& exponent, IntegerValue& result) const
{
    if (exponent.negative || exponent.magnitude >= Natural(countLimit))
        return EngineError::PowerDomain;
    const auto n = static_cast<unsigned>(exponent.magnitude.toUint64Saturated());
    // Repeated multiplication stops at the first result that leaves the word, so a
    // base of two or more takes at most `bits` steps.
    result = IntegerValue::fromInt(1);
    if (EngineError error = checkRange(result); error != EngineError::None)
        return error;
    for (unsigned i = 0; i < n; ++i) {
        result = product(result, base);
        if (EngineError error = checkRange(result); error != EngineError::None)
            return error;
    }
    return EngineError::None;
}

EngineError IntegerWord::factorial(IntegerValue& value) const
{
    if (value.negative)
        return EngineError::Domain;
    const std::uint64_t n = value.magnitude.toUint64Saturated();
    IntegerValue result = IntegerValue::fromInt(1);
    for (std::uint64_t i = 2; i <= n; ++i) {
        result.magnitude = result.magnitude * Natural(i);
        if (EngineError error = checkRange(result); error != EngineError::None)
            return error;
    }
    value = std::move(result);
    return checkRange(value);
}

Natural IntegerWord::swapHalves(const Natural& pattern) const
{
    const unsigned half = bits_ / 2;
    const Natural low = pattern.lowBits(half);
    const Natural high = pattern.shiftedRight(bits_ - half);
    const Natural middle = pattern.shiftedRight(half).lowBits(bits_ - 2 * half);
    return low.shiftedLeft(bits_ - half) | middle.shiftedLeft(half) | high;
}

EngineError IntegerWord::applyFunction(IntegerFunction function, IntegerValue& value) const
{
    switch (function) {
    case IntegerFunction::Bracket:
    case IntegerFunction::FloatBits:
        return EngineError::None;
    case IntegerFunction::Abs:
        value.negative = false;
        return checkRange(value);
    case IntegerFunction::Sig:
        value = IntegerValue::fromInt(value.isZero() ? 0 : (value.negative ? -1 : 1));
        return checkRange(value);
    case IntegerFunction::Fact:
        return factorial(value);
    case IntegerFunction::Invert:
        return fromPattern(toPattern(value).complement(bits_), value);
    case IntegerFunction::SwapHalves:
        return fromPattern(swapHalves(toPattern(value)), value);
    }
    return EngineError::UnknownOperation;
}

} // namespace kalvo::formula
