#include "lines_above_ground.h"

#include "constants.h"

#include <cmath>

namespace kalvo::reference {

double wireAboveGroundInductance(double height, double wireDiameter)
{
    return physics::mu0 / physics::twoPi * std::acosh(2.0 * height / wireDiameter);
}

// The flux between wire 2 and the image of wire 1: ln of the distance to the image over s.
double wiresAboveGroundMutual(double separation, double height)
{
    const double ratio = 2.0 * height / separation;
    return physics::mu0 / (2.0 * physics::twoPi) * std::log1p(ratio * ratio);
}

} // namespace kalvo::reference
