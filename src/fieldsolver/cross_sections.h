#pragma once

// The standard cross-sections of the programs, built for solve(). Every length in metres;
// the signal trace (or the first trace of a pair) is centred on x = 0 or x < 0, and a pair
// is symmetric about x = 0. Degenerate inputs are passed through and make solve() return
// its error.
#include "field_solver.h"

namespace kalvo::fieldsolver {

// A trace of width w and thickness t (0 for zero thickness) on a substrate of height h and
// permittivity er over one ground plane; air above.
CrossSection microstrip(double h, double w, double t, double er);

// A trace whose underside is b above the plane, inside a dielectric of height b1 >= b + t
// above the plane (air above it).
CrossSection embeddedMicrostrip(double b, double b1, double w, double t, double er);

// A trace centred between two planes b apart, in a homogeneous dielectric.
CrossSection stripline(double b, double w, double t, double er);

// A trace whose underside is h above the lower of two planes b apart (homogeneous
// dielectric); h = (b - t) / 2 is the centred stripline.
CrossSection offsetStripline(double b, double h, double w, double t, double er);

// A round wire of diameter d with its centre h above one plane, in a homogeneous medium.
CrossSection wireAboveGround(double d, double h, double er);

// Two round wires of diameter d, centres s apart, in a homogeneous medium; the first is
// the signal, the second its return (grounded).
CrossSection twoWires(double d, double s, double er);

// Two insulated round wires in air, as in a twisted pair: diameter d, centres s apart, each
// insulated out to the diameter D (<= s; D = s makes the insulations touch) with er.
CrossSection insulatedWires(double d, double s, double D, double er);

// Coaxial line: inner conductor diameter d1, shield inner diameter d2, one dielectric.
CrossSection coax(double d1, double d2, double er);

// Coaxial line with two concentric dielectrics: erInner out to diameter d, erOuter from d
// to the shield.
CrossSection layeredCoax(double d1, double d, double d2, double erInner, double erOuter);

// Coplanar waveguide: a trace of width w with gaps s to two grounded side conductors of
// the same thickness t, on a substrate of height h; with or without a ground plane under
// the substrate. The side grounds are sideWidth wide, or, for sideWidth = 0, as wide as
// the result needs to stand for infinitely wide ones (see coplanarSideWidth).
CrossSection coplanarWaveguide(double h, double w, double s, double t, double er, bool groundBelow,
                               double sideWidth = 0.0);
double coplanarSideWidth(double h, double w, double s, bool groundBelow);

// Edge-coupled pairs: two traces of width w, s apart (edge to edge), both signals.
CrossSection coupledMicrostrip(double h, double w, double s, double t, double er);
CrossSection coupledStripline(double b, double w, double s, double t, double er);

} // namespace kalvo::fieldsolver
