#include "variable_names.h"

#include <algorithm>

namespace kalvo {

namespace {

// Function names, constants, operators and number prefixes of all evaluation modes.
constexpr std::string_view reservedWords[] = {
    "ABS",  "ACOS",  "ASIN",  "ATAN",  "COSH", "COS",  "EXP", "INT", "LOG10",   "LOG",  "PI",  "SQRT",
    "SQR",  "SIN",   "SINH",  "SIG",   "TAN",  "TANH", "E",   "e",   "DB",      "DB10", "IDB", "IDB10",
    "FACT", "ASINH", "ACOSH", "ATANH", "0b",   "0o",   "0x",  "0d",  "0a",      "0r",   "&&",  "!&",
    "||",   "!|",    "!",     "^^",    "!^",   "<L<",  ">R>", "SWP", "D2F",     "i",    "ARG", "ARGD",
    "RE",   "IM",    "CONJ",  "dg",    "<d",   "<r",   "nPr", "nCr", "LNGAMMA", "DEG",  "RAD",
};
static_assert(std::size(reservedWords) == 59);

bool isLetter(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool canStartName(unsigned char c)
{
    return isLetter(c) || c == '_' || c == '$' || c >= 128;
}

bool canContinueName(unsigned char c)
{
    return canStartName(c) || (c >= '0' && c <= '9');
}

} // namespace

bool isValidVariableName(std::string_view name)
{
    if (name.empty() || name.size() > maxVariableNameLength)
        return false;
    if (!canStartName(static_cast<unsigned char>(name.front())))
        return false;
    if (!std::all_of(name.begin(), name.end(), [](char c) { return canContinueName(static_cast<unsigned char>(c)); }))
        return false;
    return std::find(std::begin(reservedWords), std::end(reservedWords), name) == std::end(reservedWords);
}

} // namespace kalvo
