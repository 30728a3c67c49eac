#include "straight_filaments.h"

#include "constants.h"

#include <cmath>

namespace kalvo::reference {

// M = mu0 / (2 pi) [l asinh(l / d) - sqrt(l^2 + d^2) + d]  (Grover, eq. 1)
double parallelFilamentsMutual(double length, double distance)
{
    return physics::mu0 / physics::twoPi
        * (length * std::asinh(length / distance) - std::hypot(length, distance) + distance);
}

// Each side's partial self inductance is the mutual inductance of two filaments at the
// geometric mean distance of the wire's section from itself, r e^(-1/4) for a round wire
// with uniform current; opposite sides carry opposite currents, perpendicular ones do
// not couple.
double rectangularLoopInductance(double x, double y, double wireDiameter)
{
    const double selfDistance = wireDiameter / 2.0 * std::exp(-0.25);
    return 2.0
        * (parallelFilamentsMutual(x, selfDistance) + parallelFilamentsMutual(y, selfDistance)
           - parallelFilamentsMutual(x, y) - parallelFilamentsMutual(y, x));
}

// Each side faces a parallel side of the other square at the distance and the opposite
// side, carrying the opposite current, at sqrt(distance^2 + side^2).
double coaxialSquaresMutual(double side, double distance)
{
    return 4.0 * (parallelFilamentsMutual(side, distance) - parallelFilamentsMutual(side, std::hypot(distance, side)));
}

} // namespace kalvo::reference
