#include "inductance_reports.h"

#include "magnetic_constants.h"
#include "thickness_correction.h"

#include <cmath>
#include <numbers>

namespace kalvo::inductance {
namespace {

constexpr double piSquared = std::numbers::pi * std::numbers::pi;

// The coil formulas hold for air cores: ur - 1 >= 0.001 makes them questionable.
// Compared as ur >= 1.001 so that a typed 1.001 counts: in binary 1.001 - 1 is just
// below 0.001.
bool coreIsMagnetic(double relativePermeability)
{
    return relativePermeability >= 1.001;
}

// Integer part of n + 0.5 in decimal; never cast, so any size is exact. Infinite or
// not-a-number counts are written as the formatter writes them.
QString windingsText(double n, const NumberFormat& format)
{
    if (!std::isfinite(n))
        return formatNumber(n, format).trimmed();
    return QString::number(std::trunc(n + 0.5), 'f', 0);
}

} // namespace

// Long coil formula mu0 ur N^2 A / l times the correction coefficient k for short coils.
QString singleLayerCoilReport(const CalculationInput& input)
{
    const auto num = [&](double v) { return formatNumber(v, input.format); };
    const double windings = input.value(1);
    const double diameter = input.value(2) / 1000.0; // m
    const double length = input.value(3) / 1000.0;
    const double permeability = input.value(4);
    const double ratio = diameter / length;

    const double k = 7.6 * std::log10(20.0 + 2.4 * ratio) / (piSquared * (1.0 + 0.52 * ratio));
    const double henry
        = k * mu0 * permeability * windings * windings * std::numbers::pi * diameter * diameter / (4.0 * length);
    const bool questionable = coreIsMagnetic(permeability) || ratio <= 0.01 || ratio >= 20.0;

    QString report = henry > 1e-6
        ? QStringLiteral("\nL\t= ") + num(henry * 1e6) + QStringLiteral("\t[uH]\tCoil Inductance \n\nk\t= ")
        : QStringLiteral("\nL\t= ") + num(henry * 1e9) + QStringLiteral("\t[nH]\tCoil Inductance \n\nk\t= ");
    report += num(k) + QStringLiteral("\t[]\tCorrection coefficient to the ideal long coil formula L = uo*ur*A/l");
    if (questionable)
        report += QStringLiteral("\n\nWarning:\nQuestionable accuracy because of coile core is not air or or coil "
                                 "dimensions are unusual!");
    return report;
}

// Empirical formulas in cm and uH: one for long coils (mean diameter below the length)
// with the winding thickness correction, one for short coils.
QString multiLayerCoilReport(const CalculationInput& input)
{
    const auto num = [&](double v) { return formatNumber(v, input.format); };
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
    const bool questionable = doubtful || coreIsMagnetic(permeability);

    QString report = microhenry > 1.0
        ? QStringLiteral("\nL\t= ") + num(microhenry) + QStringLiteral("\t[uH]\tCoil Inductance \n")
        : QStringLiteral("\nL\t= ") + num(1000.0 * microhenry) + QStringLiteral("\t[nH]\tCoil Inductance \n");
    if (questionable)
        report += QStringLiteral(
            "\nWarning: Questionable accuracy because of coile core is not air or coil dimensions are unusual!");
    return report;
}

// Copper air coil of the least DC resistance for the wanted inductance: square winding
// cross section C x C with inner diameter 2C.
QString optimizedCoilReport(const CalculationInput& input)
{
    const auto num = [&](double v) { return formatNumber(v, input.format); };
    const double microhenry = input.value(1);
    const double wire = input.value(2); // mm
    const double ohm = 0.00801 * std::pow(microhenry * microhenry * microhenry / std::pow(wire, 8.0), 0.2);
    const double windings = 10.2 * std::pow(microhenry * microhenry / (wire * wire), 0.2);
    const double thickness = wire * std::sqrt(windings) / 0.841; // mm
    const double wireLength = 0.188 * std::sqrt(microhenry * thickness); // m

    QString report = QStringLiteral("\nN\t= ") + windingsText(windings, input.format)
        + QStringLiteral("\t\t[]\tNumber of windings\nl\t= ") + num(wireLength)
        + QStringLiteral("\t[m]\tOverall wire length\nR\t= ");
    report += ohm > 0.1 ? num(ohm) + QStringLiteral("\t[Ohm]\tCoil DC resistance\nC\t= ")
                        : num(1000.0 * ohm) + QStringLiteral("\t[mOhm]\tCoil DC resistance\nC\t= ");
    report += num(thickness) + QStringLiteral("\t[mm]\tCoil thickness\n2C\t= ") + num(2.0 * thickness)
        + QStringLiteral("\t[mm]\tInner diameter (Air Core)\n4C\t= ") + num(4.0 * thickness)
        + QStringLiteral("\t[mm]\tOuter diameter");
    return report;
}

} // namespace kalvo::inductance
