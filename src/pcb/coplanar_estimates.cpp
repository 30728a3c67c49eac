#include "constants.h"
#include "elliptic.h"
#include "line_estimates.h"

#include <cmath>

namespace kalvo::pcb {
namespace {

using physics::pi;

// sinh(a) / sinh(b) and tanh(a) / tanh(b) for 0 < a < b, without overflow for wide lines
// on thin substrates.
double sinhRatio(double a, double b)
{
    return std::exp(a - b) * -std::expm1(-2.0 * a) / -std::expm1(-2.0 * b);
}

double tanhRatio(double a, double b)
{
    return std::tanh(a) / std::tanh(b);
}

// The modulus of the centre strip and its gaps in the plane of the metal.
double stripModulus(double w, double s)
{
    return w / (w + 2.0 * s);
}

// Gupta, Garg, Bahl and Bhartia: thick metal widens the strip by delta and narrows the
// gaps by as much, and the field in the gaps' air lowers the effective permittivity. The
// side walls face each other above the substrate only, so the program applies the
// widened modulus to the half-space above the metal and keeps the thin one below.
struct ThicknessCorrection {
    double modulus = 0.0;
    double effectivePermittivity = 0.0;
};

ThicknessCorrection thickMetal(double w, double s, double t, double eeffThin)
{
    if (t <= 0.0)
        return {stripModulus(w, s), eeffThin};
    const double delta = 1.25 * t / pi * (1.0 + std::log(4.0 * pi * w / t));
    const double gapTerm = 0.7 * t / s;
    const double eeff = eeffThin - (eeffThin - 1.0) * gapTerm / (ellipticRatio(stripModulus(w, s)) + gapTerm);
    return {(w + delta) / (w + 2.0 * s - delta), eeff};
}

} // namespace

LineEstimate coplanarWaveguide(double h, double w, double s, double t, double er)
{
    const double k0 = stripModulus(w, s);
    const double k1 = sinhRatio(pi * w / (4.0 * h), pi * (w + 2.0 * s) / (4.0 * h));
    const double filling = 0.5 * ellipticRatio(k1) / ellipticRatio(k0);
    const double eeffThin = 1.0 + (er - 1.0) * filling;
    const ThicknessCorrection thick = thickMetal(w, s, t, eeffThin);
    return {60.0 * pi / std::sqrt(thick.effectivePermittivity) / (ellipticRatio(thick.modulus) + ellipticRatio(k0)),
            thick.effectivePermittivity};
}

LineEstimate groundedCoplanarWaveguide(double h, double w, double s, double t, double er)
{
    const double r0 = ellipticRatio(stripModulus(w, s));
    const double r3 = ellipticRatio(tanhRatio(pi * w / (4.0 * h), pi * (w + 2.0 * s) / (4.0 * h)));
    const double eeffThin = (1.0 + er * r3 / r0) / (1.0 + r3 / r0);
    const ThicknessCorrection thick = thickMetal(w, s, t, eeffThin);
    return {60.0 * pi / std::sqrt(thick.effectivePermittivity) / (ellipticRatio(thick.modulus) + r3),
            thick.effectivePermittivity};
}

} // namespace kalvo::pcb
