#include "integer_format.h"

#include "roman_numerals.h"

#include <bit>
#include <charconv>
#include <cstdint>

namespace kalvo::formula {

namespace {

constexpr unsigned romanBits = 13;

// Digits separated by a space after every group of four, counted from the right.
std::string grouped(const std::string& digits)
{
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 4 == 0)
            text += ' ';
        text += digits[i];
    }
    return text;
}

std::string patternText(const IntegerWord& word, const Natural& pattern, unsigned bitsPerDigit, bool leadingZeros)
{
    std::string digits = pattern.toString(1U << bitsPerDigit);
    const std::size_t width = (word.bits() + bitsPerDigit - 1) / bitsPerDigit;
    if (leadingZeros && digits.size() < width)
        digits.insert(0, width - digits.size(), '0');
    return grouped(digits);
}

std::string singlePrecisionText(const Natural& pattern)
{
    const auto bits = static_cast<std::uint32_t>(pattern.lowBits(32).toUint64Saturated());
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::bit_cast<float>(bits));
    return std::string(buffer, written.ptr);
}

} // namespace

EngineError formatIntegerResult(const IntegerWord& word, const IntegerValue& value, const EngineOptions& options,
                                std::string& text)
{
    const Natural pattern = word.toPattern(value);
    const bool leadingZeros = options.optionD == 0;
    const std::string sign = value.negative ? "-" : "";
    switch (options.outputMode) {
    case 0:
        text = "0b " + patternText(word, pattern, 1, leadingZeros);
        break;
    case 1:
        text = "0o " + patternText(word, pattern, 3, leadingZeros);
        break;
    case 2:
        text = "0x " + patternText(word, pattern, 4, leadingZeros);
        break;
    case 4:
        text = grouped(pattern.toString(static_cast<std::uint32_t>(options.outputBase)));
        break;
    case 5:
        if (value.magnitude.bitLength() > romanBits)
            return EngineError::RomanOverflow;
        text = value.isZero() ? "0r 0" : sign + "0r " + toRoman(value.magnitude.toUint64Saturated());
        break;
    case 6:
        text = singlePrecisionText(pattern);
        break;
    default:
        text = sign + "0d " + value.magnitude.toString(10);
        break;
    }
    return EngineError::None;
}

} // namespace kalvo::formula
