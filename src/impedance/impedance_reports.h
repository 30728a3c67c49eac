#pragma once

#include "program.h"

// The GO calculations of kalvo-impedance. Lengths are typed in mm, trace thicknesses
// in um, as the topology table records; every field reads as QString::toDouble, 0 when
// not a number.
namespace kalvo::impedance {

Report microstripReport(const CalculationInput& input); // d, w, t, er
Report embeddedMicrostripReport(const CalculationInput& input); // b, b1, w, t, er
Report differentialReport(const CalculationInput& input); // d, S, Zo
Report striplineReport(const CalculationInput& input); // b, w, t, er
Report offsetStriplineReport(const CalculationInput& input); // h1, h2, w, t, er
Report wireAboveGroundReport(const CalculationInput& input); // d, h, er
Report coaxReport(const CalculationInput& input); // d1, d2, er
Report twistedPairReport(const CalculationInput& input); // d, S, er, T
Report skinEffectReport(const CalculationInput& input); // d, rho, ur, f

} // namespace kalvo::impedance
