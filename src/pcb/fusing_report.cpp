#include "copper.h"
#include "current_capacity.h"
#include "pcb_reports.h"
#include "pcb_units.h"

namespace kalvo::pcb {
namespace {

// Onderdonk's equation keeps all the heat in the copper; on a board the laminate draws
// heat off a longer pulse, and the track then carries more.
constexpr double longestAdiabaticPulse = 10.0; // s

} // namespace

Report fusingCurrentReport(const CalculationInput& input)
{
    const double width = input.si(1);
    const double thickness = input.si(2);
    const double seconds = input.si(3);
    const double ambient = input.si(4);
    const double area = width * thickness;
    const double current = onderdonkFusingCurrent(area, seconds, ambient);

    ReportBuilder report(input.format, input.detail);
    report << "\nA\t= ";
    report.number(QStringLiteral("A"), area * 1e6, units::squareMillimetre) << "\tmm2\tCopper cross-section\nI\t= ";
    report.number(QStringLiteral("I"), current, units::ampere)
        << "\tA\tFusing current: melts the track in tp (Onderdonk)\nJ\t= ";
    report.number(QStringLiteral("J"), current / (area * 1e6), units::amperePerSquareMillimetre)
        << "\tA/mm2\tCurrent density at the fusing current";
    // Written as the ranges that hold, so that NaN gets the warnings too.
    if (!(ambient < copperMeltingPoint && ambient > -234.0))
        report.warning(QStringLiteral("\n\n**** Warning ****  Ta must lie between -234 °C and the melting point."));
    else if (!(seconds > 0.0 && seconds <= longestAdiabaticPulse))
        report.warning(QStringLiteral("\n\n**** Warning ****  Onderdonk's equation holds for pulses up to 10 s; "
                                      "longer ones heat the board too."));
    return report.take();
}

} // namespace kalvo::pcb
