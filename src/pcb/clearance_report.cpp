#include "clearance.h"
#include "pcb_reports.h"
#include "pcb_units.h"

#include <cmath>

namespace kalvo::pcb {

Report edgeClearanceReport(const CalculationInput& input)
{
    const double volts = input.si(1);
    ReportBuilder report(input.format, input.detail);
    report << "\nMinimum conductor spacing (IPC-2221B, table 6-1):";
    for (const ClearanceColumn& column : clearanceColumns) {
        report << "\n" << column.name << "\t= ";
        report.number(QString::fromLatin1(column.name), minimumSpacing(column, volts), units::millimetre)
            << "\tmm\t" << column.description;
    }
    if (std::fabs(volts) > clearanceRowLimits.back())
        report.warning(QStringLiteral("\n\nAbove 500 V each column adds its value per volt to its 500 V spacing."));
    return report.take();
}

} // namespace kalvo::pcb
