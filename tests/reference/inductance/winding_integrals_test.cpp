#include "winding_integrals.h"

#include "constants.h"
#include "current_sheet.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kalvo::reference {
namespace {

// The Brooks coil (winding section c x c, inner radius c, mean radius a = 1.5 c) has
// L = 1.6994e-6 a N^2 H, a in metres (Grover, Inductance Calculations, p. 95).
TEST(RectangularWinding, BrooksCoilHasThePublishedConstant)
{
    const double c = 0.01;
    EXPECT_NEAR(rectangularWindingInductance(1.0, c, 2 * c, c) / (1.5 * c), 1.6994e-6, 0.00006e-6);
}

struct Winding {
    double inner, outer, length;
};

class WindingMethodsTest : public testing::TestWithParam<Winding> { };

// Current sheets integrated over the radii and polar coordinates over the section agree.
TEST_P(WindingMethodsTest, SheetsAndSectionIntegralsAgree)
{
    const auto [inner, outer, length] = GetParam();
    const double sheets = rectangularWindingInductance(10, inner, outer, length);
    EXPECT_NEAR(rectangularWindingInductanceBySection(10, inner, outer, length), sheets, 2e-5 * sheets);
}

INSTANTIATE_TEST_SUITE_P(Shapes, WindingMethodsTest,
                         testing::Values(Winding{0.01, 0.02, 0.01}, Winding{0.001, 0.019, 0.004},
                                         Winding{0.04, 0.06, 0.1}));

class ThinWindingTest : public testing::TestWithParam<double> { };

// A winding of vanishing thickness is Nagaoka's current sheet.
TEST_P(ThinWindingTest, ApproachesTheCurrentSheet)
{
    const double length = GetParam();
    const double sheet = currentSheetInductance(1.0, 1.0, length);
    EXPECT_NEAR(rectangularWindingInductance(1.0, 0.5 - 5e-7, 0.5 + 5e-7, length), sheet, 1e-5 * sheet);
}

INSTANTIATE_TEST_SUITE_P(LengthOverDiameter, ThinWindingTest, testing::Values(0.05, 0.3, 1.0, 5.0, 20.0));

// A thin ring at DC: mu0 R (ln(8R / a) - 7/4) plus terms of order (a / R)^2 (Maxwell).
TEST(RoundWireRing, ThinRingFollowsMaxwellsFormula)
{
    for (const double ratio : {1000.0, 100.0}) {
        const double thin = physics::mu0 * ratio * (std::log(8 * ratio) - 1.75);
        EXPECT_NEAR(roundWireRingInductance(ratio, 1.0), thin, 2.0 / (ratio * ratio) * thin) << ratio;
    }
}

} // namespace
} // namespace kalvo::reference
