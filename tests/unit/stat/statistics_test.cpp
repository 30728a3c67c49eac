#include "statistics.h"
#include "student_t.h"

#include <gtest/gtest.h>

#include <limits>

namespace kalvo {
namespace {

StatList listOfX(std::initializer_list<double> xs)
{
    StatList list;
    for (const double x : xs)
        list.append(x, 0);
    return list;
}

TEST(Statistics, OneVar1ForTwoValues)
{
    StatList list = listOfX({2, 1});
    EXPECT_EQ(statisticsReport(list, StatisticsVariant::OneVar1).value(),
              QStringLiteral("Statistics for X:  -->Go to One Var 2 for more Information\n\n"
                             "N\t\t\t= 2\t ( Poor if <10, Good if >30 )\n"
                             "Mean Value\t\t= 1.5\n"
                             "RMS\t\t\t= 1.58114\n"
                             "Median\t\t\t= 1.5\n"
                             "Quartile 25% / 75%\t\t= 1 / 2\n"
                             "Sdev / 3*Sdev / 6*Sdev\t= 0.707107 / 2.12132 / 4.24264\n"
                             "Sdev of Mean / 3*...\t\t= 0.5 / 1.5\t ( =Sdev/sqrt(N), 3*... )\n"
                             "Sum of X / X^2\t\t= 3 / 5\n"
                             "Xmin / max\t\t= 1 / 2"));
}

TEST(Statistics, OneVar2ForTwoValues)
{
    StatList list = listOfX({1, 2});
    EXPECT_EQ(statisticsReport(list, StatisticsVariant::OneVar2).value(),
              QStringLiteral("If distribution of X is Gaussian and N=2:\n\n"
                             "Trust Intervals for one Xi (Approximately):\n"
                             "For 68.3% Trust deviation is < 1.84*Sdev   \t= Xi +/- 1.30108\n"
                             "For 95.0% Trust deviation is <12.71*Sdev   \t= Xi +/- 8.98733\n"
                             "For 99.0% Trust deviation is <63.66*Sdev   \t= Xi +/- 45.0144\n\n"
                             "Trust Intervals for Mean Value (Entire measurement):\n"
                             "For 68.3% Trust  X = Mean +/-  1.84*Sdev_mean\t= 1.5 +/- 0.92\n"
                             "For 95.0% Trust  X = Mean +/- 12.71*Sdev_mean\t= 1.5 +/- 6.355\n"
                             "For 99.0% Trust  X = Mean +/- 63.66*Sdev_mean\t= 1.5 +/- 31.83"));
}

TEST(Statistics, FiveValuesInAnyOrderGiveTheSameReportAndLeaveTheListSortedByX)
{
    StatList list = listOfX({4, 1, 5, 3, 2});
    const QString report = statisticsReport(list, StatisticsVariant::OneVar1).value();
    EXPECT_TRUE(report.contains(QStringLiteral("Median\t\t\t= 3\nQuartile 25% / 75%\t\t= 1.5 / 4.5\n")))
        << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("RMS\t\t\t= 3.31662\n")));
    EXPECT_TRUE(report.contains(QStringLiteral("Sdev / 3*Sdev / 6*Sdev\t= 1.58114 / 4.74342 / 9.48683\n")));
    for (int i = 0; i < list.count(); ++i)
        EXPECT_EQ(list.at(i).x, i + 1);
    StatList sorted = listOfX({1, 2, 3, 4, 5});
    EXPECT_EQ(statisticsReport(sorted, StatisticsVariant::OneVar1).value(), report);
    const QString trust = statisticsReport(sorted, StatisticsVariant::OneVar2).value();
    EXPECT_TRUE(trust.contains(QStringLiteral("< 4.60*Sdev   \t= Xi +/- 7.27324\n"))) << trust.toStdString();
    EXPECT_TRUE(trust.contains(QStringLiteral("Mean +/-  1.15*Sdev_mean\t= 3 +/- 0.813173\n")));
}

TEST(Statistics, QuartilesOfAnEvenCount)
{
    StatList list = listOfX({1, 2, 3, 4});
    const QString report = statisticsReport(list, StatisticsVariant::OneVar1).value();
    EXPECT_TRUE(report.contains(QStringLiteral("Median\t\t\t= 2.5\nQuartile 25% / 75%\t\t= 1.5 / 3.5\n")))
        << report.toStdString();
}

TEST(Statistics, AllValuesEqualGiveZeroSpread)
{
    StatList list = listOfX({7, 7, 7});
    const QString report = statisticsReport(list, StatisticsVariant::OneVar2).value();
    EXPECT_TRUE(report.contains(QStringLiteral("= Xi +/- 0\n"))) << report.toStdString();
    EXPECT_TRUE(report.endsWith(QStringLiteral("= 7 +/- 0")));
}

TEST(Statistics, FewerThanTwoValuesGiveNoReport)
{
    StatList list = listOfX({5});
    EXPECT_FALSE(statisticsReport(list, StatisticsVariant::OneVar1).has_value());
    EXPECT_EQ(tooFewForStatisticsMessage(), QStringLiteral("Need at least two Xi for Statistics!"));
}

TEST(Statistics, NonFiniteValuesAreReportedAsSuch)
{
    StatList list = listOfX({1, std::numeric_limits<double>::infinity(), 2});
    const QString report = statisticsReport(list, StatisticsVariant::OneVar1).value();
    EXPECT_TRUE(report.contains(QStringLiteral("Mean Value\t\t= inf\n"))) << report.toStdString();
    EXPECT_TRUE(report.endsWith(QStringLiteral("Xmin / max\t\t= 1 / inf")));
}

struct StudentCase {
    int n;
    StudentFactors expected;
};

TEST(StudentFactors, ColumnsOfTheTable)
{
    const StudentCase cases[]
        = {{2, {1.84, 12.71, 63.66}}, {10, {1.06, 2.26, 3.25}},  {11, {1.04, 2.14, 2.98}}, {15, {1.04, 2.14, 2.98}},
           {16, {1.03, 2.09, 2.86}},  {30, {1.02, 2.05, 2.76}},  {31, {1.01, 2.01, 2.68}}, {100, {1.00, 1.98, 2.63}},
           {101, {1.00, 1.96, 2.58}}, {1025, {1.00, 1.96, 2.58}}};
    for (const StudentCase& c : cases) {
        const StudentFactors t = studentFactors(c.n);
        EXPECT_EQ(t.t68, c.expected.t68) << c.n;
        EXPECT_EQ(t.t95, c.expected.t95) << c.n;
        EXPECT_EQ(t.t99, c.expected.t99) << c.n;
    }
}

} // namespace
} // namespace kalvo
