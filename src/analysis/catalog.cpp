#include "catalog.h"

#include "evaluation.h"

#include <algorithm>

namespace kalvo::analysis {
namespace {

void collect(std::vector<QuantityInfo>& catalog, const Report& report)
{
    for (const Quantity& q : report.quantities)
        if (std::none_of(catalog.begin(), catalog.end(), [&](const QuantityInfo& known) { return known.key == q.key; }))
            catalog.push_back({q.key, q.unit, q.shownUnit, q.description, q.block});
}

} // namespace

std::vector<QuantityInfo> quantityCatalog(const Program& program, const Topology& topology)
{
    return quantityCatalog(program, topology, program.startInput(topology));
}

std::vector<QuantityInfo> quantityCatalog(const Program& program, const Topology& topology,
                                          const CalculationInput& input)
{
    // Factors around each field's value, and plain values for empty fields: they reach
    // the branches of the suite's reports (oscillating or not, wide or narrow lines).
    static constexpr double factors[] = {1e-3, 0.01, 0.1, 0.5, 2.0, 10.0, 100.0, 1e3};
    static constexpr double plainValues[] = {1e-3, 0.1, 1.0, 10.0, 1e3, -1.0};
    std::vector<QuantityInfo> catalog;
    // What solve and sweep can reach: the reports as they evaluate them, repeatedly.
    CalculationInput repeated = input;
    repeated.repeated = true;
    Evaluation evaluation(program, topology, repeated);
    collect(catalog, evaluation.report());
    for (int field = 1; field <= topology.visibleInputs; ++field) {
        if (topology.isFormulaField(field))
            continue;
        const double given = evaluation.input().value(field);
        if (given != 0.0)
            for (double factor : factors)
                collect(catalog, evaluation.at(field, given * factor));
        for (double value : plainValues)
            collect(catalog, evaluation.at(field, value));
    }
    // Reports that compute whichever of two fields is empty (the RTD's R and T, say)
    // print other results when a field is filled alone with its neighbours empty.
    CalculationInput lone = input;
    for (int field = 1; field <= topology.visibleInputs; ++field)
        if (!topology.isFormulaField(field))
            lone.texts[field - 1].clear();
    Evaluation alone(program, topology, lone);
    for (int field = 1; field <= topology.visibleInputs; ++field)
        if (!topology.isFormulaField(field))
            for (double value : plainValues)
                collect(catalog, alone.at(field, value));
    return catalog;
}

} // namespace kalvo::analysis
