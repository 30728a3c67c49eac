#pragma once

#include <optional>
#include <string_view>

namespace kalvo {

struct ValuePair {
    double x = 0;
    double y = 0;
};

// Reads one number as scanf's "%lf" does in the C locale, starting at position:
// leading white space, an optional sign, then a decimal or hexadecimal number, "inf",
// "infinity" or "nan" (any case). On success position is moved past the number.
std::optional<double> scanDouble(std::string_view text, std::size_t& position);

// scanf(text, "%lf %lf"): the first two numbers separated by white space. A number that
// cannot be read stays 0, and so does every one after it; the rest of the text is ignored.
ValuePair scanPair(std::string_view text);

} // namespace kalvo
