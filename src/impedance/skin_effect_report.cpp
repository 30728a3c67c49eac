#include "impedance_reports.h"
#include "line_report.h"

#include <cmath>

namespace kalvo::impedance {
namespace {

constexpr double twoPi = 6.283185307179586;

constexpr const char* closingNote = "\n\nSkin depth is also called \"average current depth\"\n"
                                    "The skin depth is correct for many wire shapes (e.g. rectangular)\n"
                                    "and so allows approximate calculation of active area.";

} // namespace

// Works in micrometres; the current is taken to flow in a ring one skin depth deep.
QString skinEffectReport(const CalculationInput& input)
{
    const double diameter = input.value(1) * 1000.0;
    const double resistivity = input.value(2) * 1e6;
    const double ur = input.value(3);
    const double f = input.value(4);
    const double k = (1.0 / resistivity) * f * twoPi * ur * 4.0 * pi * 1e-07;
    const double depth = std::sqrt(2.0 / k);
    const double wireArea = diameter * diameter * pi * 0.25;
    const double core = diameter - 2.0 * depth;
    const double activeArea = wireArea - 0.25 * (core * core) * pi;
    const double rise = wireArea / activeArea;
    const auto num = [&input](double v) { return formatNumber(v, input.format); };
    if (diameter <= 4.0 * depth) {
        return QStringLiteral("\nd\t= ") + num(depth / 1000.0)
            + QStringLiteral("\tmm\tSkin depth ( Depth where current density is down to 37% ) \nAw\t= ")
            + num(wireArea / 1e6)
            + QStringLiteral("\tmm2\tWire area\n\nResistance rise is not strong for this wire (<30%)")
            + QLatin1String(closingNote);
    }
    return QStringLiteral("\nds\t= ") + num(depth / 1000.0)
        + QStringLiteral("\tmm\tSkin depth ( Depth where current density is down to 37% ) \nAw\t= ")
        + num(wireArea / 1e6) + QStringLiteral("\tmm2\tWire area\nAe\t= ") + num(activeArea / 1e6)
        + QStringLiteral("\tmm2\tActive wire area\ndelta\t= ") + num(rise)
        + QStringLiteral("\t\tRelative resistance rise due to skin effect") + QLatin1String(closingNote);
}

} // namespace kalvo::impedance
