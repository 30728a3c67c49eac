#pragma once

#include "field_solver.h"
#include "report.h"

#include <optional>
#include <span>

// The part every line report of kalvo-pcb shares: the field solver's values as the
// headline, the closed form's beside them with its difference in percent.
namespace kalvo::pcb {

// One printed result, as the field solver and the closed form give it.
struct LineValue {
    const char* name;
    const char* description;
    Unit unit;
    double solved;
    double closedForm;
};

// "Field solver:" with a line per value and the estimated error, the solver's error
// message, or (no result: the report is repeated for Solve or Plot) a note that the
// solver runs on GO only; then closedFormTitle with a line per value and, where the
// solver gave a result, its difference from it in percent. Closed-form keys carry
// "_" + suffix, differences another "d" in front.
void comparisonBlocks(ReportBuilder& report, const std::optional<fieldsolver::Result>& solved,
                      std::span<const LineValue> values, const char* closedFormTitle, const char* suffix);

// The warnings after the comparison: outside the source's range, or where the measured
// map has the closed form more than 2 percent off the field solver.
void accuracyWarning(ReportBuilder& report, bool withinSourceRange, const char* sourceRange, bool withinTwoPercent);

} // namespace kalvo::pcb
