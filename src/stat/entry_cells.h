#pragma once

#include "stat_list.h"

#include <QStringList>

namespace kalvo {

inline constexpr int kTableColumns = 6;

// Header texts of the data table.
QStringList tableHeaders();

// The cell texts of one entry: Xi, Yi, Failure^2, Failure, Failure % and Nr.
QStringList entryCells(const StatEntry& entry);

} // namespace kalvo
