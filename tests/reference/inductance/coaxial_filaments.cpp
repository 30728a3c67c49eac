#include "coaxial_filaments.h"

#include "constants.h"

#include <boost/math/special_functions/ellint_rd.hpp>
#include <boost/math/special_functions/ellint_rf.hpp>

#include <cmath>

namespace kalvo::reference {

// M = mu0 sqrt(ab) [(2/k - k) K(k) - (2/k) E(k)] with k^2 = 4ab / ((a + b)^2 + z^2).
// Written with Carlson's forms, K = RF(0, k'^2, 1) and E = K - k^2/3 RD(0, k'^2, 1), as
// M = mu0 sqrt(ab) k [2/3 RD - RF], with k'^2 computed from the distances rather than
// as 1 - k^2: close filaments (k near 1) keep their precision, which the numerical
// integrals over winding cross sections rely on.
double coaxialFilamentsMutual(double a, double b, double z)
{
    const double far = (a + b) * (a + b) + z * z;
    const double k2 = 4.0 * a * b / far;
    const double complement = ((a - b) * (a - b) + z * z) / far;
    const double rf = boost::math::ellint_rf(0.0, complement, 1.0);
    const double rd = boost::math::ellint_rd(0.0, complement, 1.0);
    return physics::mu0 * std::sqrt(a * b * k2) * (2.0 / 3.0 * rd - rf);
}

} // namespace kalvo::reference
