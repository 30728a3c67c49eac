#pragma once

// The single-layer coil as a cylindrical current sheet (Lorenz, Nagaoka).
namespace kalvo::reference {

// Nagaoka's coefficient K(D/l) of a current sheet of diameter D and length l: its
// inductance over that of the same sheet without end effects, mu0 N^2 pi D^2 / (4 l).
double nagaokaCoefficient(double diameterOverLength);

// Inductance [H] of a current sheet of N turns, diameter and length in metres.
double currentSheetInductance(double turns, double diameter, double length);

} // namespace kalvo::reference
