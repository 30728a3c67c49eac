#include "constants.h"
#include "elliptic.h"
#include "line_estimates.h"
#include "stripline.h"

#include <cmath>

namespace kalvo::pcb {
namespace {

using physics::pi;

constexpr double freeSpaceImpedance = physics::mu0 * physics::c0; // Ohm

// Hammerstad and Jensen's single microstrip of zero thickness, normalised width u.
double airImpedance(double u)
{
    const double f = 6.0 + (2.0 * pi - 6.0) * std::exp(-std::pow(30.666 / u, 0.7528));
    return freeSpaceImpedance / (2.0 * pi) * std::log(f / u + std::sqrt(1.0 + 4.0 / (u * u)));
}

double fillingExponent(double u, double er)
{
    const double u4 = u * u * u * u;
    const double a = 1.0 + std::log((u4 + std::pow(u / 52.0, 2.0)) / (u4 + 0.432)) / 49.0
        + std::log(1.0 + std::pow(u / 18.1, 3.0)) / 18.7;
    const double b = 0.564 * std::pow((er - 0.9) / (er + 3.0), 0.053);
    return a * b;
}

double effectivePermittivity(double u, double er)
{
    return (er + 1.0) / 2.0 + (er - 1.0) / 2.0 * std::pow(1.0 + 10.0 / u, -fillingExponent(u, er));
}

// Kirschning and Jansen, even mode: the single-line formula at an equivalent width.
double evenPermittivity(double u, double g, double er)
{
    const double v = u * (20.0 + g * g) / (10.0 + g * g) + g * std::exp(-g);
    return (er + 1.0) / 2.0 + (er - 1.0) / 2.0 * std::pow(1.0 + 10.0 / v, -fillingExponent(v, er));
}

double oddPermittivity(double u, double g, double er)
{
    const double eeff = effectivePermittivity(u, er);
    const double a0 = 0.7287 * (eeff - (er + 1.0) / 2.0) * (1.0 - std::exp(-0.179 * u));
    const double b0 = 0.747 * er / (0.15 + er);
    const double c0 = b0 - (b0 - 0.207) * std::exp(-0.414 * u);
    const double d0 = 0.593 + 0.694 * std::exp(-0.562 * u);
    return ((er + 1.0) / 2.0 + a0 - eeff) * std::exp(-c0 * std::pow(g, d0)) + eeff;
}

struct CouplingTerms {
    double q2 = 0.0;
    double q4 = 0.0;
};

CouplingTerms evenCoupling(double u, double g)
{
    const double q1 = 0.8695 * std::pow(u, 0.194);
    const double q2 = 1.0 + 0.7519 * g + 0.189 * std::pow(g, 2.31);
    const double q3 = 0.1975 + std::pow(16.6 + std::pow(8.4 / g, 6.0), -0.387)
        + std::log(std::pow(g, 10.0) / (1.0 + std::pow(g / 3.4, 10.0))) / 241.0;
    const double q4 = 2.0 * q1 / q2 / (std::exp(-g) * std::pow(u, q3) + (2.0 - std::exp(-g)) * std::pow(u, -q3));
    return {q2, q4};
}

double oddCoupling(double u, double g)
{
    const CouplingTerms even = evenCoupling(u, g);
    const double q5 = 1.794 + 1.14 * std::log(1.0 + 0.638 / (g + 0.517 * std::pow(g, 2.43)));
    const double q6 = 0.2305 + std::log(std::pow(g, 10.0) / (1.0 + std::pow(g / 5.8, 10.0))) / 281.3
        + std::log(1.0 + 0.598 * std::pow(g, 1.154)) / 5.1;
    const double q7 = (10.0 + 190.0 * g * g) / (1.0 + 82.3 * g * g * g);
    const double q8 = std::exp(-6.5 - 0.95 * std::log(g) - std::pow(g / 0.15, 5.0));
    const double q9 = std::log(q7) * (q8 + 1.0 / 16.5);
    return even.q4 - q5 / even.q2 * std::exp(q6 * std::log(u) * std::pow(u, -q9));
}

// The mode impedance from the single line of the same width in air and the mode's
// coupling term.
double modeImpedance(double u, double modePermittivity, double coupling)
{
    const double single = airImpedance(u);
    return single / std::sqrt(modePermittivity) / (1.0 - single * coupling / freeSpaceImpedance);
}

// Hammerstad and Jensen's width added by a strip of normalised thickness th; the odd
// mode also gains the side walls facing each other across the gap.
struct ThickWidths {
    double even = 0.0;
    double odd = 0.0;
};

ThickWidths thickWidths(double u, double g, double th, double er)
{
    if (th <= 0.0)
        return {u, u};
    const double coth = 1.0 / std::tanh(std::sqrt(6.517 * u));
    const double single = th / pi * std::log(1.0 + 4.0 * std::exp(1.0) / (th * coth * coth));
    const double widening = 0.5 * (1.0 + 1.0 / std::cosh(std::sqrt(er - 1.0))) * single;
    const double sideWalls = th / (g * er);
    const double even = u + widening * (1.0 - 0.5 * std::exp(-0.69 * widening / sideWalls));
    return {even, even + sideWalls};
}

// Cohn's normalised fringing capacitance of one edge of a strip of relative thickness x
// between two planes; 2 ln 2 for a strip of zero thickness.
double fringing(double x)
{
    if (x <= 0.0)
        return 2.0 * std::log(2.0);
    const double u = 1.0 - x;
    return 2.0 / u * std::log(1.0 / u + 1.0) - (1.0 / u - 1.0) * std::log(1.0 / (u * u) - 1.0);
}

// A strip between planes whose conformal map has modulus k: the single strip of width w
// has k = tanh(pi w / 2b), a coupled pair's modes tanh products.
double stripImpedance(double k, double er)
{
    return 30.0 * pi / std::sqrt(er) / ellipticRatio(k);
}

} // namespace

CoupledEstimate coupledMicrostrip(double h, double w, double s, double t, double er)
{
    const double g = s / h;
    const ThickWidths u = thickWidths(w / h, g, t / h, er);
    CoupledEstimate e;
    e.evenImpedance = modeImpedance(u.even, evenPermittivity(u.even, g, er), evenCoupling(u.even, g).q4);
    e.oddImpedance = modeImpedance(u.odd, oddPermittivity(u.odd, g, er), oddCoupling(u.odd, g));
    // As Hammerstad and Jensen take a thick strip: its side walls stand in air, so the
    // air-filled line is widened more than the loaded one, and the effective
    // permittivity is the square of the ratio of the two impedances.
    const ThickWidths air = thickWidths(w / h, g, t / h, 1.0);
    e.evenPermittivity = std::pow(modeImpedance(air.even, 1.0, evenCoupling(air.even, g).q4) / e.evenImpedance, 2.0);
    e.oddPermittivity = std::pow(modeImpedance(air.odd, 1.0, oddCoupling(air.odd, g)) / e.oddImpedance, 2.0);
    return e;
}

CoupledEstimate coupledStripline(double b, double w, double s, double t, double er)
{
    const double a = pi * w / (2.0 * b);
    const double c = pi * (w + s) / (2.0 * b);
    const double single = stripImpedance(std::tanh(a), er);
    CoupledEstimate e;
    e.evenImpedance = stripImpedance(std::tanh(a) * std::tanh(c), er);
    e.oddImpedance = stripImpedance(std::tanh(a) / std::tanh(c), er);
    e.evenPermittivity = er;
    e.oddPermittivity = er;
    if (t > 0.0) {
        const double thick = physics::Zstrip(b, w, t, er);
        const double fringingGain = fringing(t / b) / fringing(0.0);
        e.oddImpedance = 1.0 / (1.0 / thick + fringingGain * (1.0 / e.oddImpedance - 1.0 / single));
        e.evenImpedance = 1.0 / (1.0 / thick - fringingGain * (1.0 / single - 1.0 / e.evenImpedance));
    }
    return e;
}

} // namespace kalvo::pcb
