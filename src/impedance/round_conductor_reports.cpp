#include "impedance_reports.h"
#include "line_report.h"

#include <cmath>

namespace kalvo::impedance {

QString wireAboveGroundReport(const CalculationInput& input)
{
    const double d = input.value(1) / mmPerInch;
    const double h = input.value(2) / mmPerInch;
    const double er = input.value(3);
    const double z = 60.0 * std::log(4.0 * h / d) / std::sqrt(er);
    return lineBlock(z, impedanceLabel, lineConstants(z, er), input.format);
}

QString coaxReport(const CalculationInput& input)
{
    const double d1 = input.value(1) / mmPerInch;
    const double d2 = input.value(2) / mmPerInch;
    const double er = input.value(3);
    const double z = 60.0 * std::log(d2 / d1) / std::sqrt(er);
    return lineBlock(z, impedanceLabel, lineConstants(z, er), input.format);
}

} // namespace kalvo::impedance
