#pragma once

// Two parallel round wires at the same height above a perfectly conducting ground plane,
// per metre of length, by the method of images (currents returning in the plane).
// Lengths in metres, inductances per length in H/m.
namespace kalvo::reference {

// One wire of diameter d with its axis h above the plane: mu0 / (2 pi) acosh(2h / d).
double wireAboveGroundInductance(double height, double wireDiameter);

// The two wires with axes s apart: mu0 / (4 pi) ln(1 + (2h / s)^2).
double wiresAboveGroundMutual(double separation, double height);

} // namespace kalvo::reference
