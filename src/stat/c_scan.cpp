#include "c_scan.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace kalvo {
namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isHexDigit(char c)
{
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWithWord(std::string_view text, std::size_t position, std::string_view word)
{
    if (text.size() - position < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (lower(text[position + i]) != word[i])
            return false;
    return true;
}

std::size_t skipDigits(std::string_view text, std::size_t position, bool (*digit)(char))
{
    while (position < text.size() && digit(text[position]))
        ++position;
    return position;
}

// Length of a mantissa with its optional exponent, as the C library takes it; 0 if
// there is no digit. A dangling exponent marker ("1e", "1e+") is consumed but not
// converted, as scanf does.
struct NumberSpan {
    std::size_t converted = 0; // characters that form the number
    std::size_t consumed = 0; // characters the scan moves past
};

NumberSpan measureNumber(std::string_view text, std::size_t start, bool hex)
{
    bool (*digit)(char) = hex ? isHexDigit : isDigit;
    std::size_t position = skipDigits(text, start, digit);
    bool hasDigits = position > start;
    if (position < text.size() && text[position] == '.') {
        const std::size_t fraction = position + 1;
        position = skipDigits(text, fraction, digit);
        hasDigits = hasDigits || position > fraction;
    }
    if (!hasDigits)
        return {};
    NumberSpan span{position, position};
    const char marker = hex ? 'p' : 'e';
    if (position < text.size() && lower(text[position]) == marker) {
        std::size_t exponent = position + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        const std::size_t end = skipDigits(text, exponent, isDigit);
        span.consumed = end;
        if (end > exponent)
            span.converted = end;
    }
    return span;
}

// Whether an out-of-range number is too large (true) or too small (false): the sign of
// its order of magnitude, from the position of the first non-zero digit and the exponent.
bool isTooLarge(std::string_view number, bool hex)
{
    const std::size_t exponentAt = number.find_first_of(hex ? "pP" : "eE");
    const std::string_view mantissa = number.substr(0, exponentAt);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t firstSignificant = mantissa.find_first_not_of("0.");
    if (firstSignificant == std::string_view::npos)
        return false;
    const long long digitsBeforePoint = static_cast<long long>(point) - static_cast<long long>(firstSignificant);
    long long exponent = 0;
    if (exponentAt != std::string_view::npos) {
        std::size_t at = exponentAt + 1;
        const bool negative = number[at] == '-';
        if (number[at] == '-' || number[at] == '+')
            ++at;
        for (; at < number.size() && exponent < 1'000'000'000; ++at)
            exponent = exponent * 10 + (number[at] - '0');
        exponent = negative ? -exponent : exponent;
    }
    return (hex ? digitsBeforePoint * 4 : digitsBeforePoint) + exponent > 0;
}

std::optional<double> convert(std::string_view text, std::size_t start, std::size_t end, bool hex)
{
    double value = 0;
    const std::chars_format style = hex ? std::chars_format::hex : std::chars_format::general;
    const auto result = std::from_chars(text.data() + start, text.data() + end, value, style);
    if (result.ec == std::errc::result_out_of_range) // like strtod: infinity or zero
        return isTooLarge(text.substr(start, end - start), hex) ? std::numeric_limits<double>::infinity() : 0.0;
    if (result.ec != std::errc())
        return std::nullopt;
    return value;
}

std::optional<double> unsignedNumber(std::string_view text, std::size_t& position)
{
    if (startsWithWord(text, position, "inf")) {
        position += startsWithWord(text, position, "infinity") ? 8 : 3;
        return std::numeric_limits<double>::infinity();
    }
    if (startsWithWord(text, position, "nan")) {
        position += 3;
        return std::numeric_limits<double>::quiet_NaN();
    }
    const bool hex = startsWithWord(text, position, "0x") && measureNumber(text, position + 2, true).converted > 0;
    const std::size_t start = hex ? position + 2 : position;
    const NumberSpan span = measureNumber(text, start, hex);
    if (span.converted == 0)
        return std::nullopt;
    const std::optional<double> value = convert(text, start, span.converted, hex);
    if (value)
        position = span.consumed;
    return value;
}

} // namespace

std::optional<double> scanDouble(std::string_view text, std::size_t& position)
{
    std::size_t at = position;
    while (at < text.size() && isSpace(text[at]))
        ++at;
    const bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        ++at;
    const std::optional<double> value = unsignedNumber(text, at);
    if (!value)
        return std::nullopt;
    position = at;
    return negative ? -*value : *value;
}

ValuePair scanPair(std::string_view text)
{
    ValuePair pair;
    std::size_t position = 0;
    const std::optional<double> x = scanDouble(text, position);
    if (!x)
        return pair;
    pair.x = *x;
    if (const std::optional<double> y = scanDouble(text, position))
        pair.y = *y;
    return pair;
}

} // namespace kalvo
