#include "winding_integrals.h"

#include "coaxial_filaments.h"
#include "constants.h"

#include <boost/math/quadrature/gauss.hpp>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

// Self inductances as the double integral of Maxwell's formula over a conductor's cross
// section, the inner integral in polar coordinates around each point of the outer one.
namespace kalvo::reference {
namespace {

using boost::math::quadrature::gauss;

struct Point {
    double r;
    double z;
};

// The winding section of a coil: a rectangle carrying a uniform current density.
struct RectangleSection {
    double r1, r2, z1, z2;

    double density(double) const { return 1.0; }
    // Distance from the interior point p to the edge in the direction angle.
    double reach(Point p, double angle) const
    {
        const double c = std::cos(angle);
        const double s = std::sin(angle);
        const double alongR = c > 0 ? (r2 - p.r) / c : c < 0 ? (r1 - p.r) / c : std::numeric_limits<double>::infinity();
        const double alongZ = s > 0 ? (z2 - p.z) / s : s < 0 ? (z1 - p.z) / s : std::numeric_limits<double>::infinity();
        return std::min(alongR, alongZ);
    }
    // The directions to the corners, where the reach has kinks, ascending in [0, 2 pi].
    std::vector<double> kinks(Point p) const
    {
        std::vector<double> angles;
        for (const double r : {r1, r2})
            for (const double z : {z1, z2}) {
                const double angle = std::atan2(z - p.z, r - p.r);
                angles.push_back(angle < 0 ? angle + physics::twoPi : angle);
            }
        std::sort(angles.begin(), angles.end());
        return angles;
    }
    template <class F>
    double integrate(F f) const
    {
        const auto alongZ = [&](double r) {
            return gauss<double, 20>::integrate([&](double z) { return f(Point{r, z}); }, z1, z2);
        };
        return gauss<double, 20>::integrate(alongZ, r1, r2);
    }
};

// The cross section of a ring of round wire at DC: current density proportional to 1/r.
struct DiskSection {
    double centre, radius;

    double density(double r) const { return 1.0 / r; }
    double reach(Point p, double angle) const
    {
        const double dr = p.r - centre;
        const double along = dr * std::cos(angle) + p.z * std::sin(angle);
        return -along + std::sqrt(along * along + radius * radius - dr * dr - p.z * p.z);
    }
    std::vector<double> kinks(Point) const { return {}; }
    template <class F>
    double integrate(F f) const
    {
        const auto atDistance = [&](double s) {
            const auto around = [&](double angle) {
                return f(Point{centre + s * std::cos(angle), s * std::sin(angle)});
            };
            return s * gauss<double, 30>::integrate(around, 0.0, physics::twoPi);
        };
        return gauss<double, 20>::integrate(atDistance, 0.0, radius);
    }
};

// Integral over the section of density(p2) M(p, p2), in polar coordinates around p:
// rho d(rho) times the logarithm of rho is smooth, more so with rho = reach t^2.
template <class Section>
double fluxOfSection(const Section& section, Point p)
{
    const auto alongRay = [&](double angle) {
        const double reach = section.reach(p, angle);
        const auto integrand = [&](double t) {
            const double rho = reach * t * t;
            const Point q{p.r + rho * std::cos(angle), p.z + rho * std::sin(angle)};
            return section.density(q.r) * coaxialFilamentsMutual(p.r, q.r, q.z - p.z) * 2.0 * reach * reach * t * t * t;
        };
        return gauss<double, 20>::integrate(integrand, 0.0, 1.0);
    };
    std::vector<double> bounds = section.kinks(p);
    bounds.insert(bounds.begin(), 0.0);
    bounds.push_back(physics::twoPi);
    double sum = 0.0;
    for (size_t i = 1; i < bounds.size(); ++i)
        if (bounds[i] > bounds[i - 1])
            sum += gauss<double, 30>::integrate(alongRay, bounds[i - 1], bounds[i]);
    return sum;
}

// L = N^2 / I^2 times the double integral of J(p1) J(p2) M(p1, p2), I the integral of J.
template <class Section>
double sectionInductance(double turns, const Section& section)
{
    const double current = section.integrate([&](Point p) { return section.density(p.r); });
    const double energy = section.integrate([&](Point p) { return section.density(p.r) * fluxOfSection(section, p); });
    return turns * turns * energy / (current * current);
}

} // namespace

double rectangularWindingInductanceBySection(double turns, double innerRadius, double outerRadius, double length)
{
    return sectionInductance(turns, RectangleSection{innerRadius, outerRadius, 0.0, length});
}

double roundWireRingInductance(double loopRadius, double wireRadius)
{
    return sectionInductance(1.0, DiskSection{loopRadius, wireRadius});
}

} // namespace kalvo::reference
