#include "inductance_reports.h"

#include "constants.h"
#include "thickness_correction.h"

#include <cmath>

namespace kalvo::inductance {
using namespace physics;
namespace {

constexpr double piSquared = pi * pi;

// The coil formulas hold for air cores: ur - 1 >= 0.001 makes them questionable.
// Compared as ur >= 1.001 so that a typed 1.001 counts: in binary 1.001 - 1 is just
// below 0.001.
bool coreIsMagnetic(double relativePermeability)
{
    return relativePermeability >= 1.001;
}

// The windings rounded to the nearest integer (half up); never cast, so any size is exact.
double roundedWindings(double n)
{
    return std::trunc(n + 0.5);
}

// A rounded count in decimal; infinite or not-a-number counts as the formatter writes them.
QString windingsText(double count, const NumberFormat& format)
{
    if (!std::isfinite(count))
        return formattedNumber(count, format).number();
    return QString::number(count, 'f', 0);
}

// Against the exact inductance of a winding of uniform current density (mean diameter
// Dm, thickness c, length l) the empirical formulas are more than 20 % off
//   for short coils where l + c < 0.28 Dm: flat thin windings read high, up to +214 %
//   at l = 0.02 Dm, c = 0.01 Dm (the 20 % limit lies at l + c = 0.266 to 0.272 Dm);
//   for long coils where c > 0.34 Dm + 0.035 l: thick windings read high (the limit
//   lies at c = 0.38 Dm for l just above Dm, 0.55 Dm at l = 5 Dm, 0.77 Dm at l = 11 Dm;
//   beyond l = 12 Dm the formula stays within 20 %).
bool multiLayerFormulaFarOff(double mean, double thickness, double length)
{
    if (mean < length)
        return thickness > 0.34 * mean + 0.035 * length;
    return length + thickness < 0.28 * mean;
}

} // namespace

// Long coil formula mu0 ur N^2 A / l times the correction coefficient k for short coils.
Report singleLayerCoilReport(const CalculationInput& input)
{
    const double windings = input.value(1);
    const double diameter = input.si(2);
    const double length = input.si(3);
    const double permeability = input.value(4);
    const double ratio = diameter / length;

    const double k = 7.6 * std::log10(20.0 + 2.4 * ratio) / (piSquared * (1.0 + 0.52 * ratio));
    const double henry = k * mu0 * permeability * windings * windings * pi * diameter * diameter / (4.0 * length);
    const bool questionable = coreIsMagnetic(permeability) || ratio <= 0.01 || ratio >= 20.0;

    ReportBuilder report(input.format, input.detail);
    report << "\nL\t= ";
    if (henry > 1e-6)
        report.number("L", henry * 1e6, units::microhenry) << "\t[uH]";
    else
        report.number("L", henry * 1e9, units::nanohenry) << "\t[nH]";
    report << "\tCoil Inductance \n\nk\t= ";
    report.number("k", k, units::ratio) << "\t[]\tCorrection coefficient to the ideal long coil formula L = uo*ur*A/l";
    if (questionable) {
        report << "\n\nWarning:\n";
        report.warning("Questionable accuracy because of coile core is not air or or coil dimensions are unusual!");
    }
    return report.take();
}

// Empirical formulas in cm and uH: one for long coils (mean diameter below the length)
// with the winding thickness correction, one for short coils.
Report multiLayerCoilReport(const CalculationInput& input)
{
    const double windings = input.value(1);
    const double inner = input.value(2) / 10.0; // cm
    const double outer = input.value(3) / 10.0;
    const double length = input.value(4) / 10.0;
    const double permeability = input.value(5);
    const double mean = (inner + outer) / 2.0;
    const double thickness = (outer - inner) / 2.0;

    double microhenry = 0.0;
    bool doubtful = false;
    if (mean < length) {
        const ThicknessCorrection correction = thicknessCorrection(length / thickness);
        doubtful = correction.doubtful;
        microhenry = 0.0063 * permeability * windings * windings * mean
            * (1.5 / (0.46 + length / mean) - thickness * correction.k / length);
    } else {
        microhenry
            = 0.0105 * permeability * windings * windings * mean * std::pow(mean / (2.0 * (length + thickness)), 0.75);
        doubtful = mean / length > 50.0;
    }
    const bool questionable
        = doubtful || coreIsMagnetic(permeability) || multiLayerFormulaFarOff(mean, thickness, length);

    ReportBuilder report(input.format, input.detail);
    report << "\nL\t= ";
    if (microhenry > 1.0)
        report.number("L", microhenry, units::microhenry) << "\t[uH]";
    else
        report.number("L", 1000.0 * microhenry, units::nanohenry) << "\t[nH]";
    report << "\tCoil Inductance \n";
    if (questionable) {
        report << "\nWarning: ";
        report.warning("Questionable accuracy because of coile core is not air or coil dimensions are unusual!");
    }
    return report.take();
}

// Copper air coil of the least DC resistance for the wanted inductance: square winding
// cross section C x C with inner diameter 2C.
Report optimizedCoilReport(const CalculationInput& input)
{
    const double microhenry = input.value(1);
    const double wire = input.value(2); // mm
    const double ohm = 0.00801 * std::pow(microhenry * microhenry * microhenry / std::pow(wire, 8.0), 0.2);
    const double windings = 10.2 * std::pow(microhenry * microhenry / (wire * wire), 0.2);
    const double thickness = wire * std::sqrt(windings) / 0.841; // mm
    const double wireLength = 0.188 * std::sqrt(microhenry * thickness); // m

    ReportBuilder report(input.format, input.detail);
    report << "\nN\t= ";
    const double count = roundedWindings(windings);
    report.number("N", count, units::none, windingsText(count, input.format)) << "\t\t[]\tNumber of windings\nl\t= ";
    report.number("l", wireLength, units::metre) << "\t[m]\tOverall wire length\nR\t= ";
    if (ohm > 0.1)
        report.number("R", ohm, units::ohm) << "\t[Ohm]";
    else
        report.number("R", 1000.0 * ohm, units::milliohm) << "\t[mOhm]";
    report << "\tCoil DC resistance\nC\t= ";
    report.number("C", thickness, units::millimetre) << "\t[mm]\tCoil thickness\n2C\t= ";
    report.number("2C", 2.0 * thickness, units::millimetre) << "\t[mm]\tInner diameter (Air Core)\n4C\t= ";
    report.number("4C", 4.0 * thickness, units::millimetre) << "\t[mm]\tOuter diameter";
    return report.take();
}

} // namespace kalvo::inductance
