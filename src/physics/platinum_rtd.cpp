#include "platinum_rtd.h"

#include <cmath>

namespace kalvo::physics {
namespace {

// 3850 ppm/K is the platinum of EN 60751 (IEC 60751); 3750 and 3770 ppm/K are other
// common grades.
constexpr RtdCoefficients coefficientSets[] = {
    {3750, 3.8102e-3, -6.01888e-7, -6.0e-12},
    {3770, 3.92e-3, -6.03e-7, 0.0},
    {3850, 3.9083e-3, -5.775e-7, -4.183e-12},
};

constexpr int maxHalvings = 100;
constexpr double relativeTolerance = 1e-11;

// Ro * W(T) - r with the c term, as used below 0 degrees.
double subZeroResidual(const RtdCoefficients& k, double ro, double r, double t)
{
    return ro * (1 + k.a * t + k.b * t * t + k.c * (t - 100) * t * t * t) - r;
}

} // namespace

const RtdCoefficients* rtdCoefficients(int alpha)
{
    for (const RtdCoefficients& k : coefficientSets)
        if (k.alpha == alpha)
            return &k;
    return nullptr;
}

double resistanceRatio(const RtdCoefficients& k, double temperature)
{
    const double t = temperature;
    if (t >= 0)
        return 1 + k.a * t + k.b * t * t;
    return 1 + k.a * t + k.b * t * t + k.c * (t - 100) * t * t * t;
}

// The root of b*T^2 + a*T + (1 - r/ro) = 0 on the rising branch, written as
// 2*(r - ro) / (a*ro + sqrt(ro * D)) with D = (a^2 - 4b)*ro + 4b*r: the same root as
// (sqrt(D) - a*sqrt(ro)) / (2b*sqrt(ro)) without its cancellation, so r = ro gives
// exactly 0 degrees.
double quadraticTemperature(const RtdCoefficients& k, double ro, double r)
{
    const double discriminant = (k.a * k.a - 4 * k.b) * ro + 4 * k.b * r;
    return 2 * (r - ro) / (k.a * ro + std::sqrt(ro * discriminant));
}

std::optional<BisectionResult> subZeroTemperature(const RtdCoefficients& k, double ro, double r)
{
    // -225^2 = 50625, (-225 - 100) * (-225)^3 = 3701953125
    double fp = ro * (1 - 225 * k.a + 50625 * k.b + 3701953125 * k.c) - r;
    if (fp >= 0)
        return std::nullopt;

    double p = lowestSearchedTemperature;
    double q = 0.0;
    double m = p;
    double fm = fp;
    for (int halvings = 1; halvings <= maxHalvings; ++halvings) {
        m = p + (q - p) * 0.5;
        fm = subZeroResidual(k, ro, r, m);
        if (fm == 0)
            return BisectionResult{m, fm, true};
        if (!(fp * fm > 0))
            q = p; // the sign changes between p and m
        p = m;
        fp = fm;
        if (std::fabs(fm) < ro * relativeTolerance)
            return BisectionResult{m, fm, true};
    }
    return BisectionResult{m, fm, false};
}

} // namespace kalvo::physics
