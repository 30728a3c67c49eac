// Where microstripWithinTwoPercent() says the Bahl and Garg microstrip formula is within 2
// percent, it is: on a grid over er 1 ... 16, w/h 0.1 ... 20, t/h 0 ... 0.2 (a grid of its
// own, not the one the bound was fitted on, and points on the bound's edge), the formula
// is compared with the field solver. One test per er.
#include "cross_sections.h"
#include "field_solver.h"
#include "microstrip.h"
#include "microstrip_accuracy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace kalvo {
namespace {

constexpr double claimedPercent = 2.0;
const double relativePermittivities[] = {1.0, 1.7, 2.45, 3.3, 4.4, 5.5, 7.0, 8.5, 10.0, 11.5, 13.0, 14.5, 16.0};
const double thicknesses[] = {0.0007, 0.004, 0.015, 0.04, 0.09, 0.2}; // t/h

// 10 widths w/h, log-spaced from 0.1 to 20, plus for each thickness the narrowest width
// the bound accepts.
std::vector<double> widths(double th, double er)
{
    std::vector<double> result;
    for (int k = 0; k < 10; ++k)
        result.push_back(0.1 * std::pow(200.0, k / 9.0));
    const double edge = std::min(th / (0.23 * std::pow(er, -0.58)), 0.3 * std::pow(er, 0.6));
    if (edge >= 0.1 && edge <= 20.0)
        result.push_back(edge * (1.0 + 1e-9));
    return result;
}

class MicrostripWithinTwoPercent : public testing::TestWithParam<double> { };

TEST_P(MicrostripWithinTwoPercent, HoldsWhereverClaimed)
{
    const double er = GetParam();
    int claimed = 0;
    for (const double th : thicknesses) {
        for (const double wh : widths(th, er)) {
            // Lengths in mm: the bound and the formula take any unit.
            const double h = 1.6, w = wh * h, t = th * h;
            if (!physics::microstripWithinTwoPercent(h, w, t, er))
                continue;
            ++claimed;
            const fieldsolver::Result result = fieldsolver::solve(fieldsolver::microstrip(h, w, t, er));
            ASSERT_EQ(result.error, fieldsolver::Error::None) << "w/h " << wh << ", t/h " << th;
            const double solved = fieldsolver::singleLine(result).impedance;
            const double formula = physics::microstrip(h, w, t, er).impedance;
            EXPECT_LT(std::abs(formula / solved - 1.0) * 100.0, claimedPercent)
                << "w/h " << wh << ", t/h " << th << ", er " << er << ": formula " << formula << " Ohm, field solution "
                << solved << " Ohm";
        }
    }
    EXPECT_GE(claimed, 20); // the bound is no empty promise
}

INSTANTIATE_TEST_SUITE_P(Grid, MicrostripWithinTwoPercent, testing::ValuesIn(relativePermittivities),
                         [](const testing::TestParamInfo<double>& info) {
                             std::string name = "er_" + std::to_string(info.param);
                             name.erase(name.find_last_not_of('0') + 1);
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name.back() == '_' ? name + "0" : name;
                         });

TEST(MicrostripWithinTwoPercent, KnownCases)
{
    // d = 0.2 mm, w = 0.03 mm, t = 18 um, er = 10.2: the formula gives 82.46 Ohm, the field
    // solution 86.57 (-4.8 %).
    EXPECT_FALSE(physics::microstripWithinTwoPercent(0.2, 0.03, 0.018, 10.2));
    // 1.6 mm FR4, 3 mm, 35 um: 50.6 Ohm either way.
    EXPECT_TRUE(physics::microstripWithinTwoPercent(1.6, 3.0, 0.035, 4.3));
    EXPECT_TRUE(physics::microstripWithinTwoPercent(1.6 / 25.4, 3.0 / 25.4, 35.0 / 25400.0, 4.3)); // inches
}

TEST(MicrostripWithinTwoPercent, FalseOutsideTheCheckedBox)
{
    EXPECT_FALSE(physics::microstripWithinTwoPercent(1.0, 1.0, 0.0, 4.3)); // the formula is NaN at t = 0
    EXPECT_FALSE(physics::microstripWithinTwoPercent(1.0, 1.0, 0.21, 4.3));
    EXPECT_FALSE(physics::microstripWithinTwoPercent(1.0, 0.09, 0.001, 4.3));
    EXPECT_FALSE(physics::microstripWithinTwoPercent(1.0, 21.0, 0.01, 4.3));
    EXPECT_FALSE(physics::microstripWithinTwoPercent(1.0, 1.0, 0.01, 0.9));
    EXPECT_FALSE(physics::microstripWithinTwoPercent(1.0, 1.0, 0.01, 16.5));
    EXPECT_FALSE(physics::microstripWithinTwoPercent(0.0, 1.0, 0.01, 4.3));
    EXPECT_FALSE(physics::microstripWithinTwoPercent(-1.0, -1.0, -0.01, 4.3));
    EXPECT_FALSE(physics::microstripWithinTwoPercent(std::nan(""), 1.0, 0.01, 4.3));
    EXPECT_FALSE(physics::microstripWithinTwoPercent(1.0, 1.0, 0.01, std::nan("")));
}

} // namespace
} // namespace kalvo
