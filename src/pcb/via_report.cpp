#include "pcb_reports.h"
#include "pcb_units.h"
#include "source_ranges.h"
#include "via.h"

namespace kalvo::pcb {

Report viaReport(const CalculationInput& input)
{
    const ViaGeometry geometry{.hole = input.si(1),
                               .plating = input.si(2),
                               .length = input.si(3),
                               .pad = input.si(4),
                               .antipad = input.si(5),
                               .er = input.si(6)};
    const Via v = via(geometry);

    ReportBuilder report(input.format, input.detail);
    report << "\nA\t= ";
    report.number(QStringLiteral("A"), v.barrelArea * 1e6, units::squareMillimetre)
        << "\tmm2\tCopper cross-section of the barrel\nR\t= ";
    report.number(QStringLiteral("R"), v.resistance * 1e3, units::milliohm) << "\tmOhm\tResistance at 20 °C\nI10\t= ";
    report.number(QStringLiteral("I10"), v.current10, units::ampere)
        << "\tA\tCurrent for a 10 °C rise (IPC-2152 fit, unverified)\nI20\t= ";
    report.number(QStringLiteral("I20"), v.current20, units::ampere) << "\tA\tCurrent for a 20 °C rise\nRth\t= ";
    report.number(QStringLiteral("Rth"), v.thermalResistance, units::kelvinPerWatt)
        << "\tK/W\tThermal resistance of the barrel";
    // Written as the ranges that hold, so that NaN gets the warnings too.
    if (!(geometry.plating > 0.0 && 2.0 * geometry.plating < geometry.hole))
        report.warning(QStringLiteral("\n**** Warning ****  The plating must be thinner than half the hole."));
    else if (!withinIpc2152Charts(geometry.plating, 10.0))
        report.warning(QStringLiteral("\n**** Warning ****  Plating outside the IPC-2152 charts (17.5 to 105 um)."));

    report << "\n\nC\t= ";
    report.number(QStringLiteral("C"), v.capacitance * 1e12, units::picofarad)
        << "\tpF\tCapacitance of the pad to the planes (Johnson)\nL\t= ";
    report.number(QStringLiteral("L"), v.inductance * 1e9, units::nanohenry) << "\tnH\tInductance (Johnson)\nZ\t= ";
    report.number(QStringLiteral("Z"), v.impedance, units::ohm) << "\tOhm\tImpedance, sqrt(L/C)\nTrC\t= ";
    report.number(QStringLiteral("TrC"), v.capacitiveRiseTime * 1e12, units::picosecond)
        << "\tps\t10-90 % rise time added by C on a 50 Ohm line\nTrL\t= ";
    report.number(QStringLiteral("TrL"), v.inductiveRiseTime * 1e12, units::picosecond)
        << "\tps\t10-90 % rise time added by L on a 50 Ohm line";
    if (!(geometry.hole > 0.0 && geometry.hole < geometry.pad && geometry.pad < geometry.antipad))
        report.warning(QStringLiteral("\n**** Warning ****  Johnson's formulas need d < D1 < D2."));
    return report.take();
}

} // namespace kalvo::pcb
