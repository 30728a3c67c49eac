#pragma once

#include "engine_error.h"
#include "evaluation_context.h"
#include "integer_word.h"

#include <string>

namespace kalvo::formula {

// The text of an integer-mode result by the engine's output mode. Every form except 4
// and 6 reads back as a formula.
//   0, 1, 2  "0b ", "0o ", "0x " and the word's bit pattern in base 2, 8 or 16, digits in
//            groups of four from the right; all digits of the word unless option D is
//            nonzero, which drops leading zeros.
//   3        "0d " and the decimal value ("-0d " for a negative one); also every mode
//            outside 0..6.
//   4        the bit pattern in radix outputBase, groups of four, no leading zeros.
//   5        "0r " and the roman numeral ("-0r " negative, "0r 0" for zero);
//            RomanOverflow above 13 bits.
//   6        the lowest 32 bits of the pattern read as an IEEE single-precision number.
EngineError formatIntegerResult(const IntegerWord& word, const IntegerValue& value, const EngineOptions& options,
                                std::string& text);

} // namespace kalvo::formula
