#include "data_line.h"

#include <string>

namespace kalvo {
namespace {

constexpr std::string_view kBlanks = " \t\r\n\v\f";

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The line with every separator a blank and every decimal comma a point, so that
// the C reading of "%lf %lf" applies.
std::string withBlankSeparators(std::string_view line)
{
    const std::size_t last = line.find_last_not_of(kBlanks);
    const std::string_view content = line.substr(0, last == std::string_view::npos ? 0 : last + 1);
    const bool hasOtherSeparator = content.find_first_of(" \t;") != std::string_view::npos;
    std::string text(content);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ';') {
            text[i] = ' ';
        } else if (text[i] == ',') {
            const bool betweenDigits
                = i > 0 && i + 1 < text.size() && isDigit(content[i - 1]) && isDigit(content[i + 1]);
            text[i] = hasOtherSeparator && betweenDigits ? '.' : ' ';
        }
    }
    return text;
}

} // namespace

DataLine readDataLine(std::string_view beginning, bool containsTerminator)
{
    const std::size_t first = beginning.find_first_not_of(kBlanks);
    if (first != std::string_view::npos && beginning[first] == '#')
        return {};
    if (containsTerminator)
        return {DataLine::Kind::Terminator, {}};
    if (first == std::string_view::npos)
        return {};
    const std::string text = withBlankSeparators(beginning.substr(first));
    std::size_t position = 0;
    if (!scanDouble(text, position))
        return {};
    return {DataLine::Kind::Pair, scanPair(text)};
}

} // namespace kalvo
