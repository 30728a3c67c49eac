#pragma once

#include "engine_error.h"
#include "formula_codes.h"

namespace kalvo::formula {

// The real function library: result = f(x), or the error code of its domain check.
// In degreeMode SIN, COS and TAN take degrees and ASIN, ACOS and ATAN return degrees.
EngineError applyRealFunction(Function function, double x, bool degreeMode, double& result);

// result = a (op) b for the real operators, with their domain checks.
EngineError applyRealOperator(Operator op, double a, double b, double& result);

} // namespace kalvo::formula
