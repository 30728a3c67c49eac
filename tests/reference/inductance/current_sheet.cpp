#include "current_sheet.h"

#include "constants.h"

#include <boost/math/special_functions/ellint_1.hpp>
#include <boost/math/special_functions/ellint_2.hpp>

#include <cmath>

namespace kalvo::reference {

// Nagaoka (1909) after Lorenz (1879): with k = D / sqrt(D^2 + l^2) and k' = l / sqrt(D^2 + l^2),
//   K = 4 / (3 pi k') [(k'^2 / k^2) (K(k) - E(k)) + E(k) - k].
double nagaokaCoefficient(double diameterOverLength)
{
    const double hypotenuse = std::hypot(diameterOverLength, 1.0);
    const double k = diameterOverLength / hypotenuse;
    const double complement = 1.0 / hypotenuse;
    const double first = boost::math::ellint_1(k);
    const double second = boost::math::ellint_2(k);
    const double bracket = complement * complement / (k * k) * (first - second) + second - k;
    return 4.0 / (3.0 * physics::pi * complement) * bracket;
}

double currentSheetInductance(double turns, double diameter, double length)
{
    return nagaokaCoefficient(diameter / length) * physics::mu0 * turns * turns * physics::pi * diameter * diameter
        / (4.0 * length);
}

} // namespace kalvo::reference
