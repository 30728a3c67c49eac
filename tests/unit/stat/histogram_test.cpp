#include "histogram.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace kalvo {
namespace {

StatList listOfX(const std::vector<double>& xs)
{
    StatList list;
    for (const double x : xs)
        list.append(x, 0);
    return list;
}

std::vector<int> counts(const Histogram& h)
{
    return {h.counts.begin(), h.counts.begin() + h.bins};
}

TEST(Histogram, ElevenValuesInTenBins)
{
    StatList list = listOfX({10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0});
    const Histogram h = computeHistogram(list, 10).value();
    EXPECT_EQ(counts(h), (std::vector<int>{1, 1, 1, 1, 1, 1, 1, 1, 1, 2}));
    EXPECT_EQ(h.maxCount, 2);
    EXPECT_EQ(list.at(0).x, 0); // the list stays sorted by X
    EXPECT_EQ(histogramReport(h),
              QStringLiteral("Histogramm for X:\n\nXmin\t\t= 0\nXmax\t\t= 10\nN\t\t= 11\nBinwith\t\t= 1\n"
                             "Number of Bins\t= 10\nMax Xi\t\t= 2  (Max. Number of Xi in a Bin)\n\n"
                             "Use F11 and F12 to vary Colwith"));
    EXPECT_EQ(binToolTip(h, 0), QStringLiteral("0...1\n1 Xi inside"));
    EXPECT_EQ(binToolTip(h, 9), QStringLiteral("9...10\n2 Xi inside"));
}

TEST(Histogram, TwoValuesFillTheOuterBins)
{
    StatList list = listOfX({0, 10});
    EXPECT_EQ(counts(computeHistogram(list, 10).value()), (std::vector<int>{1, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
}

TEST(Histogram, AllValuesEqualGoIntoTheFirstBinAndTheReportSaysSo)
{
    StatList list = listOfX({3, 3, 3});
    const Histogram h = computeHistogram(list, 5).value();
    EXPECT_EQ(counts(h), (std::vector<int>{3, 0, 0, 0, 0}));
    EXPECT_EQ(histogramReport(h),
              QStringLiteral("Histogramm for X:\n\nXmin\t\t= 3\nXmax\t\t= 3\nN\t\t= 3\nBinwith\t\t= 0\n"
                             "Number of Bins\t= 5\nMax Xi\t\t= 3  (Max. Number of Xi in a Bin)\n\n"
                             "Use F11 and F12 to vary Colwith\n\n"
                             "All Xi are equal (Binwith 0): every Xi is counted in the first bin."));
}

TEST(Histogram, NonFiniteValuesAreLeftOutAndNamed)
{
    const double inf = std::numeric_limits<double>::infinity();
    StatList list = listOfX({std::numeric_limits<double>::quiet_NaN(), 1, -inf, 2, inf});
    const Histogram h = computeHistogram(list, 4).value();
    EXPECT_EQ(h.n, 2);
    EXPECT_EQ(h.xMin, 1);
    EXPECT_EQ(h.xMax, 2);
    EXPECT_EQ(counts(h), (std::vector<int>{1, 0, 0, 1}));
    EXPECT_TRUE(histogramReport(h).endsWith(
        QStringLiteral("\n\n3 Xi are not finite numbers (inf or nan) and are not counted.")));
    StatList onlyOneFinite = listOfX({1, inf});
    EXPECT_FALSE(computeHistogram(onlyOneFinite, 4).has_value());
}

TEST(Histogram, ARangeBeyondTheDoublesStillSpreadsOverTheBins)
{
    const double max = std::numeric_limits<double>::max();
    StatList list = listOfX({-max, 0, max});
    const Histogram h = computeHistogram(list, 4).value();
    EXPECT_EQ(counts(h), (std::vector<int>{1, 0, 1, 1}));
    EXPECT_EQ(h.edge(0), -max);
    EXPECT_EQ(h.edge(2), 0);
}

TEST(Histogram, BinCountIsKeptWithinItsLimitsAndTooFewValuesGiveNothing)
{
    StatList list = listOfX({0, 1});
    EXPECT_EQ(computeHistogram(list, 1)->bins, kMinBins);
    EXPECT_EQ(computeHistogram(list, 1000)->bins, kMaxBins);
    StatList one = listOfX({5});
    EXPECT_FALSE(computeHistogram(one, 10).has_value());
}

} // namespace
} // namespace kalvo
