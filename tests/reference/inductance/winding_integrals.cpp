#include "winding_integrals.h"

#include "coaxial_filaments.h"

#include <boost/math/quadrature/gauss.hpp>

#include <algorithm>
#include <cmath>

namespace kalvo::reference {
namespace {

using boost::math::quadrature::gauss;

constexpr double maxPieceWidth = 1.5;

// The mutual inductance of two coaxial current sheets of one turn each, radii r1 and r2,
// of the same length l and aligned: (2 / l^2) integral over 0..l of (l - u) M(r1, r2, u) du.
// u = w sinh(t) with w the radial gap turns the logarithmic peak at u = 0 and the decay
// beyond u = r into a smooth integrand over a few units of t, taken piecewise.
double alignedSheetsMutual(double r1, double r2, double length)
{
    // The quadrature never meets r1 = r2 itself; the floor keeps w positive regardless.
    const double gap = std::max(std::fabs(r2 - r1), 1e-12 * std::max(r1, r2));
    const auto integrand = [&](double t) {
        const double u = gap * std::sinh(t);
        return (length - u) * coaxialFilamentsMutual(r1, r2, u) * gap * std::cosh(t);
    };
    const double end = std::asinh(length / gap);
    const int pieces = static_cast<int>(std::ceil(end / maxPieceWidth));
    double sum = 0.0;
    for (int i = 0; i < pieces; ++i)
        sum += gauss<double, 10>::integrate(integrand, end * i / pieces, end * (i + 1) / pieces);
    return 2.0 * sum / (length * length);
}

} // namespace

// L = (N / c)^2 times the integral over r1, r2 in [a1, a2] of the sheets' mutual
// inductance: twice the half r2 > r1, with r2 = r1 + (a2 - r1) s so that the kink where the
// sheets coincide lies on the edge s = 0.
double rectangularWindingInductance(double turns, double innerRadius, double outerRadius, double length)
{
    const double thickness = outerRadius - innerRadius;
    const auto outer = [&](double r1) {
        const double span = outerRadius - r1;
        const auto inner = [&](double s) { return alignedSheetsMutual(r1, r1 + span * s, length); };
        return span * gauss<double, 20>::integrate(inner, 0.0, 1.0);
    };
    const double integral = gauss<double, 20>::integrate(outer, innerRadius, outerRadius);
    return 2.0 * turns * turns * integral / (thickness * thickness);
}

} // namespace kalvo::reference
