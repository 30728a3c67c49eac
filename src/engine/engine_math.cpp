#include "engine_math.h"

#include <cmath>

namespace kalvo::formula {

double compensatedLog1p(double y)
{
    const double onePlusY = 1.0 + y;
    return std::log(onePlusY) - ((onePlusY - 1.0) - y) / onePlusY;
}

bool finiteInSinglePrecision(double x)
{
    // FLT_MAX plus half its unit in the last place: the first magnitude that rounds to
    // infinity.
    constexpr double singleOverflow = 0x1.ffffffp127;
    return std::fabs(x) < singleOverflow;
}

} // namespace kalvo::formula
