#include "resistor_search.h"

#include "top_ten_collector.h"

#include <cmath>

namespace kalvo {
namespace {

// The searched resistors in visit order: decades ascending, within a decade the series
// ascending. Position p is decade p / H, series index p % H + 1.
struct Resistors {
    std::array<double, maxDecades> factors{};
    int decades = 0;
    static constexpr int capacity = maxDecades * largestSeriesSize;
    std::array<double, capacity> values{};
    std::array<double, capacity> valueFactors{}; // the decade factor of each value
    std::array<std::int32_t, capacity> indices{}; // the series index of each value
    int count = 0;
};

// The decade factors are 10^(offset + e), e = log10(nominal) truncated towards zero,
// and then each ten times the previous one.
Resistors searchedResistors(double nominal, DecadeRange range, std::span<const double> table)
{
    const DecadeSpan span = decadeSpan(range);
    const int exponent = static_cast<int>(std::trunc(std::log10(nominal)));
    Resistors resistors;
    resistors.decades = span.count;
    resistors.factors[0] = std::pow(10.0, span.firstOffset + exponent);
    for (int i = 1; i < span.count; ++i)
        resistors.factors[i] = resistors.factors[i - 1] * 10;
    for (int decade = 0; decade < span.count; ++decade) {
        for (std::size_t index = 1; index < table.size(); ++index) {
            const int p = resistors.count++;
            resistors.valueFactors[p] = resistors.factors[decade];
            resistors.indices[p] = static_cast<std::int32_t>(index);
            resistors.values[p] = resistors.factors[decade] * table[index];
        }
    }
    return resistors;
}

bool matchesStandardValue(double nominal, const Resistors& resistors, std::span<const double> table)
{
    for (int decade = 0; decade < resistors.decades; ++decade)
        for (const double value : table)
            if (nominal * 1e-10 > std::fabs(nominal - resistors.factors[decade] * value))
                return true;
    return false;
}

// The search of one connection. Combinations are visited in the order factor1, index1,
// factor2, index2 (decades ascending, index2 from 0, "no R2"); each is offered to the
// top-ten list and becomes the best if it is strictly closer than the best so far.
// Visiting fewer leaves every result as it is:
// - A combination whose mirror image (R2, R1) was visited before, or a single resistor
//   visited before with a lower factor2, repeats that visit's difference. If the earlier
//   one is listed, the list rejects the repeat; if not, the earlier one was not below the
//   list's largest difference then, and that has not grown since. So for R1 at position
//   p only the single resistor (once) and R2 from position p on are visited: in visit
//   order, and with values rising with R2.
// - A candidate not below the list's largest difference changes nothing: the list cannot
//   take it, and the best is never worse than the largest listed difference.
// - As R2 rises, value - nominal rises (the series' steps of at least 2 % dwarf any
//   rounding). The candidates below the nominal value thus have strictly falling
//   differences and go to the list as one run; those above it rise, and the first not
//   below the largest listed difference ends the visits for this R1.
template <Connection connection>
class ConnectionSearch {
public:
    ConnectionSearch(double nominal, const Resistors& resistors)
        : nominal(nominal)
        , resistors(resistors)
    {
        const double base = resistors.factors[0];
        best = {std::fabs(combinationValue(connection, resistors.values[0], 0) - nominal), base, base, 1, 0};
    }

    ConnectionResult run()
    {
        for (int p = 0; p < resistors.count; ++p) {
            const double r1 = resistors.values[p];
            offer({combinationValue(connection, r1, 0) - nominal, resistors.valueFactors[p], resistors.factors[0],
                   resistors.indices[p], 0});
            visitPairs(p);
        }
        return {topTen.list(), best};
    }

private:
    // A candidate with its signed difference value - nominal.
    void offer(const TopTenRecord& signedCandidate)
    {
        TopTenRecord candidate = signedCandidate;
        candidate.difference = std::fabs(candidate.difference);
        topTen.offerCandidate(candidate);
        if (candidate.difference < best.difference)
            best = candidate;
    }

    // The candidates R1 = resistor p1 with R2 = resistor p1 + t, t = 0, 1, ...
    struct Pairs {
        const ConnectionSearch& search;
        int p1;

        double signedDifference(int t) const
        {
            return combinationValue(connection, search.resistors.values[p1], search.resistors.values[p1 + t])
                - search.nominal;
        }
        TopTenRecord signedRecord(int t) const
        {
            const Resistors& r = search.resistors;
            return {signedDifference(t), r.valueFactors[p1], r.valueFactors[p1 + t], r.indices[p1], r.indices[p1 + t]};
        }
    };

    // The candidates below the nominal value from one on, as a run of falling differences.
    struct FallingRun {
        Pairs pairs;
        int first;

        double difference(int i) const { return std::fabs(pairs.signedDifference(first + i)); }
        TopTenRecord record(int i) const
        {
            TopTenRecord record = pairs.signedRecord(first + i);
            record.difference = std::fabs(record.difference);
            return record;
        }
    };

    void visitPairs(int p1)
    {
        const Pairs pairs{*this, p1};
        const int count = resistors.count - p1;
        const int aboveNominal = firstWhere(pairs, 0, count, [](double d, double) { return d > 0; });
        const int taken = firstWhere(pairs, 0, aboveNominal, [](double d, double t) { return d > -t; });
        if (taken < aboveNominal) {
            const FallingRun run{pairs, taken};
            topTen.offerDescendingRun(run, aboveNominal - taken);
            const TopTenRecord closest = run.record(aboveNominal - taken - 1);
            if (closest.difference < best.difference)
                best = closest;
        }
        for (int t = aboveNominal; t < count; ++t) {
            const TopTenRecord candidate = pairs.signedRecord(t);
            if (candidate.difference >= topTen.threshold())
                return;
            offer(candidate);
        }
    }

    // The first t in [first, end) whose signed difference passes; the test is false
    // before it and true from it on. The test also gets the current threshold.
    template <class Test>
    int firstWhere(const Pairs& pairs, int first, int end, Test passes) const
    {
        const double threshold = topTen.threshold();
        while (first < end) {
            const int middle = first + (end - first) / 2;
            if (passes(pairs.signedDifference(middle), threshold))
                end = middle;
            else
                first = middle + 1;
        }
        return first;
    }

    const double nominal;
    const Resistors& resistors;
    TopTenCollector topTen;
    TopTenRecord best;
};

template <Connection connection>
ConnectionResult searchAndRank(double nominal, const Resistors& resistors, std::span<const double> table)
{
    ConnectionResult result = ConnectionSearch<connection>(nominal, resistors).run();
    rankTopTen(result.topTen, connection, nominal, table);
    return result;
}

} // namespace

bool isSearchableNominal(double nominal)
{
    return nominal >= minimumNominal && nominal <= maximumNominal;
}

SearchResult runSearch(double nominal, ESeries series, DecadeRange range)
{
    SearchResult result;
    result.nominal = nominal;
    result.series = series;
    if (!isSearchableNominal(nominal))
        return result;

    const std::span<const double> table = seriesTable(series);
    const Resistors resistors = searchedResistors(nominal, range, table);
    result.searchable = true;
    result.matched = matchesStandardValue(nominal, resistors, table);
    result.serial = searchAndRank<Connection::Serial>(nominal, resistors, table);
    result.parallel = searchAndRank<Connection::Parallel>(nominal, resistors, table);
    return result;
}

} // namespace kalvo
