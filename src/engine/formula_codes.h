#pragma once

#include <cstdint>

namespace kalvo::formula {

// Operator codes of the real and complex evaluators.
enum class Operator : std::uint8_t {
    Add = 0,
    Subtract = 1,
    Multiply = 10,
    Divide = 11,
    Remainder = 12,
    Power = 20,
    Parallel = 21, // a*b/(a+b)
    Permutations = 22, // nPr
    Combinations = 23, // nCr
    Exponent = 30, // a*10^b, only directly after a number
    PolarDegrees = 129,
    PolarRadians = 130,
};

// Function codes: the function applied to the value of a bracket. Bracket is a plain
// bracket or a variable reference (the identity).
enum class Function : std::uint8_t {
    Bracket = 100,
    Cos = 101,
    Sin = 102,
    Tan = 103,
    Cosh = 104,
    Sinh = 105,
    Tanh = 106,
    Sqrt = 107,
    Exp = 108,
    Asin = 109,
    Acos = 110,
    Atan = 111,
    Log = 112,
    Log10 = 113,
    Int = 114,
    Abs = 115,
    Db = 116,
    Idb = 117,
    Fact = 118,
    Asinh = 119,
    Acosh = 120,
    Atanh = 121,
    Sig = 122,
    Db10 = 123,
    Idb10 = 124,
    Arg = 125,
    Re = 126,
    Im = 127,
    Conj = 128,
    ArgDegrees = 133,
    LnGamma = 134,
    Deg = 135,
    Rad = 136,
};

// Operator codes of integer mode.
enum class IntegerOperator : std::uint8_t {
    Add = 0,
    Subtract = 1,
    Multiply = 10,
    Divide = 11,
    Remainder = 12,
    And = 20,
    Or = 21,
    Xor = 22,
    ShiftRight = 23,
    ShiftLeft = 24,
    RotateRight = 25,
    RotateLeft = 26,
    Nand = 27,
    Nor = 28,
    Equivalence = 29,
    Power = 30,
};

// Function codes of integer mode.
enum class IntegerFunction : std::uint8_t {
    Bracket = 100,
    Abs = 115,
    Fact = 118,
    Sig = 122,
    Invert = 140, // "!(": every bit inverted
    SwapHalves = 141, // "SWP(": the upper and lower half of the word exchanged
    FloatBits = 142, // "D2F(": bit pattern of a real formula as IEEE single precision
};

// Operators with the same priority group from the left; higher priorities bind first.
inline constexpr std::uint8_t signPriority = 0;

} // namespace kalvo::formula
