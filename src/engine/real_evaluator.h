#pragma once

#include "engine_error.h"
#include "evaluation_context.h"

#include <string_view>

namespace kalvo::formula {

// Evaluates formula on doubles. Gives IntegerSyntax when the formula needs integer mode.
EngineError evaluateRealFormula(EvaluationContext& context, std::string_view formula, double& value);

} // namespace kalvo::formula
