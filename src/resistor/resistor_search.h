#pragma once

#include "decade_range.h"
#include "e_series.h"
#include "top_ten.h"

namespace kalvo {

// The nominal values the search accepts. Within them every resistor value, sum and
// product the search forms is a finite normal double, for every series and range.
inline constexpr double minimumNominal = 1e-150;
inline constexpr double maximumNominal = 1e150;

bool isSearchableNominal(double nominal);

// The outcome for one connection.
struct ConnectionResult {
    TopTenList topTen; // ranked: signed differences, largest first
    TopTenRecord best; // the first visited of the smallest |value - nominal|
};

struct SearchResult {
    double nominal = 0;
    ESeries series = ESeries::E12;
    bool searchable = false; // false: nothing was searched, the lists hold empty records
    bool matched = false; // the nominal value is itself a value of the series
    ConnectionResult serial;
    ConnectionResult parallel;
};

// Finds the combinations of one or two resistors of the series, within the decade
// range around the nominal value, that come closest to it in series and in parallel.
// Every combination R1, R2 is visited in the order factor1, index1, factor2, index2
// (decades ascending, indices from the start of the table; index2 from 0, "no R2").
SearchResult runSearch(double nominal, ESeries series, DecadeRange range);

} // namespace kalvo
