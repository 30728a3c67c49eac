#include "platinum_rtd.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kalvo::physics {
namespace {

// Reference resistances of EN 60751 (A = 3.9083e-3, B = -5.775e-7, C = -4.183e-12),
// evaluated exactly from the standard's equation; the standard's tables round them to
// 18.52, 60.26, 100.00, 138.51, 247.09 and 390.48 Ohm for a Pt100.
struct Reference {
    double temperature;
    double pt100;
};

constexpr Reference references[] = {
    {-200, 18.52008}, {-100, 60.25584}, {0, 100.0}, {100, 138.5055}, {400, 247.092}, {850, 390.481125},
};

const RtdCoefficients& en60751()
{
    return *rtdCoefficients(3850);
}

class En60751Test : public testing::TestWithParam<Reference> { };

TEST_P(En60751Test, Pt100AndPt1000GiveTheReferenceResistances)
{
    const Reference& r = GetParam();
    EXPECT_NEAR(100 * resistanceRatio(en60751(), r.temperature), r.pt100, 1e-9);
    EXPECT_NEAR(1000 * resistanceRatio(en60751(), r.temperature), 10 * r.pt100, 1e-8);
}

// The bisection stops once the residual is below Ro * 1e-11; with dW/dT above 3.9e-3
// per degree in [-225, 0] that pins the temperature to 3e-9 degrees.
TEST_P(En60751Test, ReferenceResistancesConvertBackToTheirTemperatures)
{
    const Reference& r = GetParam();
    for (const double ro : {100.0, 1000.0}) {
        const double resistance = ro / 100 * r.pt100;
        if (resistance >= ro) {
            EXPECT_NEAR(quadraticTemperature(en60751(), ro, resistance), r.temperature, 1e-9) << ro;
            continue;
        }
        const std::optional<BisectionResult> solution = subZeroTemperature(en60751(), ro, resistance);
        ASSERT_TRUE(solution.has_value()) << ro;
        EXPECT_TRUE(solution->converged);
        EXPECT_LT(std::fabs(solution->residual), ro * 1e-11);
        EXPECT_NEAR(solution->temperature, r.temperature, 3e-9) << ro;
    }
}

INSTANTIATE_TEST_SUITE_P(Temperatures, En60751Test, testing::ValuesIn(references),
                         [](const testing::TestParamInfo<Reference>& info) {
                             const double t = info.param.temperature;
                             return (t < 0 ? "Minus" : "Plus") + std::to_string(static_cast<int>(std::fabs(t)));
                         });

TEST(RtdCoefficients, OnlyTheThreeGradesAreKnown)
{
    ASSERT_NE(rtdCoefficients(3750), nullptr);
    ASSERT_NE(rtdCoefficients(3770), nullptr);
    EXPECT_EQ(rtdCoefficients(3850)->b, -5.775e-7);
    EXPECT_EQ(rtdCoefficients(3770)->c, 0.0);
    for (const int alpha : {0, 3849, 3851, 385, -3850})
        EXPECT_EQ(rtdCoefficients(alpha), nullptr) << alpha;
}

TEST(RtdBisection, ResistanceAtOrBelowMinus225DegreesHasNoSolution)
{
    const double atLowerEnd = 1000 * resistanceRatio(en60751(), -225);
    EXPECT_FALSE(subZeroTemperature(en60751(), 1000, atLowerEnd - 1e-6).has_value());
    EXPECT_FALSE(subZeroTemperature(en60751(), 1000, 50).has_value());
    EXPECT_TRUE(subZeroTemperature(en60751(), 1000, atLowerEnd + 1e-3).has_value());
}

// A residual that never shrinks (Ro not a number) ends after 100 halvings.
TEST(RtdBisection, GivesUpAfterAHundredHalvings)
{
    const std::optional<BisectionResult> solution = subZeroTemperature(en60751(), std::nan(""), 500);
    ASSERT_TRUE(solution.has_value());
    EXPECT_FALSE(solution->converged);
    EXPECT_TRUE(std::isnan(solution->residual));
    EXPECT_GE(solution->temperature, -225.0);
    EXPECT_LE(solution->temperature, 0.0);
}

} // namespace
} // namespace kalvo::physics
