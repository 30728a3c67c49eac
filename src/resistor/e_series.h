#pragma once

#include <array>
#include <span>

namespace kalvo {

// The E-series of preferred values the finder can combine.
enum class ESeries { E3, E6, E12, E24, E48, E96 };

inline constexpr std::array allSeries{ESeries::E3, ESeries::E6, ESeries::E12, ESeries::E24, ESeries::E48, ESeries::E96};

// Values per decade of the finest series, E96.
inline constexpr int largestSeriesSize = 96;

// The series' name as its radio button shows it ("E3" ... "E96").
const char* seriesName(ESeries series);

// One decade of the series normalised to 1 .. 10, ascending, after a leading 0 that
// stands for "no second resistor": a series of H values gives H + 1 entries.
std::span<const double> seriesTable(ESeries series);

} // namespace kalvo
