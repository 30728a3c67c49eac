#include "roman_numerals.h"

namespace kalvo {

namespace {

struct RomanSymbol {
    std::uint64_t value;
    std::string_view text;
};

constexpr RomanSymbol symbols[] = {
    {1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"}, {50, "L"},
    {40, "XL"},  {10, "X"},   {9, "IX"},  {5, "V"},    {4, "IV"},  {1, "I"},
};

std::uint64_t letterValue(char letter)
{
    for (const RomanSymbol& symbol : symbols)
        if (symbol.text.size() == 1 && symbol.text.front() == letter)
            return symbol.value;
    return 0;
}

} // namespace

std::string toRoman(std::uint64_t value)
{
    std::string text;
    for (const RomanSymbol& symbol : symbols) {
        for (; value >= symbol.value; value -= symbol.value)
            text += symbol.text;
    }
    return text;
}

std::optional<std::uint64_t> fromRoman(std::string_view letters)
{
    if (letters.empty())
        return std::nullopt;
    std::uint64_t total = 0;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const std::uint64_t value = letterValue(letters[i]);
        if (value == 0)
            return std::nullopt;
        const std::uint64_t next = i + 1 < letters.size() ? letterValue(letters[i + 1]) : 0;
        if (next > value)
            total -= value;
        else
            total += value;
    }
    return total;
}

} // namespace kalvo
