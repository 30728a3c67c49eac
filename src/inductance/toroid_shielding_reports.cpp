#include "inductance_reports.h"

#include "constants.h"

#include <cmath>
#include <numbers>

namespace kalvo::inductance {
using namespace physics;

// The same winding on a round and on a rectangular core cross section.
Report toroidReport(const CalculationInput& input)
{
    const double diameter = input.si(1);
    const double width = input.si(2);
    const double height = input.si(3);
    const double windings = input.value(4);
    const double permeability = input.value(5);
    const double squaredWindings = windings * windings;

    const double roundNanohenry = 100.0 * pi * squaredWindings * permeability * width * width / diameter;
    const double rectangularHenry
        = mu0 * permeability * squaredWindings * height / twoPi * std::log((diameter + width) / (diameter - width));

    // Both lines in uH once the round one exceeds 1000 nH.
    const bool inMicrohenry = roundNanohenry > 1000.0;
    const Unit& unit = inMicrohenry ? units::microhenry : units::nanohenry;
    const char* unitText = inMicrohenry ? "\t[uH]" : "\t[nH]";
    ReportBuilder report(input.format, input.detail);
    report << "\nL1\t= ";
    report.number("L1", inMicrohenry ? roundNanohenry * 0.001 : roundNanohenry, unit)
        << unitText << "\tRound cross section Inductance\n\nL2\t= ";
    report.number("L2", rectangularHenry * (inMicrohenry ? 1e6 : 1e9), unit)
        << unitText << "\tRectangular cross section Inductance";
    return report.take();
}

// Skin-effect attenuation through the sheet against the leakage through a slot, which
// acts as an antenna below half a wavelength and does not attenuate above it.
Report shieldingReport(const CalculationInput& input)
{
    const double thickness = input.si(1);
    const double resistivity = input.si(2);
    const double permeability = input.value(3);
    const double frequency = input.si(4);
    const double slot = input.si(5);

    const double skinDepth = std::sqrt(2.0 * resistivity / (twoPi * frequency * permeability * mu0));
    const double fieldRatio = std::exp(thickness / skinDepth);
    // 20 log10(e^(d / ds)) without the exponential, which overflows beyond about 710 skin depths.
    const double sheetDecibel = 20.0 / std::numbers::ln10 * thickness / skinDepth;
    const double wavelength = c0 / frequency;
    const double slotDecibel = wavelength / 2.0 > slot ? 20.0 * std::log10(wavelength / (2.0 * slot)) : 0.0;

    ReportBuilder report(input.format, input.detail);
    report << "\nds\t= ";
    report.number("ds", 1000.0 * skinDepth, units::millimetre) << "\t[mm]\tSkin depth \nHx/Ho\t= ";
    report.number("Hx/Ho", fieldRatio, units::ratio) << "\t[]\tMagnetic field attenuation\nHx/Ho\t= ";
    report.number("Hx/Ho_dB", -sheetDecibel, units::decibel) << "\t[dB]\tMagnetic field attenuation\nHx/Hs\t= ";
    report.number("Hx/Hs", slotDecibel, units::decibel) << "\t[dB]\tSlot field attenuation (Worst case)\n\n";
    report.warning(slotDecibel > sheetDecibel
                       ? "Shield thickness is dominant, try to increase shield thickness for better results."
                       : "Slot length is dominant, try to shorten the slots for better results.");
    return report.take();
}

} // namespace kalvo::inductance
