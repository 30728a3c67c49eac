#include "straight_filaments.h"

#include "constants.h"

#include <boost/math/quadrature/gauss_kronrod.hpp>
#include <gtest/gtest.h>

#include <cmath>

namespace kalvo::reference {
namespace {

using boost::math::quadrature::gauss_kronrod;

// Neumann's integral of two parallel filaments: mu0 / (4 pi) times the double integral
// over both lengths of 1 / distance.
double neumannParallel(double length, double distance)
{
    const auto outer = [&](double x1) {
        const auto inner = [&](double x2) { return 1.0 / std::hypot(x1 - x2, distance); };
        return gauss_kronrod<double, 31>::integrate(inner, 0.0, length, 15, 1e-12);
    };
    return physics::mu0 / physics::fourPi * gauss_kronrod<double, 31>::integrate(outer, 0.0, length, 15, 1e-11);
}

TEST(ParallelFilaments, ClosedFormAgreesWithNeumannsIntegral)
{
    for (const auto& [length, distance] : {std::pair{1.0, 0.01}, std::pair{1.0, 1.0}, std::pair{0.2, 3.0}})
        EXPECT_NEAR(parallelFilamentsMutual(length, distance), neumannParallel(length, distance),
                    1e-8 * neumannParallel(length, distance))
            << length << " " << distance;
}

// A square of side s of round wire of radius r at DC: L = 2 mu0 s / pi (ln(s / r) - 0.524)
// for s >> r (Grover; 0.774 less the internal 1/4 of uniform current).
TEST(RectangularLoop, SquareFollowsThePublishedFormula)
{
    const double side = 1.0, radius = 1e-4;
    const double published = 2 * physics::mu0 * side / physics::pi * (std::log(side / radius) - 0.524);
    EXPECT_NEAR(rectangularLoopInductance(side, side, 2 * radius), published, 2e-4 * published);
}

// Long thin rectangles: two parallel wires, mu0 x / pi (ln(y / r) + 1/4) per the long sides, plus the ends.
TEST(RectangularLoop, LongRectangleApproachesTheTwoWireLine)
{
    const double x = 100.0, y = 0.1, radius = 1e-3;
    const double line = physics::mu0 * x / physics::pi * (std::log(y / radius) + 0.25);
    EXPECT_NEAR(rectangularLoopInductance(x, y, 2 * radius) / line, 1.0, 2e-3);
}

// Far apart the squares are dipoles of area s^2: mu0 s^4 / (2 pi z^3).
TEST(CoaxialSquares, FarApartApproachTheDipoleFormula)
{
    const double side = 1.0, distance = 200.0;
    const double dipole = physics::mu0 * std::pow(side, 4) / (physics::twoPi * std::pow(distance, 3));
    EXPECT_NEAR(coaxialSquaresMutual(side, distance) / dipole, 1.0, 1e-4);
}

} // namespace
} // namespace kalvo::reference
