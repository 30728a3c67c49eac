#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace kalvo {

// The list never holds more pairs than this.
inline constexpr int kMaxList = 1025;

// One measured pair and the residual of the last fit.
struct StatEntry {
    std::int32_t number = 0; // 0-based position in the order of entry
    double failurePercent = 0; // 100 * failure / y
    double failure = 0; // y minus the fitted value at x
    double x = 0;
    double y = 0;
};

// The orders the list can be sorted in (ascending, stable).
enum class SortMode { Original, ByX, ByY, ByFailure, ByFailurePercent };

// A fixed array of kMaxList pairs of which the first count() are in use. Nothing is
// allocated per entry. The numbers of the entries in use are always 0 .. count() - 1.
class StatList {
public:
    int count() const { return used; }
    bool isFull() const { return used == kMaxList; }
    std::span<const StatEntry> entries() const { return std::span(storage.data(), static_cast<std::size_t>(used)); }
    const StatEntry& at(int position) const { return storage[static_cast<std::size_t>(position)]; }
    // The position of the entry with the given number, -1 when no entry has it.
    int positionOf(std::int32_t number) const;

    // Appends (x, y) as the newest entry; false (list unchanged) when full.
    bool append(double x, double y);
    // Puts (x, y) at position and renumbers from there on, assuming the list is in
    // Original order; false when full or position is not in use.
    bool insert(int position, double x, double y);
    // Removes the entry at position; the remaining ones are left in Original order and
    // keep their order of entry. False when position is not in use.
    bool remove(int position);
    // Every field of every entry becomes 0; the list is empty.
    void clear();
    // Stable ascending sort of the entries in use. Non-finite keys come after all
    // finite ones, in the order -inf, +inf, NaN.
    void sortList(SortMode mode);
    // Stores the residual of a fit for the entry at position.
    void setResidual(int position, double failure, double failurePercent);

private:
    std::array<StatEntry, kMaxList> storage{};
    int used = 0;
};

} // namespace kalvo
