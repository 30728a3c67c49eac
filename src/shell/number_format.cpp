#include "number_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

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

// Appends v with p decimals, rounded exactly as printf("%.*f") does, independent of
// the locale.
void appendFixed(QString& out, double v, int p)
{
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, p);
    out += QLatin1String(buffer, static_cast<int>(result.ptr - buffer));
}

QString formatFixed(double v, int digits)
{
    QString text;
    appendFixed(text, v, cappedPrecision(digits, truncatedLog10(v)));
    return text;
}

QString formatExponent(double mantissa, int exponent, int digits)
{
    QString text;
    appendFixed(text, mantissa, cappedPrecision(digits, truncatedLog10(mantissa)));
    text += QLatin1Char('E');
    text += QString::number(exponent);
    return text;
}

QString padded(QString text)
{
    const int length = static_cast<int>(text.size());
    const int width = length <= 5 ? 13 : (length <= 9 ? 12 : 11);
    return text.leftJustified(width, QLatin1Char(' '));
}

QString nonFiniteText(double x)
{
    if (std::isnan(x))
        return QStringLiteral("NaN");
    return x > 0 ? QStringLiteral("+infinity") : QStringLiteral("-infinity");
}

} // namespace

QString formatNumber(double x, const NumberFormat& format)
{
    const bool padding = format.variant == FormatVariant::Calculator;
    if (x == 0.0)
        return padding ? QStringLiteral("0.0         ") : QStringLiteral("0");
    if (!std::isfinite(x))
        return padding ? nonFiniteText(x).leftJustified(12, QLatin1Char(' ')) : nonFiniteText(x);

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

    QString text = (magnitude <= format.fixedLowerLimit || magnitude >= upperFixedLimit)
        ? formatExponent(mantissa, exponent, format.digits)
        : formatFixed(x, format.digits);
    return padding ? padded(std::move(text)) : text;
}

} // namespace kalvo
