#pragma once

// Inductances of axisymmetric windings and rings as integrals of Maxwell's mutual
// inductance of coaxial filaments over the conductor's cross section. Lengths in metres,
// inductances in henry.
namespace kalvo::reference {

// N turns filling a rectangular winding section uniformly (uniform current density):
// radii from inner to outer, axial length. Integrated as coaxial current sheets (the
// axial double integral folded into one); accurate to about 1e-7.
double rectangularWindingInductance(double turns, double innerRadius, double outerRadius, double length);

// The same winding integrated the other way: over the section in polar coordinates
// around each point, which takes out the logarithmic singularity; accurate to about
// 1e-5, used to check the method above.
double rectangularWindingInductanceBySection(double turns, double innerRadius, double outerRadius, double length);

// A ring of round wire at DC: the current density falls as 1/r across the wire, as the
// driving field of a closed ring does. Loop radius to the wire axis, wire radius below it.
double roundWireRingInductance(double loopRadius, double wireRadius);

} // namespace kalvo::reference
