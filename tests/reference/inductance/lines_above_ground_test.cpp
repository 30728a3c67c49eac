#include "lines_above_ground.h"

#include "constants.h"

#include <boost/math/quadrature/gauss_kronrod.hpp>
#include <gtest/gtest.h>

#include <cmath>

namespace kalvo::reference {
namespace {

// Flux per metre between the plane and a point at horizontal offset x, height from low
// to h, of a unit line current at height h and its image: the integral of the
// horizontal field mu0 / (2 pi) (dy / rho^2) over the height.
double fluxBelow(double x, double low, double h)
{
    const auto field = [&](double y) {
        const double above = y - h, below = y + h;
        return physics::mu0 / physics::twoPi * (-above / (x * x + above * above) + below / (x * x + below * below));
    };
    return boost::math::quadrature::gauss_kronrod<double, 61>::integrate(field, low, h, 15, 1e-12);
}

TEST(LinesAboveGround, MutualInductanceIsTheFluxOfOneLineUnderTheOther)
{
    for (const auto& [s, h] : {std::pair{0.01, 0.01}, std::pair{0.003, 0.02}, std::pair{0.1, 0.01}}) {
        const double flux = fluxBelow(s, 0.0, h);
        EXPECT_NEAR(wiresAboveGroundMutual(s, h), flux, 1e-9 * flux) << s << " " << h;
    }
}

// A thin wire links the flux from its surface to the plane: mu0 / (2 pi) ln(4h / d).
TEST(LinesAboveGround, ThinWireLinksTheFluxBelowItsSurface)
{
    const double h = 0.01, d = 1e-5;
    const double flux = fluxBelow(d / 2, 0.0, h);
    EXPECT_NEAR(wireAboveGroundInductance(h, d), flux, 1e-6 * flux);
}

} // namespace
} // namespace kalvo::reference
