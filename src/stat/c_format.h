#pragma once

#include <QString>

#include <initializer_list>
#include <string_view>
#include <variant>

namespace kalvo {

// One argument of cFormat: an int for %d, a double for %g, %f and %e.
using CFormatArgument = std::variant<int, double>;

// printf as in the C locale, whatever the process locale: conversions d, g, f and e
// with optional width, precision and the length modifier l; "%%" writes one percent
// sign. Numbers are right-aligned in their width. A conversion without an argument
// writes nothing.
QString cFormat(std::string_view format, std::initializer_list<CFormatArgument> arguments);

// printf's "%lg" in the C locale: 6 significant digits, trailing zeros dropped.
QString formatLg(double value);

} // namespace kalvo
