#pragma once

#include <QString>

#include <array>
#include <string_view>

namespace kalvo {

// The calculator programs pad every number so that the following tab lines up;
// kalvo-xy prints them bare.
enum class FormatVariant { Calculator, Xy };

// How a report prints its numbers: decimals, the magnitude at or below which the
// exponent form is used, and the variant.
struct NumberFormat {
    int digits = 3;
    double fixedLowerLimit = 0.1;
    FormatVariant variant = FormatVariant::Calculator;
};

// A number as formatNumber prints it, held in a buffer of its own: reports print
// thousands of numbers a second while solve and sweep repeat them.
class FormattedNumber {
public:
    // The printed text, padding included.
    QLatin1StringView text() const { return {chars.data(), length}; }
    // The number alone, without the padding.
    QLatin1StringView number() const { return {chars.data(), numberLength}; }

private:
    friend FormattedNumber formattedNumber(double x, const NumberFormat& format);
    void append(std::string_view part);
    void appendFixed(double v, int decimals);
    void appendInteger(int v);
    void padTo(qsizetype width);

    std::array<char, 400> chars;
    qsizetype length = 0;
    qsizetype numberLength = 0;
};

// Fixed form for fixedLowerLimit < |x| < 10000, engineering form (exponent a multiple
// of three) otherwise; at most 16 significant digits. Always uses '.' as the decimal
// separator, whatever the process locale.
FormattedNumber formattedNumber(double x, const NumberFormat& format);
QString formatNumber(double x, const NumberFormat& format);

} // namespace kalvo
