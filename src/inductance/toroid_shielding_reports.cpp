#include "inductance_reports.h"

#include "magnetic_constants.h"

#include <cmath>
#include <numbers>

namespace kalvo::inductance {
namespace {

constexpr double speedOfLight = 299792458.0; // m/s

} // namespace

// The same winding on a round and on a rectangular core cross section; both lines use
// the unit that suits the round one.
QString toroidReport(const CalculationInput& input)
{
    const auto num = [&](double v) { return formatNumber(v, input.format); };
    const double diameter = input.value(1) / 1000.0; // m
    const double width = input.value(2) / 1000.0;
    const double height = input.value(3) / 1000.0;
    const double windings = input.value(4);
    const double permeability = input.value(5);
    const double squaredWindings = windings * windings;

    const double roundNanohenry = 100.0 * std::numbers::pi * squaredWindings * permeability * width * width / diameter;
    const double rectangularHenry = mu0 * permeability * squaredWindings * height / (2.0 * std::numbers::pi)
        * std::log((diameter + width) / (diameter - width));

    if (roundNanohenry > 1000.0)
        return QStringLiteral("\nL1\t= ") + num(roundNanohenry * 0.001)
            + QStringLiteral("\t[uH]\tRound cross section Inductance\n\nL2\t= ") + num(rectangularHenry * 1e6)
            + QStringLiteral("\t[uH]\tRectangular cross section Inductance");
    return QStringLiteral("\nL1\t= ") + num(roundNanohenry)
        + QStringLiteral("\t[nH]\tRound cross section Inductance\n\nL2\t= ") + num(rectangularHenry * 1e9)
        + QStringLiteral("\t[nH]\tRectangular cross section Inductance");
}

// Skin-effect attenuation through the sheet against the leakage through a slot, which
// acts as an antenna below half a wavelength and does not attenuate above it.
QString shieldingReport(const CalculationInput& input)
{
    const auto num = [&](double v) { return formatNumber(v, input.format); };
    const double thickness = input.value(1) / 1000.0; // m
    const double resistivity = input.value(2) / 1e6; // Ohm m
    const double permeability = input.value(3);
    const double frequency = input.value(4);
    const double slot = input.value(5) / 1000.0; // m

    const double skinDepth = std::sqrt(
        2.0
        / (2.0 * std::numbers::pi * frequency * (1.0 / resistivity) * permeability * 4.0 * std::numbers::pi * 1e-7));
    const double fieldRatio = std::exp(thickness / skinDepth);
    const double sheetDecibel = 20.0 * std::log10(fieldRatio);
    const double wavelength = speedOfLight / frequency;
    const double slotDecibel = wavelength / 2.0 > slot ? 20.0 * std::log10(wavelength / (2.0 * slot)) : 0.0;

    QString report = QStringLiteral("\nds\t= ") + num(1000.0 * skinDepth)
        + QStringLiteral("\t[mm]\tSkin depth \nHx/Ho\t= ") + num(fieldRatio)
        + QStringLiteral("\t[]\tMagnetic field attenuation\nHx/Ho\t= ") + num(-sheetDecibel)
        + QStringLiteral("\t[dB]\tMagnetic field attenuation\nHx/Hs\t= ") + num(slotDecibel)
        + QStringLiteral("\t[dB]\tSlot field attenuation (Worst case)\n\n");
    report += slotDecibel > sheetDecibel
        ? QStringLiteral("Shield thickness is dominant, try to increase shield thickness for better results.")
        : QStringLiteral("Slot length is dominant, try to shorten the slots for better results.");
    return report;
}

} // namespace kalvo::inductance
