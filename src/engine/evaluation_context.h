#pragma once

#include "variable_table.h"

#include <string_view>

namespace kalvo {

// Settings of an engine that change how formulas are computed.
struct EngineOptions {
    bool degreeMode = false; // real SIN/COS/TAN take degrees, ASIN/ACOS/ATAN return degrees
    bool floatCheck = false; // every value must be finite in single precision
    int wordBits = 1; // integer mode: bits of a value, 1..8192
    int unsignedMode = 1; // integer mode: nonzero for unsigned values
    int outputMode = 2; // integer mode: text form of the result
    char optionD = 0; // integer mode: nonzero suppresses leading zeros (modes 0-2)
    int outputBase = 2; // integer mode: radix of output mode 4, 2..36
};

inline constexpr unsigned maxCallDepth = 10000;
inline constexpr std::size_t maxScanPosition = 100000;

// What one entry operation shares with every evaluator invocation it makes.
struct EvaluationContext {
    const VariableTable& variables;
    const EngineOptions& options;
    // Name of the variable whose formula is being checked; empty outside a definition.
    // While it is set the evaluators read and resolve everything but compute nothing.
    std::string_view definingName;
    unsigned callDepth = 0;

    bool checkingDefinition() const { return !definingName.empty(); }
};

} // namespace kalvo
