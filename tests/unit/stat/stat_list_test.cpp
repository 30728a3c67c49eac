#include "stat_list.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace kalvo {
namespace {

struct Pair {
    double x;
    double y;
    int nr; // number + 1, as column "Nr." shows it
    bool operator==(const Pair&) const = default;
};

std::vector<Pair> pairs(const StatList& list)
{
    std::vector<Pair> result;
    for (const StatEntry& e : list.entries())
        result.push_back({e.x, e.y, e.number + 1});
    return result;
}

StatList listOf(std::initializer_list<std::pair<double, double>> values)
{
    StatList list;
    for (const auto& [x, y] : values)
        list.append(x, y);
    return list;
}

TEST(StatList, AppendNumbersInOrderOfEntryAndStopsAtTheLimit)
{
    StatList list;
    for (int i = 0; i < kMaxList; ++i)
        ASSERT_TRUE(list.append(i, -i));
    EXPECT_TRUE(list.isFull());
    EXPECT_FALSE(list.append(1, 1));
    EXPECT_EQ(list.count(), kMaxList);
    EXPECT_EQ(list.at(kMaxList - 1).number, kMaxList - 1);
    EXPECT_EQ(list.at(kMaxList - 1).x, kMaxList - 1);
}

TEST(StatList, DeleteInAnotherOrderRestoresTheOrderOfEntry)
{
    // Sorted by Y the entries stand in the reverse order of entry.
    StatList list = listOf({{0, 30}, {0, 20}, {0, 10}});
    list.sortList(SortMode::ByY);
    ASSERT_TRUE(list.remove(1)); // the entry (0, 20), number 1
    EXPECT_EQ(pairs(list), (std::vector<Pair>{{0, 30, 1}, {0, 10, 2}}));
}

TEST(StatList, DeleteRejectsPositionsNotInUseAndEmptiesCompletely)
{
    StatList list = listOf({{1, 1}});
    EXPECT_FALSE(list.remove(-1));
    EXPECT_FALSE(list.remove(1));
    EXPECT_TRUE(list.remove(0));
    EXPECT_EQ(list.count(), 0);
    EXPECT_FALSE(list.remove(0));
}

TEST(StatList, InsertIsRefusedWhenFullOrOutsideTheList)
{
    StatList list = listOf({{1, 2}});
    EXPECT_FALSE(list.insert(1, 0, 0));
    EXPECT_FALSE(list.insert(-1, 0, 0));
    while (list.append(0, 0)) { }
    EXPECT_FALSE(list.insert(0, 7, 7));
    EXPECT_EQ(list.at(0).x, 1);
}

struct SortCase {
    const char* name;
    SortMode mode;
    std::vector<int> expectedNumbers; // number + 1 of each entry after sorting
};

void PrintTo(const SortCase& c, std::ostream* out)
{
    *out << c.name;
}

class StatListSort : public ::testing::TestWithParam<SortCase> { };

// Entries (x, y, failure, failure%): equal keys must keep their order of entry.
TEST_P(StatListSort, IsStableAndAscending)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    StatList list = listOf({{3, 1}, {nan, 2}, {1, -inf}, {-inf, 2}, {1, inf}, {inf, 0}});
    const double failures[] = {2, -3, 2, nan, 0, -inf};
    for (int i = 0; i < list.count(); ++i)
        list.setResidual(i, failures[i], -failures[i] * 10);
    list.sortList(SortMode::ByY); // a different order first: sorting must not depend on it by accident
    list.sortList(SortMode::Original);
    list.sortList(GetParam().mode);
    std::vector<int> numbers;
    for (const StatEntry& e : list.entries())
        numbers.push_back(e.number + 1);
    EXPECT_EQ(numbers, GetParam().expectedNumbers);
}

INSTANTIATE_TEST_SUITE_P(Modes, StatListSort,
                         ::testing::Values(SortCase{"Original", SortMode::Original, {1, 2, 3, 4, 5, 6}},
                                           // finite ascending, then -inf, +inf, NaN
                                           SortCase{"ByX", SortMode::ByX, {3, 5, 1, 4, 6, 2}},
                                           SortCase{"ByY", SortMode::ByY, {6, 1, 2, 4, 3, 5}},
                                           // |failure|: 0, 2, 2, 3, inf, nan; -3 comes after 2
                                           SortCase{"ByFailure", SortMode::ByFailure, {5, 1, 3, 2, 6, 4}},
                                           SortCase{
                                               "ByFailurePercent", SortMode::ByFailurePercent, {5, 1, 3, 2, 6, 4}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StatListSortStrictness, ManyNonFiniteKeysSortWithoutBreakingTheOrder)
{
    StatList list;
    const double specials[] = {std::numeric_limits<double>::quiet_NaN(), -0.0, 0.0,
                               std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
    for (int i = 0; i < kMaxList; ++i)
        list.append(i % 7 == 0 ? specials[i % 5] : (i * 7919) % 1000, 0);
    list.sortList(SortMode::ByX);
    int lastRank = 0;
    double lastFinite = -std::numeric_limits<double>::infinity();
    for (const StatEntry& e : list.entries()) {
        const int rank = std::isnan(e.x) ? 3 : std::isinf(e.x) ? (e.x < 0 ? 1 : 2) : 0;
        ASSERT_GE(rank, lastRank);
        if (rank == 0) {
            ASSERT_GE(e.x, lastFinite);
            lastFinite = e.x;
        }
        lastRank = rank;
    }
}

} // namespace
} // namespace kalvo
