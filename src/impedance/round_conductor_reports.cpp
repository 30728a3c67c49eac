#include "impedance_reports.h"
#include "line_report.h"

#include <cmath>

// Both lines depend on a ratio of lengths alone, taken in inches: in metres the last
// printed digit moves.
namespace kalvo::impedance {

Report wireAboveGroundReport(const CalculationInput& input)
{
    const double d = input.value(1) / mmPerInch;
    const double h = input.value(2) / mmPerInch;
    const double er = input.value(3);
    const double z = 60.0 * std::log(4.0 * h / d) / std::sqrt(er);
    ReportBuilder report(input.format, input.detail);
    lineBlock(report, z, lineConstants(z, er));
    return report.take();
}

Report coaxReport(const CalculationInput& input)
{
    const double d1 = input.value(1) / mmPerInch;
    const double d2 = input.value(2) / mmPerInch;
    const double er = input.value(3);
    const double z = 60.0 * std::log(d2 / d1) / std::sqrt(er);
    ReportBuilder report(input.format, input.detail);
    lineBlock(report, z, lineConstants(z, er));
    return report.take();
}

} // namespace kalvo::impedance
