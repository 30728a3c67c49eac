#pragma once

#include "engine_error.h"
#include "evaluation_context.h"

#include <cstddef>
#include <string_view>

namespace kalvo::formula {

// Pieces of formula reading that every evaluation mode shares.

std::size_t skipSpaces(std::string_view text, std::size_t position);

// Whether c may begin a name: a character from "@" to "z", "$" or a byte of 128 and above.
bool startsName(unsigned char c);

// The text between the bracket at text[open] and its matching closing bracket, which
// must exist (else BracketLogic) and enclose at least one character (else Syntax). On
// success position is past the closing bracket.
EngineError readBracket(std::string_view text, std::size_t open, std::string_view& inner, std::size_t& position);

// The variable whose name text begins with (the longest such name): UnknownName when
// there is none, CircularDefinition when it is the variable being defined.
EngineError findVariable(const EvaluationContext& context, std::string_view text, const Variable*& variable);

// Reads a decimal number at text[position]: digits with at most one decimal separator
// ("." or ","), spaces inside the number skipped ("1 000,5" is 1000.5). On success
// position is past the number and its trailing spaces. Gives Syntax for a text that
// cannot start a number, a second separator or a number ending in its separator. The
// value is the correctly rounded double of the digits.
EngineError readDecimalNumber(std::string_view text, std::size_t& position, double& value);

} // namespace kalvo::formula
