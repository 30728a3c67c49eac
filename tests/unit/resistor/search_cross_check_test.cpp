// Compares the pruned search with a plain search that offers every combination in
// visit order to a list kept exactly by the rules, over many nominal values.
#include "resistor_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace kalvo {
namespace {

struct Reference {
    TopTenList topTen;
    TopTenRecord best;
};

double value(Connection connection, double r1, double r2)
{
    if (connection == Connection::Serial)
        return r1 + r2;
    return r2 == 0 ? 0 : r1 * r2 / (r1 + r2);
}

void offer(TopTenList& list, const TopTenRecord& candidate)
{
    int largest = 0;
    for (int i = 0; i < topTenSize; ++i) {
        const TopTenRecord& r = list[i];
        if (r.index1 == candidate.index2 && r.index2 == candidate.index1 && r.factor1 == candidate.factor2
            && r.factor2 == candidate.factor1)
            return;
        if (r.index2 == 0 && candidate.index2 == 0 && r.index1 == candidate.index1 && r.factor1 == candidate.factor1)
            return;
        if (r.difference > list[largest].difference)
            largest = i;
    }
    if (candidate.difference < list[largest].difference)
        list[largest] = candidate;
}

std::vector<double> decadeFactors(double nominal, DecadeRange range)
{
    const DecadeSpan span = decadeSpan(range);
    std::vector<double> factors{std::pow(10.0, span.firstOffset + static_cast<int>(std::log10(nominal)))};
    while (static_cast<int>(factors.size()) < span.count)
        factors.push_back(factors.back() * 10);
    return factors;
}

Reference plainSearch(Connection connection, double nominal, ESeries series, DecadeRange range)
{
    const auto e = seriesTable(series);
    const int h = static_cast<int>(e.size()) - 1;
    const std::vector<double> factors = decadeFactors(nominal, range);
    const double b = factors.front();
    Reference result;
    result.best = {std::fabs(value(connection, b * e[1], 0) - nominal), b, b, 1, 0};
    for (const double f1 : factors)
        for (int i1 = 1; i1 <= h; ++i1)
            for (const double f2 : factors)
                for (int i2 = 0; i2 <= h; ++i2) {
                    const TopTenRecord candidate{std::fabs(value(connection, f1 * e[i1], f2 * e[i2]) - nominal), f1, f2,
                                                 i1, i2};
                    offer(result.topTen, candidate);
                    if (candidate.difference < result.best.difference)
                        result.best = candidate;
                }
    for (TopTenRecord& r : result.topTen)
        r.difference = value(connection, r.factor1 * e[r.index1], r.factor2 * e[r.index2]) - nominal;
    std::stable_sort(result.topTen.begin(), result.topTen.end(),
                     [](const TopTenRecord& a, const TopTenRecord& b) { return a.difference > b.difference; });
    return result;
}

// Log-uniform values, standard values and sums of two, and midpoints between two
// combinations (equal distances, where the visit order decides).
std::vector<double> nominalValues()
{
    std::mt19937 random(60063);
    std::uniform_real_distribution<double> exponent(-4, 10);
    std::uniform_int_distribution<int> index(1, 96);
    std::uniform_int_distribution<int> decade(-2, 6);
    const auto e96 = seriesTable(ESeries::E96);
    const auto e12 = seriesTable(ESeries::E12);
    auto standard = [&](std::span<const double> e) {
        return e[1 + index(random) % (e.size() - 1)] * std::pow(10.0, decade(random));
    };
    std::vector<double> values{1, 10, 100, 0.999, 1000.5, 5000, 4700};
    for (int i = 0; i < 18; ++i)
        values.push_back(std::pow(10.0, exponent(random)));
    for (int i = 0; i < 5; ++i) {
        values.push_back(standard(e96));
        values.push_back(standard(e12) + standard(e12));
        values.push_back((standard(e12) + standard(e12)) / 2);
    }
    return values;
}

TEST(SearchCrossCheck, EqualsPlainSearchForEverySeriesAndRange)
{
    for (const double nominal : nominalValues())
        for (const ESeries series : allSeries)
            for (const DecadeRange range : allDecadeRanges) {
                const SearchResult fast = runSearch(nominal, series, range);
                for (const Connection connection : {Connection::Serial, Connection::Parallel}) {
                    const Reference plain = plainSearch(connection, nominal, series, range);
                    const ConnectionResult& found = connection == Connection::Serial ? fast.serial : fast.parallel;
                    ASSERT_EQ(found.topTen, plain.topTen)
                        << nominal << ' ' << seriesName(series) << ' ' << decadeRangeName(range)
                        << (connection == Connection::Serial ? " serial" : " parallel");
                    ASSERT_EQ(found.best, plain.best)
                        << nominal << ' ' << seriesName(series) << ' ' << decadeRangeName(range);
                }
            }
}

} // namespace
} // namespace kalvo
