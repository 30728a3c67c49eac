#pragma once

#include "engine_error.h"
#include "formula_codes.h"
#include "natural_number.h"

namespace kalvo::formula {

// An integer-mode value: sign and magnitude. Zero is never negative.
struct IntegerValue {
    bool negative = false;
    Natural magnitude;

    static IntegerValue fromInt(int value);
    bool isZero() const { return magnitude.isZero(); }
};

// The arithmetic of integer mode on words of a fixed number of bits, unsigned or two's
// complement. Every result is checked against the word's range: BinOverflow when it
// does not fit, NegativeInteger for a negative result of an unsigned word.
class IntegerWord {
public:
    static constexpr int maxBits = 8192;
    // Shift and rotation counts and power exponents must stay below this.
    static constexpr unsigned countLimit = 8192;

    IntegerWord(int bits, bool isUnsigned);

    unsigned bits() const { return bits_; }
    bool isUnsigned() const { return unsigned_; }

    EngineError checkRange(const IntegerValue& value) const;
    // The word's bits of a value that fits (two's complement for negative values).
    Natural toPattern(const IntegerValue& value) const;
    // The value of a bit pattern; BinOverflow when it has more bits than the word.
    EngineError fromPattern(const Natural& pattern, IntegerValue& value) const;

    EngineError negate(IntegerValue& value) const;
    EngineError applyOperator(IntegerOperator op, const IntegerValue& a, const IntegerValue& b,
                              IntegerValue& result) const;
    // Abs, Fact, Sig, Invert and SwapHalves on value, in place.
    EngineError applyFunction(IntegerFunction function, IntegerValue& value) const;

private:
    EngineError shiftOrRotate(IntegerOperator op, const IntegerValue& a, const IntegerValue& count,
                              IntegerValue& result) const;
    EngineError power(const IntegerValue& base, const IntegerValue& exponent, IntegerValue& result) const;
    EngineError factorial(IntegerValue& value) const;
    Natural swapHalves(const Natural& pattern) const;

    unsigned bits_;
    bool unsigned_;
};

} // namespace kalvo::formula
