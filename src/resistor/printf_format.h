#pragma once

#include <QString>

namespace kalvo {

// printf's "%lg" (six significant digits, shorter of fixed and exponent form) with '.'
// as the decimal separator whatever the process locale.
QString printfG(double x);

// printf's "%.<decimals>lf", locale-independent like printfG.
QString printfFixed(double x, int decimals);

} // namespace kalvo
