#include "thickness_correction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kalvo::physics {
namespace {

struct CorrectionCase {
    const char* name;
    double q;
    double k;
    bool doubtful;
};

class ThicknessCorrectionTest : public testing::TestWithParam<CorrectionCase> { };

TEST_P(ThicknessCorrectionTest, LooksUpInterpolatesAndClamps)
{
    const CorrectionCase& c = GetParam();
    const ThicknessCorrection correction = thicknessCorrection(c.q);
    EXPECT_NEAR(correction.k, c.k, 1e-15);
    EXPECT_EQ(correction.doubtful, c.doubtful);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ThicknessCorrectionTest,
    testing::Values(CorrectionCase{"FirstColumn", 5.0, 0.225, false},
                    CorrectionCase{"JustBelowTheTable", std::nextafter(5.0, 0.0), 0.225, true},
                    CorrectionCase{"BelowTheTable", 4.0, 0.225, true},
                    CorrectionCase{"NegativeThickness", -3.0, 0.225, true},
                    CorrectionCase{"SecondColumn", 10.0, 0.265, false},
                    CorrectionCase{"BetweenSecondAndThirdColumn", 12.5, 0.2825, false},
                    CorrectionCase{"JustAboveTheSecondColumn", std::nextafter(10.0, 11.0), 0.265, false},
                    CorrectionCase{"ThirdColumn", 15.0, 0.3, false},
                    CorrectionCase{"BetweenFourthAndLastColumn", 22.5, 0.314, false},
                    CorrectionCase{"LastColumn", 25.0, 0.318, false},
                    CorrectionCase{"JustAboveTheTable", std::nextafter(25.0, 26.0), 0.318, true},
                    CorrectionCase{"InfiniteRatio", std::numeric_limits<double>::infinity(), 0.318, true}),
    [](const testing::TestParamInfo<CorrectionCase>& info) { return std::string(info.param.name); });

TEST(ThicknessCorrection, UndefinedRatioIsUndefinedAndDoubtful)
{
    const ThicknessCorrection correction = thicknessCorrection(std::numeric_limits<double>::quiet_NaN());
    EXPECT_TRUE(std::isnan(correction.k));
    EXPECT_TRUE(correction.doubtful);
}

} // namespace
} // namespace kalvo::physics
