#pragma once

#include "engine_error.h"
#include "evaluation_context.h"
#include "integer_word.h"
#include "term.h"

#include <string_view>
#include <vector>

namespace kalvo::formula {

// Turns one level of an integer-mode formula into its term list. Integer mode reads
//   operators   + - * / % (as usual), && || ^^ !& !| !^ (and, or, exclusive or, nand, nor,
//               equivalence), >> << (shifts), >R> <L< (rotations), ^ (power)
//   prefix "!"  inverts every bit of the operand that follows
//   functions   !( ABS( FACT( SIG( SWP( D2F( and plain brackets
//   numbers     decimal digits (spaces inside skipped; a decimal separator gives
//               NoIntegerNumber), and after a prefix: 0d decimal, 0b binary, 0o octal,
//               0x hexadecimal, 0r roman letters, each running over letters, digits and
//               spaces (a character that is no digit of the base gives Base); 0a takes
//               the code of the one character that follows
//   names       variables, whose formulas are read in integer mode
// The functions and constants of the real evaluator give IntegerOnly.
EngineError scanIntegerFormula(const EvaluationContext& context, const IntegerWord& word, std::string_view text,
                               std::vector<Term<IntegerValue>>& terms);

} // namespace kalvo::formula
