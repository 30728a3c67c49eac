#include "current_sheet.h"

#include "constants.h"

#include <gtest/gtest.h>

namespace kalvo::reference {
namespace {

struct TableValue {
    double diameterOverLength;
    double coefficient;
};

class NagaokaTest : public testing::TestWithParam<TableValue> { };

// Nagaoka's coefficient as tabulated to four decimals (Nagaoka 1909; Grover,
// Inductance Calculations, table 36).
TEST_P(NagaokaTest, MatchesThePublishedTable)
{
    EXPECT_NEAR(nagaokaCoefficient(GetParam().diameterOverLength), GetParam().coefficient, 6e-5);
}

INSTANTIATE_TEST_SUITE_P(Table, NagaokaTest,
                         testing::Values(TableValue{0.1, 0.9588}, TableValue{0.5, 0.8181}, TableValue{1.0, 0.6884},
                                         TableValue{2.0, 0.5255}, TableValue{10.0, 0.2033}));

// Long sheets: K = 1 - 4 D / (3 pi l) + D^2 / (8 l^2) - ... (Lorenz's series, Grover eq. 115).
TEST(Nagaoka, LongSheetsFollowTheSeries)
{
    const double x = 0.01;
    EXPECT_NEAR(nagaokaCoefficient(x), 1 - 4 * x / (3 * physics::pi) + x * x / 8, 1e-8);
}

// N = 10, D = l = 10 mm: K mu0 N^2 pi D^2 / (4 l) = 0.688423 * 986.960 nH = 679.446 nH
TEST(CurrentSheet, InductanceIsNagaokaTimesTheLongCoil)
{
    EXPECT_NEAR(currentSheetInductance(10, 0.01, 0.01), 679.446e-9, 0.001e-9);
}

} // namespace
} // namespace kalvo::reference
