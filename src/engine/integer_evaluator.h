#pragma once

#include "engine_error.h"
#include "evaluation_context.h"

#include <string>
#include <string_view>

namespace kalvo::formula {

// Evaluates formula in integer mode on words of the context's wordBits bits and writes
// the result in the text form of its outputMode (nothing while a definition is checked).
EngineError evaluateIntegerFormula(EvaluationContext& context, std::string_view formula, std::string& text);

} // namespace kalvo::formula
