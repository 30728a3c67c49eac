#pragma once

#include <string_view>

namespace kalvo {

// Result codes of every FormulaEngine operation; 0 is success. The numbers are part of
// the engine's interface (callers and tests compare them), the texts come from errorText.
enum class EngineError : int {
    None = 0,
    Syntax = 1,
    BracketLogic = 2,
    OutOfMemory = 100,
    UnknownOperation = 101,
    InternalStructure = 102,
    TrigonometricArea = 200,
    DivisionByZero = 201,
    ComplexResult = 202,
    InfiniteResult = 203,
    TrigonometricRange = 204,
    LogRange = 205,
    IntegerOverflow = 206,
    FloatOverflow = 207,
    CircularDefinition = 300,
    MaxVariablesReached = 301,
    NoVariableMatch = 302,
    VariableNotValid = 303,
    UnknownName = 304,
    ArgumentTooBig = 305,
    StackDepth = 306,
    NoIntegerNumber = 307,
    SignumZero = 308,
    Domain = 309,
    IntegerSyntax = 400, // internal: the formula needs integer mode
    BinOverflow = 500,
    NegativeInteger = 501,
    Base = 502,
    RomanOverflow = 503,
    ShiftDomain = 504,
    PowerDomain = 505,
    IntegerOnly = 506,
    RealOnly = 600,
};

// The fixed message of a code; "Unknown ERROR" for a number that is no code.
std::string_view errorText(int code);
inline std::string_view errorText(EngineError code)
{
    return errorText(static_cast<int>(code));
}

} // namespace kalvo
