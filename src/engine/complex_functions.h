#pragma once

#include "complex_value.h"
#include "engine_error.h"
#include "formula_codes.h"

namespace kalvo::formula {

// The complex function library: result = f(a) with the safe-area checks of the
// trigonometric and hyperbolic functions. The functions that only exist for reals
// refuse a non-real argument with RealOnly.
EngineError applyComplexFunction(Function function, ComplexValue a, ComplexValue& result);

// result = a (op) b for the complex operators.
EngineError applyComplexOperator(Operator op, ComplexValue a, ComplexValue b, ComplexValue& result);

} // namespace kalvo::formula
