#include "microstrip.h"

#include "constants.h"

#include <cmath>

namespace kalvo::physics {
namespace {

constexpr double freeSpaceImpedance = 376.99111843077515; // 120 pi, Ohm
constexpr double twoPi = 6.283185307179586;

double basePermittivity(double h, double w, double er)
{
    const double a = (er + 1.0) * 0.5;
    const double b = (er - 1.0) * 0.5;
    const double root = std::sqrt(1.0 + 12.0 * h / w);
    if (h <= w)
        return a + b / root;
    const double narrow = 1.0 - w / h;
    return a + b * (1.0 / root + 0.04 * narrow * narrow);
}

double effectiveWidth(double h, double w, double t)
{
    const double k = 1.25 * t / pi;
    if (h <= twoPi * w)
        return w + k * (1.0 + std::log(2.0 * h / t));
    return w + k * (1.0 + std::log(fourPi * w / t));
}

// The branch follows the typed width, not the effective one.
double airImpedance(double h, double w, double we)
{
    if (h <= w)
        return freeSpaceImpedance / (we / h + 1.393 + 0.667 * std::log(we / h + 1.444));
    return 60.0 * std::log(8.0 * h / we + we / (4.0 * h));
}

// Written as ranges that hold, so that a NaN ratio counts as outside them.
bool withinValidity(double h, double w, double t, double er)
{
    const double th = t / h;
    const double wh = w / h;
    return th > 0.0 && th < 0.2 && wh > 0.1 && wh < 20.0 && er > 0.0 && er < 16.0;
}

} // namespace

Microstrip microstrip(double h, double w, double t, double er)
{
    Microstrip line;
    line.effectivePermittivity = basePermittivity(h, w, er) - (er - 1.0) * (t / h) / (4.6 * std::sqrt(w / h));
    line.airImpedance = airImpedance(h, w, effectiveWidth(h, w, t));
    line.impedance = line.airImpedance / std::sqrt(line.effectivePermittivity);
    line.withinValidity = withinValidity(h, w, t, er);
    return line;
}

} // namespace kalvo::physics
