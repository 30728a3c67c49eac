#include "clearance.h"
#include "via.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kalvo::pcb {
namespace {

constexpr double inch = 0.0254;

// Howard Johnson's examples: a via in a 0.157 in board with a 0.028 in pad and a 0.055 in
// clearance hole, er 4.4, has 1.01 pF and slows a 50 Ohm edge by 55.6 ps; a 0.063 in long
// via of 0.016 in diameter has 1.20 nH.
TEST(Via, MatchesJohnsonsExamples)
{
    const Via thick = via({.hole = 0.012 * inch,
                           .plating = 25e-6,
                           .length = 0.157 * inch,
                           .pad = 0.028 * inch,
                           .antipad = 0.055 * inch,
                           .er = 4.4});
    EXPECT_NEAR(thick.capacitance, 1.0101031e-12, 1e-18);
    EXPECT_NEAR(thick.capacitiveRiseTime, 55.555671e-12, 1e-17);
    const Via thin = via({.hole = 0.016 * inch,
                          .plating = 25e-6,
                          .length = 0.063 * inch,
                          .pad = 0.03 * inch,
                          .antipad = 0.05 * inch,
                          .er = 4.3});
    EXPECT_NEAR(thin.inductance, 1.2023392e-9, 1e-15);
    EXPECT_NEAR(thin.impedance, std::sqrt(thin.inductance / thin.capacitance), 1e-9);
}

// The barrel is a tube: a 0.3 mm hole plated 25 um holds pi * 25 um * 275 um of copper,
// and carries what a track as wide as its mean circumference carries.
TEST(Via, BarrelIsTheUnrolledTube)
{
    const Via v = via({.hole = 0.3e-3, .plating = 25e-6, .length = 1.6e-3, .pad = 0.6e-3, .antipad = 1e-3, .er = 4.3});
    const double area = 3.141592653589793 * 25e-6 * 275e-6;
    EXPECT_NEAR(v.barrelArea, area, 1e-18);
    EXPECT_NEAR(v.resistance, 1.6e-3 / 58e6 / area, 1e-12);
    EXPECT_NEAR(v.thermalResistance, 1.6e-3 / (390.0 * area), 1e-9);
    EXPECT_NEAR(v.current20 / v.current10, std::sqrt(2.0), 1e-12);
}

struct SpacingCase {
    const char* name;
    double volts;
    std::array<double, 7> spacing; // B1 B2 B3 B4 A5 A6 A7 [mm]
};

class ClearanceTable : public testing::TestWithParam<SpacingCase> { };

// IPC-2221B table 6-1, each row at its upper end and just above it; above 500 V the
// 500 V row plus the column's value per volt: B1 at 600 V is 0.25 mm + 100 V * 0.0025 mm/V
// = 0.50 mm.
TEST_P(ClearanceTable, GivesTheTableSpacing)
{
    const SpacingCase& c = GetParam();
    for (std::size_t i = 0; i < clearanceColumns.size(); ++i)
        EXPECT_NEAR(minimumSpacing(clearanceColumns[i], c.volts), c.spacing[i], 1e-12) << clearanceColumns[i].name;
}

INSTANTIATE_TEST_SUITE_P(Rows, ClearanceTable,
                         testing::Values(SpacingCase{"Zero", 0, {0.05, 0.1, 0.1, 0.05, 0.13, 0.13, 0.13}},
                                         SpacingCase{"V15", 15, {0.05, 0.1, 0.1, 0.05, 0.13, 0.13, 0.13}},
                                         SpacingCase{"V15_5", 15.5, {0.05, 0.1, 0.1, 0.05, 0.13, 0.25, 0.13}},
                                         SpacingCase{"V30", 30, {0.05, 0.1, 0.1, 0.05, 0.13, 0.25, 0.13}},
                                         SpacingCase{"V50", 50, {0.1, 0.6, 0.6, 0.13, 0.13, 0.4, 0.13}},
                                         SpacingCase{"V100", 100, {0.1, 0.6, 1.5, 0.13, 0.13, 0.5, 0.13}},
                                         SpacingCase{"V150", 150, {0.2, 0.6, 3.2, 0.4, 0.4, 0.8, 0.4}},
                                         SpacingCase{"V170", 170, {0.2, 1.25, 3.2, 0.4, 0.4, 0.8, 0.4}},
                                         SpacingCase{"NegativeV230", -230, {0.2, 1.25, 6.4, 0.4, 0.4, 0.8, 0.4}},
                                         SpacingCase{"V300", 300, {0.2, 1.25, 12.5, 0.4, 0.4, 0.8, 0.8}},
                                         SpacingCase{"V500", 500, {0.25, 2.5, 12.5, 0.8, 0.8, 1.5, 0.8}},
                                         SpacingCase{"V600", 600, {0.5, 3.0, 15.0, 1.105, 1.105, 1.805, 1.105}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Clearance, NanVoltageGivesNan)
{
    EXPECT_TRUE(std::isnan(minimumSpacing(clearanceColumns[0], std::nan(""))));
}

} // namespace
} // namespace kalvo::pcb
