#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kalvo {

// Roman numerals with the letters I V X L C D M and the subtractive pairs IV IX XL XC CD
// CM; thousands are repeated M's (8191 is MMMMMMMMCXCI).
std::string toRoman(std::uint64_t value);

// Reads upper-case roman letters: a letter followed by a larger one is subtracted, every
// other letter added (so both XIV and the additive XIIII are 14). Empty if a character is
// no roman letter or the text is empty.
std::optional<std::uint64_t> fromRoman(std::string_view letters);

} // namespace kalvo
