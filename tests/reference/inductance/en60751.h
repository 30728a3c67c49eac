#pragma once

// The platinum resistance thermometer of EN 60751:2008 (IEC 60751), Callendar-Van Dusen
// with A = 3.9083e-3, B = -5.775e-7, C = -4.183e-12, for -200 to 850 degrees Celsius.
namespace kalvo::reference {

// Resistance ratio R(t) / R0 at t degrees Celsius.
double en60751Ratio(double celsius);

// The temperature of a resistance ratio: the standard's closed form at and above 0
// degrees, a bracketing root search (TOMS 748) of the quartic below.
double en60751Temperature(double ratio);

} // namespace kalvo::reference
