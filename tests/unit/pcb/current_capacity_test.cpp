#include "copper.h"
#include "current_capacity.h"

#include <gtest/gtest.h>

#include <cmath>

// Expected values: reference_values.py, an independent Python version of the published
// formulas.
namespace kalvo::pcb {
namespace {

constexpr double mil = metresPerMil;
constexpr double um = 1e-6;
constexpr double mm = 1e-3;

// IPC-2221's formula for a 10 mil track of 1 oz copper (1.378 mil): 0.8855 A for a
// 10 K rise on an outer layer, half of it on an inner one.
TEST(Ipc2221, CarriesTheChartCurrent)
{
    const double area = 10.0 * mil * 1.378 * mil;
    EXPECT_NEAR(ipc2221Current(10.0, area, Layer::Outer), 0.8855170, 1e-6);
    EXPECT_NEAR(ipc2221Current(10.0, area, Layer::Inner), 0.8855170 / 2.0, 1e-6);
}

TEST(Ipc2221, WidthFor3AmperesOf1Ounce)
{
    EXPECT_NEAR(ipc2221Area(3.0, 10.0, Layer::Outer) / (35 * um) / mm, 1.3670321, 1e-6);
    EXPECT_NEAR(ipc2221Area(3.0, 10.0, Layer::Inner) / (35 * um) / mm, 3.5562519, 1e-6);
}

// The power law taken as Brooks and Adam's fit (its coefficients are not verified).
TEST(Ipc2152, PowerLawGivesWidthAndRise)
{
    EXPECT_NEAR(ipc2152Width(3.0, 10.0, 35 * um) / mm, 1.8737222, 1e-6);
    EXPECT_NEAR(ipc2152TemperatureRise(2.0, 1 * mm, 35 * um), 9.1501554, 1e-6);
}

struct RoundTrip {
    const char* name;
    double current;
    double rise;
    double thickness;
};

class CapacityRoundTrip : public testing::TestWithParam<RoundTrip> { };

// Width, rise and current are one relation solved three ways: any two give the third.
TEST_P(CapacityRoundTrip, EachFormSolvesTheOthers)
{
    const RoundTrip& c = GetParam();
    const double width = ipc2152Width(c.current, c.rise, c.thickness);
    EXPECT_NEAR(ipc2152TemperatureRise(c.current, width, c.thickness), c.rise, 1e-9 * c.rise);
    EXPECT_NEAR(ipc2152Current(c.rise, width, c.thickness), c.current, 1e-9 * c.current);
    for (Layer layer : {Layer::Outer, Layer::Inner}) {
        const double area = ipc2221Area(c.current, c.rise, layer);
        EXPECT_NEAR(ipc2221Current(c.rise, area, layer), c.current, 1e-9 * c.current);
        EXPECT_NEAR(ipc2221TemperatureRise(c.current, area, layer), c.rise, 1e-9 * c.rise);
    }
}

INSTANTIATE_TEST_SUITE_P(Tracks, CapacityRoundTrip,
                         testing::Values(RoundTrip{"HalfOunceSmall", 0.2, 5.0, 17.5 * um},
                                         RoundTrip{"OneOunce", 3.0, 10.0, 35 * um},
                                         RoundTrip{"ThreeOunceHot", 30.0, 80.0, 105 * um}),
                         [](const auto& info) { return std::string(info.param.name); });

// Onderdonk for 16 AWG (2581 circular mils), 5 s from 25 °C: 168.86 A.
TEST(Onderdonk, FusesSixteenGaugeWire)
{
    EXPECT_NEAR(onderdonkFusingCurrent(2581 * squareMetresPerCircularMil, 5.0, 25.0), 168.8637131, 1e-6);
}

// From the melting point itself nothing is left to heat.
TEST(Onderdonk, NeedsNoCurrentAtTheMeltingPoint)
{
    EXPECT_EQ(onderdonkFusingCurrent(1e-8, 1.0, copperMeltingPoint), 0.0);
}

// 1 m of 1 mm2 copper is 17.24 mOhm at 20 °C and 3.93 % more 10 K warmer.
TEST(Copper, ResistanceFollowsTheAnnealedStandard)
{
    EXPECT_NEAR(copperResistance(1.0, 1e-6, 20.0), 1.0 / 58.0, 1e-12);
    EXPECT_NEAR(copperResistance(1.0, 1e-6, 30.0), 1.0 / 58.0 * 1.0393, 1e-12);
}

} // namespace
} // namespace kalvo::pcb
