#include "top_ten_collector.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace kalvo {
namespace {

constexpr double empty = std::numeric_limits<double>::max();

void offer(TopTenCollector& collector, const TopTenRecord& r)
{
    collector.offerCandidate(r);
}

TEST(TopTenCollector, FillsEmptyRecordsInOrder)
{
    TopTenCollector collector;
    EXPECT_EQ(collector.threshold(), empty);
    offer(collector, {5, 10, 100, 1, 2});
    offer(collector, {7, 10, 100, 2, 2});
    EXPECT_EQ(collector.list()[0], (TopTenRecord{5, 10, 100, 1, 2}));
    EXPECT_EQ(collector.list()[1], (TopTenRecord{7, 10, 100, 2, 2}));
    EXPECT_EQ(collector.list()[2], TopTenRecord{});
    EXPECT_EQ(collector.threshold(), empty);
}

// Slot s gets difference differences[s]; then each candidate replaces the first of the
// largest differences, if it is smaller.
struct ReplacementCase {
    const char* name;
    std::array<double, topTenSize> differences;
    std::vector<double> candidates;
    std::array<double, topTenSize> expected;
};

class TopTenReplacement : public testing::TestWithParam<ReplacementCase> { };

TEST_P(TopTenReplacement, ReplacesTheFirstOfTheLargestIfSmaller)
{
    const ReplacementCase& c = GetParam();
    TopTenCollector collector;
    for (int slot = 0; slot < topTenSize; ++slot)
        offer(collector, {c.differences[slot], 1, 1, slot + 1, 0});
    for (const double candidate : c.candidates)
        offer(collector, {candidate, 10, 10, 1, 1});
    std::array<double, topTenSize> differences{};
    for (int slot = 0; slot < topTenSize; ++slot)
        differences[slot] = collector.list()[slot].difference;
    EXPECT_EQ(differences, c.expected);
    EXPECT_EQ(collector.threshold(), *std::max_element(c.expected.begin(), c.expected.end()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TopTenReplacement,
    testing::Values(
        ReplacementCase{
            "EqualIsNotSmaller", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {10, 11}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        ReplacementCase{"LargestGoes", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {0.5}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0.5}},
        ReplacementCase{
            "FirstOfEqualLargestGoes", {9, 2, 9, 4, 5, 6, 7, 9, 9, 1}, {3, 3, 3}, {3, 2, 3, 4, 5, 6, 7, 3, 9, 1}},
        ReplacementCase{"DescendingRunCyclesThroughSlots",
                        {10, 9, 8, 7, 6, 5, 4, 3, 2, 1},
                        {0.9, 0.8, 0.7, 0.6, 0.5, 0.4, 0.3, 0.2, 0.1, 0.05, 0.04},
                        {0.04, 0.8, 0.7, 0.6, 0.5, 0.4, 0.3, 0.2, 0.1, 0.05}},
        ReplacementCase{"NewcomerIsReplacedWhileLargest",
                        {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
                        {9.5, 9.4, 8.5, 8.4},
                        {1, 2, 3, 4, 5, 6, 7, 8, 8.4, 8.5}},
        ReplacementCase{
            "AllEqualFromTheLeft", {5, 5, 5, 5, 5, 5, 5, 5, 5, 5}, {1, 2, 3}, {1, 2, 3, 5, 5, 5, 5, 5, 5, 5}}),
    [](const testing::TestParamInfo<ReplacementCase>& info) { return info.param.name; });

struct RecordRun {
    std::vector<TopTenRecord> records;

    double difference(int i) const { return records[i].difference; }
    TopTenRecord record(int i) const { return records[i]; }
};

// Random lists with many equal differences and random falling runs, long and short,
// some meeting listed differences exactly.
TEST(TopTenCollector, DescendingRunEqualsOfferingOneByOne)
{
    std::mt19937 random(2024);
    std::uniform_int_distribution<int> grid(0, 59);
    std::uniform_int_distribution<int> offers(0, 25);
    for (int trial = 0; trial < 3000; ++trial) {
        TopTenCollector oneByOne;
        const int listed = offers(random);
        for (int i = 0; i < listed; ++i)
            oneByOne.offerCandidate({static_cast<double>(grid(random)), 1, 1, i + 1, 0});
        TopTenCollector atOnce = oneByOne;

        std::vector<int> values;
        for (int v = 0; v < 60 && v < oneByOne.threshold(); ++v)
            if (grid(random) < 40)
                values.push_back(v);
        std::shuffle(values.begin(), values.end(), random);
        values.resize(std::uniform_int_distribution<std::size_t>(0, values.size())(random));
        std::sort(values.rbegin(), values.rend());
        RecordRun run;
        for (const int v : values)
            run.records.push_back({static_cast<double>(v), 10, 10, 100 + static_cast<int>(run.records.size()), 1});

        for (const TopTenRecord& candidate : run.records)
            oneByOne.offerCandidate(candidate);
        atOnce.offerDescendingRun(run, static_cast<int>(run.records.size()));
        ASSERT_EQ(atOnce.list(), oneByOne.list()) << "trial " << trial;
        ASSERT_EQ(atOnce.threshold(), oneByOne.threshold()) << "trial " << trial;
    }
}

TEST(CombinationValue, SerialAddsParallelCombinesAndAbsentR2GivesZero)
{
    EXPECT_EQ(combinationValue(Connection::Serial, 270, 4700), 4970);
    EXPECT_EQ(combinationValue(Connection::Serial, 270, 0), 270);
    EXPECT_EQ(combinationValue(Connection::Parallel, 10000, 10000), 5000);
    EXPECT_EQ(combinationValue(Connection::Parallel, 270, 0), 0);
    EXPECT_EQ(combinationValue(Connection::Parallel, 0, 0), 0);
}

// Table 0, 1, 2, 5: signed differences to the nominal 4, largest first, equal ones in order.
TEST(RankTopTen, SortsBySignedDifferenceKeepingTheOrderOfEqualOnes)
{
    const std::array<double, 4> table{0, 1, 2, 5};
    TopTenList list;
    list[0] = {0, 1, 1, 1, 2}; // 1 + 2 = 3 -> -1
    list[1] = {0, 1, 1, 3, 0}; // 5 -> +1
    list[2] = {0, 1, 1, 2, 3}; // 2 + 5 = 7 -> +3
    list[3] = {0, 1, 1, 2, 1}; // 2 + 1 = 3 -> -1, after list[0]
    rankTopTen(list, Connection::Serial, 4, table);
    EXPECT_EQ(list[0], (TopTenRecord{3, 1, 1, 2, 3}));
    EXPECT_EQ(list[1], (TopTenRecord{1, 1, 1, 3, 0}));
    EXPECT_EQ(list[2], (TopTenRecord{-1, 1, 1, 1, 2}));
    EXPECT_EQ(list[3], (TopTenRecord{-1, 1, 1, 2, 1}));
    for (int i = 4; i < topTenSize; ++i)
        EXPECT_EQ(list[i], (TopTenRecord{-4, 0, 0, 0, 0})) << i;
}

TEST(RankTopTen, EmptyParallelRecordIsZeroNotNan)
{
    const std::array<double, 4> table{0, 1, 2, 5};
    TopTenList list;
    list[0] = {0, 1, 1, 2, 3}; // 2 * 5 / 7
    rankTopTen(list, Connection::Parallel, 1, table);
    EXPECT_DOUBLE_EQ(list[0].difference, 10.0 / 7 - 1);
    EXPECT_EQ(list[9].difference, -1);
}

} // namespace
} // namespace kalvo
