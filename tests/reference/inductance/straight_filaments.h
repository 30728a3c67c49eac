#pragma once

// Loops of straight round wire from the partial inductances of straight filaments
// (Grover, Inductance Calculations, 1946, chapters 2 and 3). Lengths in metres,
// inductances in henry.
namespace kalvo::reference {

// Mutual inductance of two parallel filaments of equal length, side by side, distance apart.
double parallelFilamentsMutual(double length, double distance);

// Self inductance at DC (uniform current) of a rectangular loop of round wire: sides x
// and y between the wire axes, wire diameter d. Exact to terms of order d/x.
double rectangularLoopInductance(double x, double y, double wireDiameter);

// Mutual inductance of two equal coaxial squares of this side, parallel and aligned,
// distance apart.
double coaxialSquaresMutual(double side, double distance);

} // namespace kalvo::reference
