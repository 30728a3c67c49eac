#include "conductor_attenuation.h"

#include "constants.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kalvo::reference {
namespace {

// alpha = w sqrt(mu eps0 / 2) sqrt(sqrt(1 + (sigma / (w eps0))^2) - 1), the textbook
// attenuation constant of a lossy medium.
double textbookAttenuation(double resistivity, double ur, double frequency)
{
    const double omega = physics::twoPi * frequency;
    const double loss = 1.0 / (resistivity * omega * physics::eps0);
    return omega * std::sqrt(physics::mu0 * ur * physics::eps0 / 2) * std::sqrt(std::sqrt(1 + loss * loss) - 1);
}

TEST(ConductorAttenuation, AgreesWithTheLossyMediumFormula)
{
    for (const auto& [rho, ur, f] : {std::tuple{1.75e-8, 1.0, 1e6}, std::tuple{1e-7, 200.0, 50.0},
                                     std::tuple{1.0, 1.0, 1e10}, std::tuple{10.0, 1.0, 1e11}}) {
        const double expected = textbookAttenuation(rho, ur, f);
        EXPECT_NEAR(conductorAttenuationConstant(rho, ur, f), expected, 1e-6 * expected) << rho << " " << f;
    }
}

// Copper at 1 MHz: skin depth sqrt(rho / (pi f mu0)) = 66.579 um, 0.2 mm attenuates by
// 8.686 * 0.2 / 0.066579 = 26.092 dB.
TEST(ConductorAttenuation, GoodConductorsAttenuateBy8686MillibelPerSkinDepth)
{
    EXPECT_NEAR(conductorAttenuationDecibel(0.2e-3, 1.75e-8, 1.0, 1e6), 26.092, 0.001);
}

} // namespace
} // namespace kalvo::reference
