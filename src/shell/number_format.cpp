#include "number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace kalvo {
namespace {

constexpr double upperFixedLimit = 10000.0;

// Integer part of log10(|v|), truncated toward zero; v is finite and nonzero.
int truncatedLog10(double v)
{
    return static_cast<int>(std::trunc(std::log10(std::fabs(v))));
}

// Decimals to print for a number whose integer exponent is k: at most 16 significant
// digits in all.
int cappedPrecision(int digits, int k)
{
    int p = digits;
    if (k + p > 15)
        p = 15 - k;
    return p < 0 ? 0 : p;
}

// The width a number of this many characters is padded to, so that the tab after it
// lines up.
qsizetype paddedWidth(qsizetype length)
{
    return length <= 5 ? 13 : (length <= 9 ? 12 : 11);
}

std::string_view nonFiniteText(double x)
{
    if (std::isnan(x))
        return "NaN";
    return x > 0 ? "+infinity" : "-infinity";
}

} // namespace

void FormattedNumber::append(std::string_view part)
{
    const qsizetype room = static_cast<qsizetype>(chars.size()) - length;
    const qsizetype count = std::min(static_cast<qsizetype>(part.size()), room);
    std::memcpy(chars.data() + length, part.data(), static_cast<size_t>(count));
    length += count;
}

// v with p decimals, rounded exactly as printf("%.*f") does, independent of the locale.
void FormattedNumber::appendFixed(double v, int decimals)
{
    char* const end = chars.data() + chars.size();
    const auto result = std::to_chars(chars.data() + length, end, v, std::chars_format::fixed, decimals);
    if (result.ec == std::errc())
        length = result.ptr - chars.data();
}

void FormattedNumber::appendInteger(int v)
{
    const auto result = std::to_chars(chars.data() + length, chars.data() + chars.size(), v);
    if (result.ec == std::errc())
        length = result.ptr - chars.data();
}

void FormattedNumber::padTo(qsizetype width)
{
    const qsizetype end = std::min(width, static_cast<qsizetype>(chars.size()));
    if (length < end) {
        std::memset(chars.data() + length, ' ', static_cast<size_t>(end - length));
        length = end;
    }
}

FormattedNumber formattedNumber(double x, const NumberFormat& format)
{
    FormattedNumber out;
    const bool padding = format.variant == FormatVariant::Calculator;
    if (x == 0.0) {
        out.append(padding ? "0.0" : "0");
        out.numberLength = out.length;
        if (padding)
            out.padTo(12);
        return out;
    }
    if (!std::isfinite(x)) {
        out.append(nonFiniteText(x));
        out.numberLength = out.length;
        if (padding)
            out.padTo(12);
        return out;
    }

    const double magnitude = std::fabs(x);
    int exponent = truncatedLog10(magnitude);
    // 10^exponent is itself subnormal below 1e-308 and would distort the mantissa.
    double mantissa
        = exponent < -300 ? (magnitude * 1e300) / std::pow(10.0, exponent + 300) : magnitude / std::pow(10.0, exponent);
    switch (exponent % 3) {
    case 1:
    case -2:
        mantissa *= 10.0;
        exponent -= 1;
        break;
    case 2:
    case -1:
        mantissa *= 100.0;
        exponent -= 2;
        break;
    default:
        break;
    }
    if (x < 0)
        mantissa = -mantissa;

    if (magnitude <= format.fixedLowerLimit || magnitude >= upperFixedLimit) {
        out.appendFixed(mantissa, cappedPrecision(format.digits, truncatedLog10(mantissa)));
        out.append("E");
        out.appendInteger(exponent);
    } else {
        out.appendFixed(x, cappedPrecision(format.digits, truncatedLog10(x)));
    }
    out.numberLength = out.length;
    if (padding)
        out.padTo(paddedWidth(out.length));
    return out;
}

QString formatNumber(double x, const NumberFormat& format)
{
    return formattedNumber(x, format).text();
}

} // namespace kalvo
