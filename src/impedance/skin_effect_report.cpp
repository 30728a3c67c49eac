#include "impedance_reports.h"

#include "constants.h"

#include <cmath>

namespace kalvo::impedance {
namespace {

constexpr double umPerMm = 1000.0;
constexpr double squareUmPerSquareMm = 1e6;

constexpr const char* closingNote = "\n\nSkin depth is also called \"average current depth\"\n"
                                    "The skin depth is correct for many wire shapes (e.g. rectangular)\n"
                                    "and so allows approximate calculation of active area.";

} // namespace

// Works in micrometres: in metres the relative resistance rise moves in its last printed
// digit. The current is taken to flow in a ring one skin depth deep. The depth keeps its
// key where the report names it "d" for a thin wire: d is the wire's diameter field.
Report skinEffectReport(const CalculationInput& input)
{
    using physics::pi;
    const double diameter = input.value(1) * umPerMm;
    const double resistivity = input.value(2) * 1e6; // Ohm um2/m
    const double ur = input.value(3);
    const double f = input.value(4);
    // mu0 as 4 pi times 1e-7, multiplied in turn: the product with mu0 itself moves the
    // last printed digit.
    const double k = (1.0 / resistivity) * f * physics::twoPi * ur * physics::fourPi * 1e-07;
    const double depth = std::sqrt(2.0 / k);
    const double wireArea = diameter * diameter * pi * 0.25;
    const double core = diameter - 2.0 * depth;
    const double activeArea = wireArea - 0.25 * (core * core) * pi;
    const bool thinWire = diameter <= 4.0 * depth;
    ReportBuilder report(input.format, input.detail);
    report << (thinWire ? "\nd\t= " : "\nds\t= ");
    report.number(QStringLiteral("ds"), depth / umPerMm, units::millimetre)
        << "\tmm\tSkin depth ( Depth where current density is down to 37% ) \nAw\t= ";
    report.number(QStringLiteral("Aw"), wireArea / squareUmPerSquareMm, units::squareMillimetre) << "\tmm2\tWire area";
    if (thinWire) {
        report << "\n\n";
        report.warning(QStringLiteral("Resistance rise is not strong for this wire (<30%)"));
    } else {
        report << "\nAe\t= ";
        report.number(QStringLiteral("Ae"), activeArea / squareUmPerSquareMm, units::squareMillimetre)
            << "\tmm2\tActive wire area\ndelta\t= ";
        report.number(QStringLiteral("delta"), wireArea / activeArea, units::none)
            << "\t\tRelative resistance rise due to skin effect";
    }
    report << closingNote;
    return report.take();
}

} // namespace kalvo::impedance
