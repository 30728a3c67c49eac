#pragma once

#include "stat_list.h"
#include "stat_mode.h"

#include <QString>

namespace kalvo {

// What kalvo-stat remembers between runs: the sort order and the mode.
struct StatChoices {
    SortMode sort = SortMode::Original;
    StatMode mode = StatMode::OneVar1;
};

// The stored choices; one that is missing or unknown keeps its start value, and a file
// that cannot be read keeps them all.
StatChoices loadStatChoices();
void saveStatChoices(const StatChoices& choices);

// The file that holds them: "kalvo-stat.ini" in the user's configuration directory.
QString statSettingsFile();

} // namespace kalvo
