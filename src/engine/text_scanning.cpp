#include "text_scanning.h"

#include <charconv>
#include <limits>
#include <string>

namespace kalvo::formula {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool isSeparator(char c)
{
    return c == '.' || c == ',';
}

} // namespace

std::size_t skipSpaces(std::string_view text, std::size_t position)
{
    while (position < text.size() && text[position] == ' ')
        ++position;
    return position;
}

bool startsName(unsigned char c)
{
    return (c >= '@' && c <= 'z') || c == '$' || c >= 128;
}

EngineError readBracket(std::string_view text, std::size_t open, std::string_view& inner, std::size_t& position)
{
    int depth = 0;
    for (std::size_t p = open; p < text.size(); ++p) {
        if (text[p] == '(') {
            ++depth;
        } else if (text[p] == ')' && --depth == 0) {
            if (p == open + 1)
                return EngineError::Syntax;
            inner = text.substr(open + 1, p - open - 1);
            position = p + 1;
            return EngineError::None;
        }
    }
    return EngineError::BracketLogic;
}

EngineError findVariable(const EvaluationContext& context, std::string_view text, const Variable*& variable)
{
    variable = context.variables.longestNameAt(text);
    if (!variable)
        return EngineError::UnknownName;
    if (context.checkingDefinition() && variable->name == context.definingName)
        return EngineError::CircularDefinition;
    return EngineError::None;
}

EngineError readDecimalNumber(std::string_view text, std::size_t& position, double& value)
{
    std::size_t p = position;
    if (p >= text.size())
        return EngineError::Syntax;
    if (isSeparator(text[p])) {
        if (p + 1 >= text.size() || !(isDigit(text[p + 1]) || text[p + 1] == ' '))
            return EngineError::Syntax;
    } else if (!isDigit(text[p])) {
        return EngineError::Syntax;
    }

    std::string digits = "0"; // so that ".5" reads as "0.5"
    bool separatorSeen = false;
    bool endsInSeparator = false;
    bool nonzeroIntegerDigit = false;
    for (; p < text.size(); ++p) {
        const char c = text[p];
        if (c == ' ')
            continue;
        if (isSeparator(c)) {
            if (separatorSeen)
                return EngineError::Syntax;
            separatorSeen = true;
            endsInSeparator = true;
            digits += '.';
        } else if (isDigit(c)) {
            endsInSeparator = false;
            nonzeroIntegerDigit = nonzeroIntegerDigit || (!separatorSeen && c != '0');
            digits += c;
        } else {
            break;
        }
    }
    if (endsInSeparator)
        return EngineError::Syntax;

    const auto read = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (read.ec == std::errc::result_out_of_range)
        value = nonzeroIntegerDigit ? std::numeric_limits<double>::infinity() : 0.0;
    position = skipSpaces(text, p);
    return EngineError::None;
}

} // namespace kalvo::formula
