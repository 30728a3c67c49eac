#pragma once

#include "complex_value.h"
#include "engine_error.h"
#include "evaluation_context.h"

#include <string_view>

namespace kalvo::formula {

// Evaluates formula on complex values. Without floatCheck the result is not checked:
// an overflow or undefined result comes back as an infinite or not-a-number part.
// Gives IntegerSyntax when the formula needs integer mode.
EngineError evaluateComplexFormula(EvaluationContext& context, std::string_view formula, ComplexValue& value);

} // namespace kalvo::formula
