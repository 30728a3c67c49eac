#include "elliptic.h"

#include <cmath>

namespace kalvo::pcb {

double ellipticRatio(double k)
{
    const double complement = std::sqrt((1.0 - k) * (1.0 + k));
    return std::comp_ellint_1(k) / std::comp_ellint_1(complement);
}

} // namespace kalvo::pcb
