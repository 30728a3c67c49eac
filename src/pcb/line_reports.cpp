#include "accuracy_map.h"
#include "line_estimates.h"
#include "line_solutions.h"
#include "pcb_reports.h"
#include "pcb_units.h"
#include "solver_comparison.h"

#include <array>
#include <optional>

namespace kalvo::pcb {
namespace {

// The five fields every line topology has: a height (h or b), w, s, t and er.
LineShape lineShape(const CalculationInput& input)
{
    return {input.si(1), input.si(2), input.si(3), input.si(4), input.si(5)};
}

// The field solver's solution, or none while Solve or Plot repeat the report: hundreds
// of solves would take minutes, so there only the closed form's quantities are recorded.
std::optional<fieldsolver::Result> solution(const CalculationInput& input, Line line, const LineShape& shape)
{
    if (input.repeated)
        return std::nullopt;
    return solveLine(line, shape);
}

Report coplanar(const CalculationInput& input, Line line)
{
    const LineShape in = lineShape(input);
    const std::optional<fieldsolver::Result> result = solution(input, line, in);
    const fieldsolver::LineParameters solved
        = result ? fieldsolver::singleLine(*result) : fieldsolver::LineParameters{};
    const bool grounded = line == Line::GroundedCoplanar;
    const LineEstimate estimate = grounded ? groundedCoplanarWaveguide(in.height, in.w, in.s, in.t, in.er)
                                           : coplanarWaveguide(in.height, in.w, in.s, in.t, in.er);
    const std::array<LineValue, 2> values{{
        {"Z0", "Characteristic impedance", units::ohm, solved.impedance, estimate.impedance},
        {"eeff", "Effective permittivity", units::none, solved.effectivePermittivity, estimate.effectivePermittivity},
    }};
    ReportBuilder report(input.format, input.detail);
    comparisonBlocks(report, result, values, "Conformal mapping (Ghione and Naldi):", "GN");
    accuracyWarning(report, withinCoplanarRange(in), coplanarRangeText,
                    grounded ? groundedCoplanarWithinTwoPercent(in) : coplanarWithinTwoPercent(in));
    return report.take();
}

std::array<LineValue, 6> pairValues(const fieldsolver::CoupledLineParameters& pair, const CoupledEstimate& estimate)
{
    return {{
        {"Zdiff", "Differential impedance, 2 Zodd", units::ohm, pair.differentialImpedance,
         2.0 * estimate.oddImpedance},
        {"Zcomm", "Common-mode impedance, Zeven / 2", units::ohm, pair.commonImpedance, estimate.evenImpedance / 2.0},
        {"Zodd", "Odd-mode impedance", units::ohm, pair.oddImpedance, estimate.oddImpedance},
        {"Zeven", "Even-mode impedance", units::ohm, pair.evenImpedance, estimate.evenImpedance},
        {"eodd", "Odd-mode effective permittivity", units::none, pair.oddEffectivePermittivity,
         estimate.oddPermittivity},
        {"eeven", "Even-mode effective permittivity", units::none, pair.evenEffectivePermittivity,
         estimate.evenPermittivity},
    }};
}

Report pair(const CalculationInput& input, Line line)
{
    const LineShape in = lineShape(input);
    const std::optional<fieldsolver::Result> result = solution(input, line, in);
    const fieldsolver::CoupledLineParameters solved
        = result ? fieldsolver::coupledLines(*result) : fieldsolver::CoupledLineParameters{};
    ReportBuilder report(input.format, input.detail);
    if (line == Line::CoupledMicrostrip) {
        const CoupledEstimate estimate = coupledMicrostrip(in.height, in.w, in.s, in.t, in.er);
        comparisonBlocks(report, result, pairValues(solved, estimate), "Kirschning and Jansen:", "KJ");
        accuracyWarning(report, withinKirschningJansenRange(in), kirschningJansenRangeText,
                        coupledMicrostripWithinTwoPercent(in));
    } else {
        const CoupledEstimate estimate = coupledStripline(in.height, in.w, in.s, in.t, in.er);
        comparisonBlocks(report, result, pairValues(solved, estimate), "Cohn:", "Cohn");
        accuracyWarning(report, withinCohnRange(in), cohnRangeText, coupledStriplineWithinTwoPercent(in));
    }
    return report.take();
}

} // namespace

Report coplanarReport(const CalculationInput& input)
{
    return coplanar(input, Line::Coplanar);
}

Report groundedCoplanarReport(const CalculationInput& input)
{
    return coplanar(input, Line::GroundedCoplanar);
}

Report differentialMicrostripReport(const CalculationInput& input)
{
    return pair(input, Line::CoupledMicrostrip);
}

Report differentialStriplineReport(const CalculationInput& input)
{
    return pair(input, Line::CoupledStripline);
}

} // namespace kalvo::pcb
