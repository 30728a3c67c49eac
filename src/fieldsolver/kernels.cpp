#include "kernels.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace kalvo::fieldsolver::detail {
namespace {

constexpr double pi = std::numbers::pi;
constexpr double inverseTwoPi = 0.5 / pi;
constexpr double inverseFourPi = 0.25 / pi;
constexpr int adaptiveDepth = 30;
// A piece of an arc (or of a panel under the shield's image) is integrated by Gauss
// points when the singularity is this many piece lengths away.
constexpr double farEnough = 2.0;
// Beyond this |x - x'| (in units of b / pi) the two-plane series has converged to its
// nearest images.
constexpr double farAlongPlanes = 40.0;

// Gauss-Legendre nodes and weights on [-1, 1].
constexpr std::array<double, 6> gaussNodes{-0.9324695142031521, -0.6612093864662645, -0.2386191860831969,
                                           0.2386191860831969,  0.6612093864662645,  0.9324695142031521};
constexpr std::array<double, 6> gaussWeights{0.1713244923791704, 0.3607615730481386, 0.4679139345726910,
                                             0.4679139345726910, 0.3607615730481386, 0.1713244923791704};

Influence& operator+=(Influence& a, const Influence& b)
{
    a.potential += b.potential;
    a.field = a.field + b.field;
    return a;
}

Influence& operator-=(Influence& a, const Influence& b)
{
    a.potential -= b.potential;
    a.field = a.field - b.field;
    return a;
}

double xLogR2(double x, double r2)
{
    return r2 > 0.0 ? x * std::log(r2) : 0.0;
}

// A straight panel from a to b, in closed form: the potential (wantField false) or the
// field (wantField true).
Influence segment(Vec2 a, Vec2 b, Vec2 p, bool self, bool wantField)
{
    const Vec2 d = b - a;
    const double length = norm(d);
    const Vec2 t = (1.0 / length) * d;
    const Vec2 nu{-t.y, t.x};
    const Vec2 w = p - a;
    const double u = dot(w, t);
    const double v = self ? 0.0 : dot(w, nu);
    const double rA2 = u * u + v * v;
    const double rB2 = (u - length) * (u - length) + v * v;
    const double theta = self ? 0.0 : std::atan2(length * v, v * v + u * (u - length));
    Influence influence;
    if (wantField) {
        const double along = (rA2 > 0.0 && rB2 > 0.0) ? 0.5 * std::log(rA2 / rB2) : 0.0;
        influence.field = inverseTwoPi * (along * t + theta * nu);
    } else {
        influence.potential = -inverseTwoPi * (0.5 * (xLogR2(u, rA2) - xLogR2(u - length, rB2)) - length + v * theta);
    }
    return influence;
}

// The free-space kernel of a point charge (per unit length of panel).
Influence pointCharge(Vec2 source, Vec2 p)
{
    const Vec2 r = p - source;
    const double r2 = dot(r, r);
    return {-inverseFourPi * std::log(r2), (inverseTwoPi / r2) * r};
}

struct Arc {
    Vec2 centre;
    double radius;
    double theta0;
    double theta1;
    Vec2 at(double theta) const { return centre + radius * Vec2{std::cos(theta), std::sin(theta)}; }
};

Influence arcGauss(const Arc& arc, Vec2 p)
{
    Influence sum;
    const double half = 0.5 * (arc.theta1 - arc.theta0);
    const double middle = 0.5 * (arc.theta1 + arc.theta0);
    for (std::size_t k = 0; k < gaussNodes.size(); ++k) {
        const Influence one = pointCharge(arc.at(middle + half * gaussNodes[k]), p);
        const double weight = gaussWeights[k] * half * arc.radius;
        sum.potential += weight * one.potential;
        sum.field = sum.field + weight * one.field;
    }
    return sum;
}

Influence arcAdaptive(const Arc& arc, Vec2 p, int depth)
{
    const double length = arc.radius * (arc.theta1 - arc.theta0);
    const Vec2 middle = arc.at(0.5 * (arc.theta0 + arc.theta1));
    if (depth <= 0 || norm(p - middle) > farEnough * length)
        return arcGauss(arc, p);
    const double split = 0.5 * (arc.theta0 + arc.theta1);
    Influence sum = arcAdaptive({arc.centre, arc.radius, arc.theta0, split}, p, depth - 1);
    sum += arcAdaptive({arc.centre, arc.radius, split, arc.theta1}, p, depth - 1);
    return sum;
}

// A point on the arc's own circle: ln|p - r'| = ln|2R sin(u/2)| with u the angle between
// them, integrated as ln|u| in closed form plus the smooth ln(2R sin(u/2) / u) by Gauss
// points; the normal field of a circle's charge on the circle itself is constant.
Influence sameCircle(const Arc& arc, Vec2 p)
{
    const Vec2 radial = p - arc.centre;
    const double thetaP = std::atan2(radial.y, radial.x);
    double u0 = arc.theta0 - thetaP;
    double u1 = arc.theta1 - thetaP;
    const double shift = 2.0 * pi * std::round(0.5 * (u0 + u1) / (2.0 * pi));
    u0 -= shift;
    u1 -= shift;
    const auto primitive = [](double u) { return u == 0.0 ? 0.0 : u * std::log(std::abs(u)) - u; };
    double smooth = 0.0;
    const double half = 0.5 * (u1 - u0);
    const double middle = 0.5 * (u1 + u0);
    for (std::size_t k = 0; k < gaussNodes.size(); ++k) {
        const double u = middle + half * gaussNodes[k];
        const double ratio = std::abs(u) < 1e-8 ? 0.5 : std::sin(0.5 * u) / u;
        smooth += gaussWeights[k] * half * std::log(2.0 * arc.radius * ratio);
    }
    Influence influence;
    influence.potential = -inverseTwoPi * arc.radius * (primitive(u1) - primitive(u0) + smooth);
    influence.field = ((u1 - u0) * inverseFourPi / arc.radius) * radial;
    return influence;
}

Influence freeSpace(const Panel& source, Vec2 p, bool self, int circle, bool wantField)
{
    if (!source.arc)
        return segment(source.a, source.b, p, self, wantField);
    const Arc arc{source.centre, source.radius, source.theta0, source.theta1};
    if (circle >= 0 && circle == source.circle)
        return sameCircle(arc, p);
    return arcAdaptive(arc, p, adaptiveDepth);
}

// The source mirrored in the horizontal line y = level, in free space.
Influence mirrored(const Panel& source, Vec2 p, double level, bool wantField)
{
    if (!source.arc)
        return segment({source.a.x, 2.0 * level - source.a.y}, {source.b.x, 2.0 * level - source.b.y}, p, false,
                       wantField);
    const Arc arc{{source.centre.x, 2.0 * level - source.centre.y}, source.radius, -source.theta1, -source.theta0};
    return arcAdaptive(arc, p, adaptiveDepth);
}

// Calls f(point, weight) at Gauss points of the source cut into pieces no longer than
// maxPiece.
template <class F>
void gaussPoints(const Panel& source, double maxPiece, const F& f)
{
    const int pieces = std::max(1, static_cast<int>(std::ceil(source.length / maxPiece)));
    for (int piece = 0; piece < pieces; ++piece) {
        const double t0 = static_cast<double>(piece) / pieces;
        const double t1 = static_cast<double>(piece + 1) / pieces;
        for (std::size_t k = 0; k < gaussNodes.size(); ++k) {
            const double t = 0.5 * (t0 + t1) + 0.5 * (t1 - t0) * gaussNodes[k];
            const double weight = 0.5 * gaussWeights[k] * (t1 - t0) * source.length;
            Vec2 point;
            if (source.arc) {
                const double theta = source.theta0 + t * (source.theta1 - source.theta0);
                point = source.centre + source.radius * Vec2{std::cos(theta), std::sin(theta)};
            } else {
                point = source.a + t * (source.b - source.a);
            }
            f(point, weight);
        }
    }
}

// Between planes at y = 0 and y = b the Green's function is
//   G = 1/(4 pi) ln[(cosh a - cos c+) / (cosh a - cos c-)],  a = pi (x - x')/b, c+- = pi (y +- y')/b.
// What is left after the charge and its images in both planes are taken out, in a form
// free of cancellation (cosh a - cos c = 2 sinh^2(a/2) + 2 sin^2(c/2)); smooth within b of
// the source.
Influence betweenPlanesRemainder(Vec2 source, Vec2 p, double b, bool wantField)
{
    const double k = pi / b;
    const double a = k * (p.x - source.x);
    const double cPlus = k * (p.y + source.y);
    const double cMinus = k * (p.y - source.y);
    const double cUpper = cPlus - 2.0 * pi;
    const double a2 = a * a;
    const double rMinus = a2 + cMinus * cMinus;
    const double rPlus = a2 + cPlus * cPlus;
    const double rUpper = a2 + cUpper * cUpper;
    double series = 0.0; // ln(D+/D-)
    double sh = 0.0;
    double dPlus = 1.0;
    double dMinus = 1.0;
    const bool near = std::abs(a) < farAlongPlanes;
    if (near) {
        sh = std::sinh(0.5 * a);
        const double sPlus = std::sin(0.5 * cPlus);
        const double sMinus = std::sin(0.5 * cMinus);
        dPlus = 2.0 * (sh * sh + sPlus * sPlus);
        dMinus = 2.0 * (sh * sh + sMinus * sMinus);
        const double ratioMinus = rMinus > 1e-300 ? rMinus / dMinus : 2.0;
        series = std::log(dPlus * ratioMinus);
    } else {
        series = std::log(rMinus);
    }
    Influence influence;
    influence.potential = inverseFourPi * (series - std::log(rPlus * rUpper)) - inverseTwoPi * std::log(1.0 / k);
    if (!wantField)
        return influence;
    double da = 2.0 * a / rMinus - 2.0 * a / rPlus - 2.0 * a / rUpper;
    double dc = 2.0 * cMinus / rMinus - 2.0 * cPlus / rPlus - 2.0 * cUpper / rUpper;
    if (near) {
        const double sinhA = std::sinh(a);
        da += sinhA / dPlus - sinhA / dMinus;
        dc += std::sin(cPlus) / dPlus - std::sin(cMinus) / dMinus;
    }
    if (!(rMinus > 1e-300))
        da = dc = 0.0;
    influence.field = (-inverseFourPi * k) * Vec2{da, dc};
    return influence;
}

// Inside a grounded circle of radius 1 about the origin the Green's function is the free
// one plus 1/(4 pi) ln(|r|^2 |r'|^2 - 2 r.r' + 1) (the charge's image at r'/|r'|^2).
Influence shieldRemainder(Vec2 source, Vec2 p)
{
    const double q = dot(p, p) * dot(source, source) - 2.0 * dot(p, source) + 1.0;
    return {inverseFourPi * std::log(q), (-inverseFourPi * 2.0 / q) * (dot(source, source) * p - source)};
}

Influence shieldAdaptive(const Panel& source, double t0, double t1, Vec2 p, int depth)
{
    const auto at = [&source](double t) {
        if (source.arc) {
            const double theta = source.theta0 + t * (source.theta1 - source.theta0);
            return source.centre + source.radius * Vec2{std::cos(theta), std::sin(theta)};
        }
        return source.a + t * (source.b - source.a);
    };
    const double length = (t1 - t0) * source.length;
    const Vec2 middle = at(0.5 * (t0 + t1));
    const double m2 = dot(middle, middle);
    const bool smooth = m2 < 1e-6 || norm(p - (1.0 / m2) * middle) > farEnough * length / m2;
    if (depth <= 0 || smooth) {
        Influence sum;
        for (std::size_t k = 0; k < gaussNodes.size(); ++k) {
            const double t = 0.5 * (t0 + t1) + 0.5 * (t1 - t0) * gaussNodes[k];
            const double weight = 0.5 * gaussWeights[k] * length;
            const Influence one = shieldRemainder(at(t), p);
            sum.potential += weight * one.potential;
            sum.field = sum.field + weight * one.field;
        }
        return sum;
    }
    const double split = 0.5 * (t0 + t1);
    Influence sum = shieldAdaptive(source, t0, split, p, depth - 1);
    sum += shieldAdaptive(source, split, t1, p, depth - 1);
    return sum;
}

} // namespace

Kernel::Kernel(const Model& model)
    : green(model.green)
    , spacing(model.spacing)
{
}

Influence Kernel::operator()(const Panel& source, Vec2 p, bool self, int circle, bool wantField) const
{
    Influence influence = freeSpace(source, p, self, circle, wantField);
    switch (green) {
    case Green::Free:
        break;
    case Green::Below:
        influence -= mirrored(source, p, 0.0, wantField);
        break;
    case Green::BelowAndAbove:
        influence -= mirrored(source, p, 0.0, wantField);
        influence -= mirrored(source, p, spacing, wantField);
        gaussPoints(source, spacing, [&](Vec2 point, double weight) {
            const Influence one = betweenPlanesRemainder(point, p, spacing, wantField);
            influence.potential += weight * one.potential;
            influence.field = influence.field + weight * one.field;
        });
        break;
    case Green::Shield:
        influence += shieldAdaptive(source, 0.0, 1.0, p, adaptiveDepth);
        break;
    }
    return influence;
}

} // namespace kalvo::fieldsolver::detail
