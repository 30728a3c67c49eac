// The stripline report's claims hold: where it prints "Accuracy is better than 1.3 percent."
// (t/b < 0.25 and t/w < 0.11) or "... better than 2 percent." (t/b < 0.25 and t/w < 0.25),
// Cohn's formulas (physics::Zstrip) are that close to the field solver, on a grid over w/b
// 0.05 ... 10 and t/b 0.0005 ... 0.24. The conditions are those of accuracySentence() in
// src/impedance/stripline_reports.cpp. The line is homogeneous, so the relative error does
// not depend on er; one test per thickness. At t = 0 Zstrip is NaN for every width (0 ln 0
// in the wide-strip branch, 0 ln(1/0) in the narrow one) although the report claims 1.3 %
// there; that case is not checked here.
#include "cross_sections.h"
#include "field_solver.h"
#include "stripline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kalvo {
namespace {

// The percentage the report claims for b, w, t; 0 where it claims nothing.
double claimedPercent(double b, double w, double t)
{
    if (t / b < 0.25 && t / w < 0.11)
        return 1.3;
    if (t / b < 0.25 && t / w < 0.25)
        return 2.0;
    return 0.0;
}

struct ThicknessCase {
    const char* name;
    double tb; // t/b
};

class StriplineClaims : public testing::TestWithParam<ThicknessCase> { };

TEST_P(StriplineClaims, HoldWhereverPrinted)
{
    const double b = 1.6; // mm; the formula and the solver take any unit
    const double t = GetParam().tb * b;
    int claimed = 0;
    for (int k = 0; k < 20; ++k) {
        const double w = 0.05 * std::pow(200.0, k / 19.0) * b;
        const double claim = claimedPercent(b, w, t);
        if (claim == 0.0)
            continue;
        ++claimed;
        for (const double er : {1.0, 4.3}) {
            const fieldsolver::Result result = fieldsolver::solve(fieldsolver::stripline(b, w, t, er));
            ASSERT_EQ(result.error, fieldsolver::Error::None) << "w/b " << w / b;
            const double solved = fieldsolver::singleLine(result).impedance;
            const double formula = physics::Zstrip(b, w, t, er);
            EXPECT_LT(std::abs(formula / solved - 1.0) * 100.0, claim)
                << "w/b " << w / b << ", t/b " << t / b << ", er " << er << ": formula " << formula
                << " Ohm, field solution " << solved << " Ohm";
        }
    }
    EXPECT_GT(claimed, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Grid, StriplineClaims,
    testing::Values(ThicknessCase{"t_0_0005", 0.0005}, ThicknessCase{"t_0_002", 0.002}, ThicknessCase{"t_0_01", 0.01},
                    ThicknessCase{"t_0_03", 0.03}, ThicknessCase{"t_0_06", 0.06}, ThicknessCase{"t_0_1", 0.1},
                    ThicknessCase{"t_0_15", 0.15}, ThicknessCase{"t_0_2", 0.2}, ThicknessCase{"t_0_24", 0.24}),
    [](const testing::TestParamInfo<ThicknessCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace kalvo
