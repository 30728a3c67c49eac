#include "e_series.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace kalvo {
namespace {

int seriesSize(ESeries series)
{
    return static_cast<int>(seriesTable(series).size()) - 1;
}

// The table's value k (1-based) in the series' significant digits (E24 and below: 2).
long significand(ESeries series, int k)
{
    const double scale = seriesSize(series) > 24 ? 100 : 10;
    return std::lround(seriesTable(series)[k] * scale);
}

// The geometric value of IEC 60063 rounded to the series' digits: digits * 10^(k/H).
long geometric(ESeries series, int k)
{
    const int h = seriesSize(series);
    const double scale = h > 24 ? 100 : 10;
    return std::lround(scale * std::pow(10.0, static_cast<double>(k - 1) / h));
}

TEST(ESeriesTable, HasLeadingZeroThenOneDecadeAscending)
{
    const std::array<int, 6> sizes{3, 6, 12, 24, 48, 96};
    for (std::size_t s = 0; s < allSeries.size(); ++s) {
        const auto table = seriesTable(allSeries[s]);
        SCOPED_TRACE(seriesName(allSeries[s]));
        ASSERT_EQ(static_cast<int>(table.size()), sizes[s] + 1);
        EXPECT_EQ(table[0], 0.0);
        EXPECT_EQ(table[1], 1.0);
        for (std::size_t k = 1; k < table.size(); ++k) {
            EXPECT_LT(table[k - 1], table[k]);
            EXPECT_LT(table[k], 10.0);
        }
    }
}

// E48 and E96 are the geometric series rounded to three digits without exception.
TEST(ESeriesTable, ThreeDigitSeriesAreRoundedGeometricSeries)
{
    for (const ESeries series : {ESeries::E48, ESeries::E96}) {
        SCOPED_TRACE(seriesName(series));
        for (int k = 1; k <= seriesSize(series); ++k)
            EXPECT_EQ(significand(series, k), geometric(series, k)) << "value " << k;
    }
}

// E24 keeps the historical values that differ from the rounded geometric series by 0.1.
TEST(ESeriesTable, E24DiffersFromGeometricSeriesOnlyAtHistoricalValues)
{
    const std::set<long> historical{27, 30, 33, 36, 39, 43, 47, 82};
    for (int k = 1; k <= 24; ++k) {
        const long value = significand(ESeries::E24, k);
        if (historical.count(value) != 0)
            EXPECT_EQ(std::labs(value - geometric(ESeries::E24, k)), 1) << value;
        else
            EXPECT_EQ(value, geometric(ESeries::E24, k)) << value;
    }
}

// Each series is every second value of the next finer one (E3: every second of E6).
TEST(ESeriesTable, CoarserSeriesAreEverySecondValueOfTheFinerOne)
{
    const std::array<std::pair<ESeries, ESeries>, 4> pairs{{{ESeries::E3, ESeries::E6},
                                                            {ESeries::E6, ESeries::E12},
                                                            {ESeries::E12, ESeries::E24},
                                                            {ESeries::E48, ESeries::E96}}};
    for (const auto& [coarse, fine] : pairs) {
        SCOPED_TRACE(seriesName(coarse));
        for (int k = 1; k <= seriesSize(coarse); ++k)
            EXPECT_EQ(seriesTable(coarse)[k], seriesTable(fine)[2 * k - 1]);
    }
}

TEST(ESeriesTable, ValuesAreTheDecimalValues)
{
    EXPECT_EQ(seriesTable(ESeries::E3)[3], 4.7);
    EXPECT_EQ(seriesTable(ESeries::E24)[24], 9.1);
    EXPECT_EQ(seriesTable(ESeries::E96)[3], 1.05);
    EXPECT_EQ(seriesTable(ESeries::E96)[96], 9.76);
}

} // namespace
} // namespace kalvo
