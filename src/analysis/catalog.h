#pragma once

#include "program.h"

#include <vector>

namespace kalvo::analysis {

// A result a topology prints, as a command or a dialog names it.
struct QuantityInfo {
    QString key;
    QString unit; // SI unit of its value
    QString shownUnit; // as printed
    QString description; // the rest of its printed line
    QString block;
};

// Every quantity the topology prints when evaluated repeatedly, as solve and sweep do: at
// its start inputs and at inputs around them, so that results printed only in some
// branches are listed too; in the order first seen.
std::vector<QuantityInfo> quantityCatalog(const Program& program, const Topology& topology);
std::vector<QuantityInfo> quantityCatalog(const Program& program, const Topology& topology,
                                          const CalculationInput& input);

} // namespace kalvo::analysis
