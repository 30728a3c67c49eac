#pragma once

namespace kalvo::physics {

// Impedance [Ohm] of a centred stripline (Cohn): ground-plane separation b, trace
// width w and thickness t in one length unit, relative permittivity er. Wide strips
// (w/b >= 0.35) by the parallel-plate and fringing capacitances, narrow ones by the
// equivalent round conductor.
double Zstrip(double b, double w, double t, double er);

} // namespace kalvo::physics
