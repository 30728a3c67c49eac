#pragma once

// How hot a copper track gets from a steady current, by the two published chart fits, and
// how much current melts it in a pulse. Plain C++; SI units throughout (A, m, m2, K, s).
namespace kalvo::pcb {

// IPC-2152 as a power law: dT = 215.3 I^2.0 W^-1.15 Th^-1.0 (dT in K, I in A, width W and
// thickness Th in mils), given as Brooks and Adam's fit of the IPC-2152 charts for outer
// layers. Its coefficients could not be checked against their paper, and the reports say
// so. IPC-2152 found inner tracks cooler than outer ones, so for them it errs on the safe
// side.
double ipc2152TemperatureRise(double current, double width, double thickness);
double ipc2152Width(double current, double rise, double thickness);
double ipc2152Current(double rise, double width, double thickness);

// IPC-2221: I = k dT^0.44 A^0.725 (I in A, dT in K, cross-section A in square mils),
// k = 0.048 for outer and 0.024 for inner layers.
enum class Layer { Outer, Inner };
double ipc2221Current(double rise, double area, Layer layer);
double ipc2221Area(double current, double rise, Layer layer);
double ipc2221TemperatureRise(double current, double area, Layer layer);

// Onderdonk: the current that heats copper of cross-section `area` from `ambient` [°C]
// to its melting point in `seconds`, all heat staying in the copper:
// I = A sqrt(log10(1 + (Tm - Ta) / (234 + Ta)) / (33 s)) (A in circular mils).
double onderdonkFusingCurrent(double area, double seconds, double ambient);

// Resistance of a copper conductor of cross-section `area` and `length` at `temperature` [°C].
double copperResistance(double length, double area, double temperature);

} // namespace kalvo::pcb
