#include "stat_list.h"

#include <algorithm>
#include <cmath>

namespace kalvo {
namespace {

double sortKey(const StatEntry& entry, SortMode mode)
{
    switch (mode) {
    case SortMode::Original:
        return entry.number;
    case SortMode::ByX:
        return entry.x;
    case SortMode::ByY:
        return entry.y;
    case SortMode::ByFailure:
        return std::fabs(entry.failure);
    case SortMode::ByFailurePercent:
        return std::fabs(entry.failurePercent);
    }
    return 0;
}

// Finite keys first, then -inf, +inf and NaN: a strict weak ordering for any key.
int rank(double key)
{
    if (std::isnan(key))
        return 3;
    if (std::isinf(key))
        return key < 0 ? 1 : 2;
    return 0;
}

bool keyLess(double a, double b)
{
    const int rankA = rank(a);
    const int rankB = rank(b);
    if (rankA != rankB)
        return rankA < rankB;
    return rankA == 0 && a < b;
}

} // namespace

int StatList::positionOf(std::int32_t number) const
{
    const std::span<const StatEntry> inUse = entries();
    const auto found
        = std::find_if(inUse.begin(), inUse.end(), [number](const StatEntry& e) { return e.number == number; });
    return found == inUse.end() ? -1 : static_cast<int>(found - inUse.begin());
}

bool StatList::append(double x, double y)
{
    if (isFull())
        return false;
    storage[static_cast<std::size_t>(used)] = StatEntry{used, 0, 0, x, y};
    ++used;
    return true;
}

bool StatList::insert(int position, double x, double y)
{
    if (isFull() || position < 0 || position >= used)
        return false;
    const auto begin = storage.begin() + position;
    std::move_backward(begin, storage.begin() + used, storage.begin() + used + 1);
    *begin = StatEntry{position, 0, 0, x, y};
    ++used;
    for (int i = position; i < used; ++i)
        storage[static_cast<std::size_t>(i)].number = i;
    return true;
}

bool StatList::remove(int position)
{
    if (position < 0 || position >= used)
        return false;
    const std::int32_t removedNumber = storage[static_cast<std::size_t>(position)].number;
    std::move(storage.begin() + position + 1, storage.begin() + used, storage.begin() + position);
    --used;
    storage[static_cast<std::size_t>(used)] = StatEntry{};
    sortList(SortMode::Original);
    for (int i = removedNumber; i < used; ++i)
        storage[static_cast<std::size_t>(i)].number = i;
    return true;
}

void StatList::clear()
{
    storage.fill(StatEntry{});
    used = 0;
}

void StatList::sortList(SortMode mode)
{
    std::stable_sort(storage.begin(), storage.begin() + used, [mode](const StatEntry& a, const StatEntry& b) {
        return keyLess(sortKey(a, mode), sortKey(b, mode));
    });
}

void StatList::setResidual(int position, double failure, double failurePercent)
{
    StatEntry& entry = storage[static_cast<std::size_t>(position)];
    entry.failure = failure;
    entry.failurePercent = failurePercent;
}

} // namespace kalvo
