#include "en60751.h"

#include <gtest/gtest.h>

namespace kalvo::reference {
namespace {

struct TableRow {
    double celsius;
    double pt100; // Ohm, as EN 60751 tabulates it
};

class En60751Test : public testing::TestWithParam<TableRow> { };

// The standard's table of a Pt100 to two decimals.
TEST_P(En60751Test, MatchesTheStandardsTable)
{
    EXPECT_NEAR(100 * en60751Ratio(GetParam().celsius), GetParam().pt100, 0.005);
}

TEST_P(En60751Test, TemperatureInvertsTheRatio)
{
    const double t = GetParam().celsius;
    EXPECT_NEAR(en60751Temperature(en60751Ratio(t)), t, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Table, En60751Test,
                         testing::Values(TableRow{-200, 18.52}, TableRow{-100, 60.26}, TableRow{-50, 80.31},
                                         TableRow{0, 100.00}, TableRow{100, 138.51}, TableRow{300, 212.05},
                                         TableRow{600, 313.71}, TableRow{850, 390.48}),
                         [](const testing::TestParamInfo<TableRow>& info) {
                             const int t = static_cast<int>(info.param.celsius);
                             return (t < 0 ? "Minus" : "Plus") + std::to_string(t < 0 ? -t : t);
                         });

} // namespace
} // namespace kalvo::reference
