#include "printf_format.h"

#include <array>
#include <charconv>

namespace kalvo {
namespace {

// std::to_chars with a precision formats exactly as printf does in the C locale.
QString toChars(double x, std::chars_format format, int precision)
{
    // Enough for "%.Nf" of the largest double (309 digits) with the decimals asked for.
    std::array<char, 512> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, format, precision);
    if (result.ec != std::errc())
        return QString();
    return QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
}

} // namespace

QString printfG(double x)
{
    return toChars(x, std::chars_format::general, 6);
}

QString printfFixed(double x, int decimals)
{
    return toChars(x, std::chars_format::fixed, decimals);
}

} // namespace kalvo
