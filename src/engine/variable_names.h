#pragma once

#include <string_view>

namespace kalvo {

inline constexpr std::size_t maxVariableNameLength = 32;

// A name may be defined as a variable when it has 1 to 32 characters, starts with a
// letter, "_", "$" or a byte of 128 and above, continues with those or digits, and is
// none of the engine's reserved words (compared exactly, case-sensitive).
bool isValidVariableName(std::string_view name);

} // namespace kalvo
