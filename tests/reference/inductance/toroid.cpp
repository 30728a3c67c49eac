#include "toroid.h"

#include "constants.h"

#include <cmath>

namespace kalvo::reference {

// Both follow from B = mu0 N I / (2 pi r) inside the winding: the flux is the integral
// of the core's height at radius r over 2 pi r.
double roundToroidInductance(double turns, double meanDiameter, double coreDiameter)
{
    const double major = meanDiameter / 2.0;
    const double minor = coreDiameter / 2.0;
    // R - sqrt(R^2 - a^2) without cancellation for thin cores
    return physics::mu0 * turns * turns * minor * minor / (major + std::sqrt(major * major - minor * minor));
}

double rectangularToroidInductance(double turns, double meanDiameter, double width, double height)
{
    return physics::mu0 * turns * turns * height / physics::twoPi
        * std::log((meanDiameter + width) / (meanDiameter - width));
}

} // namespace kalvo::reference
