// The field solver on every kind of cross-section it supports, at its default tolerance
// (0.1 % estimated error of the capacitances). Goals: a microstrip under 50 ms, any
// cross-section under 200 ms. The label gives the result, the panels of the finest mesh
// and the estimated error.
#include "cross_sections.h"
#include "field_solver.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <string>

namespace {

using namespace kalvo::fieldsolver;

constexpr double mm = 1e-3;
constexpr double um = 1e-6;

struct Case {
    const char* name;
    std::function<CrossSection()> build;
};

const Case cases[] = {
    {"microstrip_fr4_50ohm", [] { return microstrip(1.6 * mm, 3.0 * mm, 35 * um, 4.3); }},
    {"microstrip_alumina_narrow", [] { return microstrip(0.2 * mm, 0.03 * mm, 18 * um, 10.2); }},
    {"microstrip_zero_thickness", [] { return microstrip(1.0 * mm, 1.0 * mm, 0.0, 4.3); }},
    {"microstrip_wide", [] { return microstrip(0.1 * mm, 2.0 * mm, 10 * um, 4.3); }},
    {"microstrip_thick_narrow_er16", [] { return microstrip(1.0 * mm, 0.1 * mm, 0.2 * mm, 16.0); }},
    {"embedded_microstrip", [] { return embeddedMicrostrip(0.2 * mm, 0.3 * mm, 0.3 * mm, 35 * um, 4.3); }},
    {"stripline", [] { return stripline(1.6 * mm, 0.5 * mm, 35 * um, 4.3); }},
    {"offset_stripline", [] { return offsetStripline(1.6 * mm, 0.4 * mm, 0.4 * mm, 35 * um, 4.3); }},
    {"coupled_microstrip", [] { return coupledMicrostrip(0.2 * mm, 0.15 * mm, 0.2 * mm, 35 * um, 4.3); }},
    {"coupled_stripline", [] { return coupledStripline(0.5 * mm, 0.12 * mm, 0.15 * mm, 18 * um, 4.3); }},
    {"coplanar_grounded", [] { return coplanarWaveguide(0.5 * mm, 0.5 * mm, 0.2 * mm, 35 * um, 4.3, true); }},
    {"coplanar_no_ground", [] { return coplanarWaveguide(0.5 * mm, 0.5 * mm, 0.2 * mm, 35 * um, 4.3, false); }},
    {"wire_above_ground", [] { return wireAboveGround(0.5 * mm, 2.0 * mm, 1.0); }},
    {"two_wires", [] { return twoWires(0.5 * mm, 1.2 * mm, 2.2); }},
    {"twisted_pair_insulated", [] { return insulatedWires(0.5 * mm, 0.9 * mm, 0.9 * mm, 3.0); }},
    {"coax_rg58", [] { return coax(0.9 * mm, 2.95 * mm, 2.25); }},
    {"coax_two_layers", [] { return layeredCoax(1.0 * mm, 1.6 * mm, 3.0 * mm, 2.1, 4.0); }},
};

std::string describe(const Result& result)
{
    char text[128];
    if (result.capacitance.size == 2) {
        const CoupledLineParameters lines = coupledLines(result);
        std::snprintf(text, sizeof text, "Zodd %.3f Ohm, Zeven %.3f Ohm", lines.oddImpedance, lines.evenImpedance);
    } else {
        std::snprintf(text, sizeof text, "Z0 %.3f Ohm", singleLine(result).impedance);
    }
    char figures[96];
    std::snprintf(figures, sizeof figures, ", %d panels, est. %.2g %%", result.elements, 100.0 * result.estimatedError);
    return std::string(text) + figures;
}

void solveCrossSection(benchmark::State& state, const Case& c)
{
    const CrossSection crossSection = c.build();
    Result result;
    for (auto _ : state) {
        result = solve(crossSection);
        benchmark::DoNotOptimize(result.capacitance.values.data());
    }
    if (result.error != Error::None)
        return state.SkipWithError(errorMessage(result.error));
    state.SetLabel(describe(result));
}

const bool registered = [] {
    for (const Case& c : cases)
        benchmark::RegisterBenchmark((std::string("fieldsolver/") + c.name).c_str(), solveCrossSection, c)
            ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
