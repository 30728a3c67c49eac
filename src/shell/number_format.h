#pragma once

#include <QString>

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

// Fixed form for fixedLowerLimit < |x| < 10000, engineering form (exponent a multiple
// of three) otherwise; at most 16 significant digits. Always uses '.' as the decimal
// separator, whatever the process locale.
QString formatNumber(double x, const NumberFormat& format);

} // namespace kalvo
