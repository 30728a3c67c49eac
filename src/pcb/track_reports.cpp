#include "current_capacity.h"
#include "pcb_reports.h"
#include "pcb_units.h"
#include "source_ranges.h"

namespace kalvo::pcb {
namespace {

const char* const ipc2152Title = "IPC-2152 (Brooks and Adam's fit, coefficients unverified):";
const char* const ipc2221Title = "IPC-2221:";

void ipc2152Warning(ReportBuilder& report, double thickness, double rise)
{
    if (!withinIpc2152Charts(thickness, rise))
        report.warning(
            QStringLiteral("\n**** Warning ****  Outside the IPC-2152 charts (t 17.5 to 105 um, rise 1 to 100 °C)."));
}

void ipc2221Warning(ReportBuilder& report, double current, double area, double outerRise, double innerRise)
{
    if (!withinIpc2221Chart(current, area, outerRise) || !withinIpc2221Chart(current, area, innerRise))
        report.warning(QStringLiteral(
            "\n**** Warning ****  Outside the IPC-2221 chart (up to 35 A, 700 square mils, rise 10 to 100 °C)."));
}

// Resistance, voltage drop and power of a track of cross-section `area` and `length`
// carrying `current`, cold and `rise` above 20 °C.
void resistanceLines(ReportBuilder& report, double current, double rise, double area, double length)
{
    const double cold = copperResistance(length, area, 20.0);
    const double hot = copperResistance(length, area, 20.0 + rise);
    report << "\n\nThe IPC-2152 track of length l:\nR20\t= ";
    report.number(QStringLiteral("R20"), cold * 1e3, units::milliohm) << "\tmOhm\tResistance at 20 °C\nRhot\t= ";
    report.number(QStringLiteral("Rhot"), hot * 1e3, units::milliohm) << "\tmOhm\tResistance at 20 °C + dT\nU\t= ";
    report.number(QStringLiteral("U"), current * hot * 1e3, units::millivolt) << "\tmV\tVoltage drop at I\nP\t= ";
    report.number(QStringLiteral("P"), current * current * hot * 1e3, units::milliwatt) << "\tmW\tPower at I";
}

} // namespace

Report trackWidthReport(const CalculationInput& input)
{
    const double current = input.si(1);
    const double rise = input.si(2);
    const double thickness = input.si(3);
    const double length = input.si(4);
    const double width = ipc2152Width(current, rise, thickness);
    const double outerArea = ipc2221Area(current, rise, Layer::Outer);
    const double innerArea = ipc2221Area(current, rise, Layer::Inner);

    ReportBuilder report(input.format, input.detail);
    report << "\n" << ipc2152Title << "\nW\t= ";
    report.number(QStringLiteral("W"), width * 1e3, units::millimetre)
        << "\tmm\tTrack width, outer layers; inner ones run cooler";
    ipc2152Warning(report, thickness, rise);
    report << "\n\n" << ipc2221Title << "\nWout\t= ";
    report.number(QStringLiteral("Wout"), outerArea / thickness * 1e3, units::millimetre)
        << "\tmm\tTrack width, outer layers\nWin\t= ";
    report.number(QStringLiteral("Win"), innerArea / thickness * 1e3, units::millimetre)
        << "\tmm\tTrack width, inner layers";
    ipc2221Warning(report, current, innerArea, rise, rise);
    resistanceLines(report, current, rise, width * thickness, length);
    return report.take();
}

Report trackTemperatureReport(const CalculationInput& input)
{
    const double width = input.si(1);
    const double thickness = input.si(2);
    const double current = input.si(3);
    const double area = width * thickness;
    const double rise = ipc2152TemperatureRise(current, width, thickness);
    const double outerRise = ipc2221TemperatureRise(current, area, Layer::Outer);
    const double innerRise = ipc2221TemperatureRise(current, area, Layer::Inner);

    ReportBuilder report(input.format, input.detail);
    report << "\n" << ipc2152Title << "\ndT\t= ";
    report.number(QStringLiteral("dT"), rise, units::degreeCelsius)
        << "\t°C\tTemperature rise, outer layers; inner ones run cooler";
    ipc2152Warning(report, thickness, rise);
    report << "\n\n" << ipc2221Title << "\ndTout\t= ";
    report.number(QStringLiteral("dTout"), outerRise, units::degreeCelsius)
        << "\t°C\tTemperature rise, outer layers\ndTin\t= ";
    report.number(QStringLiteral("dTin"), innerRise, units::degreeCelsius) << "\t°C\tTemperature rise, inner layers";
    ipc2221Warning(report, current, area, outerRise, innerRise);
    return report.take();
}

} // namespace kalvo::pcb
