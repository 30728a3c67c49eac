#pragma once

#include "program.h"

#include <memory>

namespace kalvo::analysis {

// Runs one topology again and again with one input field changed, on inputs and an
// expression engine of its own, so that it shares no state with a window.
class Evaluation {
public:
    Evaluation(const Program& program, const Topology& topology, CalculationInput input);

    const Program& program() const { return program_; }
    const Topology& topology() const { return topology_; }
    const CalculationInput& input() const { return input_; }

    // The report with field n (1-based) holding value, every other field as given, marked
    // as one of many (CalculationInput::repeated).
    Report at(int field, double value, ReportDetail detail = ReportDetail::Full);
    // The report of the inputs as given.
    Report report();

private:
    const Program& program_;
    const Topology& topology_;
    CalculationInput input_;
    CalculationInput repeatedInput; // input_ with its fields read once, for at()
    std::shared_ptr<FormulaEngine> engine;
};

// The text that puts value into a field so that the report reads it back exactly.
QString fieldText(double value);

// Field n of topology named by its label (exact, else case-insensitive) or its
// number; 0 when there is no such visible field.
int findField(const Topology& topology, const QString& name);

} // namespace kalvo::analysis
