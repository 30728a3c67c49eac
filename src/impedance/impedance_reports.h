#pragma once

#include "program.h"

// The GO calculations of kalvo-impedance. Lengths are typed in mm, trace thicknesses
// in um; every field reads as QString::toDouble, 0 when not a number.
namespace kalvo::impedance {

QString microstripReport(const CalculationInput& input); // d, w, t, er
QString embeddedMicrostripReport(const CalculationInput& input); // b, b1, w, t, er
QString differentialReport(const CalculationInput& input); // d, S, Zo
QString striplineReport(const CalculationInput& input); // b, w, t, er
QString offsetStriplineReport(const CalculationInput& input); // h1, h2, w, t, er
QString wireAboveGroundReport(const CalculationInput& input); // d, h, er
QString coaxReport(const CalculationInput& input); // d1, d2, er
QString twistedPairReport(const CalculationInput& input); // d, S, er, T
QString skinEffectReport(const CalculationInput& input); // d, rho, ur, f

} // namespace kalvo::impedance
