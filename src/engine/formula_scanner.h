#pragma once

#include "complex_value.h"
#include "engine_error.h"
#include "evaluation_context.h"
#include "term.h"

#include <string_view>
#include <vector>

namespace kalvo::formula {

// Turns one level of a formula into its flat term list: operators, values (numbers,
// "PI", and in the complex evaluator "i") and pending terms holding the text of a
// bracket, a function argument or a variable's formula. The complex evaluator
// (Value = ComplexValue) also reads "i", "<d", "<r", the postfixes "i" and "dg" after a
// number and the functions ARG, ARGD, RE, IM and CONJ. Gives IntegerSyntax as soon as it
// meets a token that only integer mode knows.
template <class Value>
EngineError scanFormula(const EvaluationContext& context, std::string_view text, std::vector<Term<Value>>& terms);

// Whether text begins with a function name, "PI", "nPr" or "nCr" of the real or complex
// evaluator.
bool beginsWithFunctionWord(std::string_view text);

extern template EngineError scanFormula(const EvaluationContext&, std::string_view, std::vector<Term<double>>&);
extern template EngineError scanFormula(const EvaluationContext&, std::string_view, std::vector<Term<ComplexValue>>&);

} // namespace kalvo::formula
