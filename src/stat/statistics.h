#pragma once

#include "stat_list.h"

#include <QString>
#include <optional>

namespace kalvo {

// The two reports over the X values: location and spread (OneVar1), and confidence
// intervals for one value and for the mean (OneVar2).
enum class StatisticsVariant { OneVar1, OneVar2 };

// The message shown instead of a report when the list holds fewer than two entries.
QString tooFewForStatisticsMessage();

// Sorts the list by X and returns the report, or nothing when the list holds fewer
// than two entries (the list is then left as it is).
std::optional<QString> statisticsReport(StatList& list, StatisticsVariant variant);

} // namespace kalvo
