#include "via.h"

#include "constants.h"
#include "copper.h"
#include "current_capacity.h"

#include <cmath>

namespace kalvo::pcb {
namespace {

constexpr double johnsonCapacitanceFactor = 1.41e-12; // F per inch of board thickness
constexpr double johnsonInductanceFactor = 5.08e-9; // H per inch of via length
constexpr double metresPerInch = physics::mmPerInch * 1e-3;
constexpr double timeConstantsTo90Percent = 2.2;

} // namespace

Via via(const ViaGeometry& g)
{
    Via v;
    const double meanCircumference = physics::pi * (g.hole - g.plating);
    v.barrelArea = meanCircumference * g.plating;
    v.resistance = copperResistance(g.length, v.barrelArea, resistanceReferenceTemperature);
    v.current10 = ipc2152Current(10.0, meanCircumference, g.plating);
    v.current20 = ipc2152Current(20.0, meanCircumference, g.plating);
    v.thermalResistance = g.length / (copperThermalConductivity * v.barrelArea);

    const double lengthInches = g.length / metresPerInch;
    v.capacitance = johnsonCapacitanceFactor * g.er * lengthInches * g.pad / (g.antipad - g.pad);
    v.inductance = johnsonInductanceFactor * lengthInches * (std::log(4.0 * g.length / g.hole) + 1.0);
    v.impedance = std::sqrt(v.inductance / v.capacitance);
    v.capacitiveRiseTime = timeConstantsTo90Percent * v.capacitance * viaLineImpedance / 2.0;
    v.inductiveRiseTime = timeConstantsTo90Percent * v.inductance / (2.0 * viaLineImpedance);
    return v;
}

} // namespace kalvo::pcb
