#pragma once

#include "stat_list.h"

#include <QString>

#include <array>
#include <optional>

namespace kalvo {

inline constexpr int kMinBins = 3;
inline constexpr int kMaxBins = 250;
inline constexpr int kDefaultBins = 10;

// The distribution of the finite X values over equal bins from the smallest to the
// largest of them. The largest value belongs to the last bin; when all values are
// equal (binWidth 0) every value is counted in the first bin.
struct Histogram {
    double xMin = 0;
    double xMax = 0;
    int n = 0; // values counted
    int notFinite = 0; // entries whose X is infinite or NaN, not counted
    double binWidth = 0;
    int bins = 0;
    std::array<int, kMaxBins> counts{};
    int maxCount = 0;

    // Edge i of the bins (0 .. bins): xMin + i * binWidth.
    double edge(int i) const;
};

// Sorts the list by X (it stays so) and counts its finite X values into bins bins
// (clamped to kMinBins .. kMaxBins); nothing, and the list left as it is, when fewer
// than two values are finite.
std::optional<Histogram> computeHistogram(StatList& list, int bins);

// The text report of a histogram.
QString histogramReport(const Histogram& histogram);

// The tooltip of a bar: its interval and how many values it holds.
QString binToolTip(const Histogram& histogram, int bin);

} // namespace kalvo
