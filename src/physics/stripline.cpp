#include "stripline.h"

#include "constants.h"

#include <cmath>

namespace kalvo::physics {
namespace {


} // namespace

double Zstrip(double b, double w, double t, double er)
{
    if (w / b >= 0.35) {
        const double u = 1.0 - t / b;
        const double fringing = (2.0 / u) * std::log(1.0 / u + 1.0) - (1.0 / u - 1.0) * std::log(1.0 / (u * u) - 1.0);
        return (94.15 / std::sqrt(er)) / ((w / b) / u + fringing / pi);
    }
    const double tw = t / w;
    const double d0 = 0.5 * w * (1.0 + (t / (pi * w)) * (1.0 + std::log(fourPi * w / t)) + 0.255 * (tw * tw));
    return (60.0 / std::sqrt(er)) * std::log(4.0 * b / (pi * d0));
}

} // namespace kalvo::physics
