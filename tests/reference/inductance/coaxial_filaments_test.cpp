#include "coaxial_filaments.h"

#include "constants.h"

#include <boost/math/quadrature/trapezoidal.hpp>
#include <gtest/gtest.h>

#include <cmath>

namespace kalvo::reference {
namespace {

struct Filaments {
    double a, b, z;
};

class CoaxialFilamentsTest : public testing::TestWithParam<Filaments> { };

// Neumann's double line integral reduced to one angle: M = mu0 a b / 2 times the
// integral over 0..2 pi of cos(phi) / sqrt(a^2 + b^2 + z^2 - 2 a b cos(phi)); the
// trapezoidal rule converges exponentially on a periodic integrand.
TEST_P(CoaxialFilamentsTest, MaxwellAgreesWithNeumannsIntegral)
{
    const auto [a, b, z] = GetParam();
    const auto integrand
        = [&](double phi) { return std::cos(phi) / std::sqrt(a * a + b * b + z * z - 2 * a * b * std::cos(phi)); };
    const double neumann
        = physics::mu0 * a * b / 2.0 * boost::math::quadrature::trapezoidal(integrand, 0.0, physics::twoPi, 1e-13, 30);
    EXPECT_NEAR(coaxialFilamentsMutual(a, b, z), neumann, 1e-10 * neumann);
}

INSTANTIATE_TEST_SUITE_P(Geometries, CoaxialFilamentsTest,
                         testing::Values(Filaments{1.0, 1.0, 0.1}, Filaments{1.0, 1.0, 1.0}, Filaments{0.3, 2.0, 0.5},
                                         Filaments{2.0, 0.01, 0.0}, Filaments{0.02, 0.05, 3.0}));

// Far apart the loops are dipoles: M -> mu0 pi a^2 b^2 / (2 z^3) (1 - 3 (a^2 + b^2) / (2 z^2)).
TEST(CoaxialFilaments, FarApartApproachTheDipoleFormula)
{
    const double a = 0.5, b = 0.2, z = 50.0;
    const double dipole = physics::mu0 * physics::pi * a * a * b * b / (2 * z * z * z);
    EXPECT_NEAR(coaxialFilamentsMutual(a, b, z) / dipole, 1 - 1.5 * (a * a + b * b) / (z * z), 1e-7);
}

} // namespace
} // namespace kalvo::reference
