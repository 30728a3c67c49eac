#pragma once

// Closed forms of the board lines of kalvo-pcb, beside which the field solver's values
// are printed. Plain C++; every length in one unit (the reports use metres).
namespace kalvo::pcb {

struct LineEstimate {
    double impedance = 0.0; // Z0 [Ohm]
    double effectivePermittivity = 0.0;
};

struct CoupledEstimate {
    double oddImpedance = 0.0; // [Ohm]
    double evenImpedance = 0.0; // [Ohm]
    double oddPermittivity = 0.0; // effective, odd mode
    double evenPermittivity = 0.0; // effective, even mode
};

// Coplanar waveguide on a substrate of height h without a plane below: centre width w,
// gaps s, metal thickness t, infinitely wide side grounds. Conformal mapping (Ghione and
// Naldi) with the thickness correction of Gupta, Garg, Bahl and Bhartia.
LineEstimate coplanarWaveguide(double h, double w, double s, double t, double er);

// The same with a ground plane under the substrate (conductor-backed, Ghione and Naldi).
LineEstimate groundedCoplanarWaveguide(double h, double w, double s, double t, double er);

// Edge-coupled microstrip pair: Kirschning and Jansen's static equations for zero
// thickness, the widths widened for thickness (Hammerstad and Jensen) and the odd mode
// also by the side walls facing each other across the gap; the effective permittivities
// from the widened lines with and without the dielectric.
CoupledEstimate coupledMicrostrip(double h, double w, double s, double t, double er);

// Edge-coupled centred stripline pair between planes b apart: Cohn's exact odd- and
// even-mode impedances for zero thickness and his correction for thin strips.
CoupledEstimate coupledStripline(double b, double w, double s, double t, double er);

} // namespace kalvo::pcb
