#include "impedance_reports.h"

#include <cmath>

namespace kalvo::impedance {

// Coupled pair from the impedance Zo of one line; only the ratio S/d matters, so the
// lengths are read as typed.
Report differentialReport(const CalculationInput& input)
{
    const double d = input.value(1);
    const double s = input.value(2);
    const double zo = input.value(3);
    const double zdm = 2.0 * zo * (1.0 - 0.48 * std::exp(-0.96 * s / d));
    const double zds = 2.0 * zo * (1.0 - 0.347 * std::exp(-2.9 * s / d));
    ReportBuilder report(input.format, input.detail);
    report << "\nZdm\t= ";
    report.number(QStringLiteral("Zdm"), zdm, units::ohm)
        << "\tOhm\tCharacteristic Microstrip Differential Impedance (Upper Picture)\n\nZds\t= ";
    report.number(QStringLiteral("Zds"), zds, units::ohm)
        << "\tOhm\tCharacteristic Stripline Differential Impedance (Lower Picture)\n\n";
    report.warning(QStringLiteral("No accuracy is granted."));
    return report.take();
}

} // namespace kalvo::impedance
