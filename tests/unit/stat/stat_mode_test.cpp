#include "stat_mode.h"

#include <gtest/gtest.h>

namespace kalvo {
namespace {

TEST(StatMode, ModesByTextOrButtonNumber)
{
    EXPECT_EQ(modeByName(QStringLiteral("one var 1")), StatMode::OneVar1);
    EXPECT_EQ(modeByName(QStringLiteral(" One Var 2 ")), StatMode::OneVar2);
    EXPECT_EQ(modeByName(QStringLiteral("Y=A*X^2+B*X+C")), StatMode::Quadratic);
    EXPECT_EQ(modeByName(QStringLiteral("histo")), StatMode::Histogram);
    EXPECT_EQ(modeByName(QStringLiteral("6")), StatMode::Exponential);
    EXPECT_EQ(modeByName(QStringLiteral("12")), StatMode::Power);
    EXPECT_FALSE(modeByName(QStringLiteral("1")).has_value()); // a Sort button
    EXPECT_FALSE(modeByName(QStringLiteral("Y=a*x")).has_value());
    EXPECT_EQ(sortByName(QStringLiteral("failure%")), SortMode::ByFailurePercent);
    EXPECT_EQ(sortByName(QStringLiteral("4")), SortMode::ByY);
    EXPECT_FALSE(sortByName(QStringLiteral("z")).has_value());
}

TEST(StatMode, EvaluationsRestoreTheSortOrderOnlyAfterAReport)
{
    StatList list;
    list.append(2, 1);
    ModeResult tooFew = runMode(list, StatMode::Linear, 10);
    EXPECT_EQ(tooFew.text, QStringLiteral("Need at least two Xi for linear fit!"));
    EXPECT_FALSE(tooFew.restoreSortOrder);
    list.append(1, 3);
    EXPECT_TRUE(runMode(list, StatMode::OneVar1, 10).restoreSortOrder);
    const ModeResult histogram = runMode(list, StatMode::Histogram, 10);
    EXPECT_FALSE(histogram.restoreSortOrder);
    ASSERT_TRUE(histogram.histogram.has_value());
    EXPECT_TRUE(histogram.text.startsWith(QStringLiteral("Histogramm for X:")));
    StatList one;
    one.append(1, 1);
    EXPECT_EQ(runMode(one, StatMode::Histogram, 10).text, QStringLiteral("Need at least two Xi for Statistics!"));
}

} // namespace
} // namespace kalvo
