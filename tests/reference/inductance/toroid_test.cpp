#include "toroid.h"

#include "constants.h"

#include <boost/math/quadrature/gauss_kronrod.hpp>
#include <gtest/gtest.h>

#include <cmath>

namespace kalvo::reference {
namespace {

// The flux of B = mu0 N I / (2 pi r) through the core section: mu0 N^2 / (2 pi) times the
// integral of the section's height at radius r over r.
template <class Height>
double integratedToroid(double turns, double inner, double outer, Height height)
{
    const auto integrand = [&](double r) { return height(r) / r; };
    return physics::mu0 * turns * turns / physics::twoPi
        * boost::math::quadrature::gauss_kronrod<double, 61>::integrate(integrand, inner, outer, 15, 1e-12);
}

class ToroidTest : public testing::TestWithParam<double> { };

TEST_P(ToroidTest, ClosedFormsAgreeWithTheFluxIntegral)
{
    const double meanDiameter = GetParam(), core = 1.0, turns = 20.0;
    const double r0 = meanDiameter / 2, a = core / 2;
    const double round = integratedToroid(
        turns, r0 - a, r0 + a, [&](double r) { return 2 * std::sqrt(std::max(0.0, a * a - (r - r0) * (r - r0))); });
    EXPECT_NEAR(roundToroidInductance(turns, meanDiameter, core), round, 1e-7 * round);
    const double rectangular = integratedToroid(turns, r0 - a, r0 + a, [](double) { return 0.3; });
    EXPECT_NEAR(rectangularToroidInductance(turns, meanDiameter, core, 0.3), rectangular, 1e-10 * rectangular);
}

INSTANTIATE_TEST_SUITE_P(MeanOverCoreDiameter, ToroidTest, testing::Values(1.05, 2.0, 10.0, 1000.0));

} // namespace
} // namespace kalvo::reference
