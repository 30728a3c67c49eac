#include "flux.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <numbers>

namespace kalvo::fieldsolver::detail {
namespace {

constexpr double inverseTwoPi = 0.5 / std::numbers::pi;
constexpr int depthLimit = 12;
constexpr std::array<double, 6> nodes{-0.9324695142031521, -0.6612093864662645, -0.2386191860831969,
                                      0.2386191860831969,  0.6612093864662645,  0.9324695142031521};
constexpr std::array<double, 6> weights{0.1713244923791704, 0.3607615730481386, 0.4679139345726910,
                                        0.4679139345726910, 0.3607615730481386, 0.1713244923791704};

double cross(Vec2 a, Vec2 b)
{
    return a.x * b.y - a.y * b.x;
}

// eps-weighted flux through the contour of a unit charge at p, divided by 2 pi times the
// subtended angle: er inside a homogeneous region, 0 far outside it.
double weight(const Contour& contour, Vec2 p)
{
    double sum = 0.0;
    for (const ContourSide& side : contour) {
        const Vec2 u = side.a - p;
        const Vec2 v = side.b - p;
        sum += side.er * std::atan2(cross(u, v), dot(u, v));
    }
    return inverseTwoPi * sum;
}

// ln sinh(z), also where sinh overflows.
std::complex<double> logSinh(std::complex<double> z)
{
    if (std::abs(z.real()) < 20.0)
        return std::log(std::sinh(z));
    if (z.real() > 0.0)
        return z - std::log(2.0);
    return -z - std::log(2.0) + std::complex<double>(0.0, std::numbers::pi);
}

// The same for a charge repeated every 2b along y (the image series between two planes):
// the angles subtended from all copies sum to the n = 0 angle plus
// arg[sinh(pi v/2b) / v] - arg[sinh(pi u/2b) / u] (u, v the side's ends seen from p), as
// sinh(pi w/2b) / (pi w/2b) is the product over n != 0 of (1 - i w/(2nb)).
double periodicWeight(const Contour& contour, Vec2 p, double b)
{
    const double k = 0.5 * std::numbers::pi / b;
    double sum = 0.0;
    for (const ContourSide& side : contour) {
        const std::complex<double> u{side.a.x - p.x, side.a.y - p.y};
        const std::complex<double> v{side.b.x - p.x, side.b.y - p.y};
        if (u == 0.0 || v == 0.0)
            continue; // p on a corner of the contour: a point of no weight in the integral
        const double nearest = std::arg(v / u);
        const double others = std::remainder((logSinh(k * v) - std::log(v) - logSinh(k * u) + std::log(u)).imag(),
                                             2.0 * std::numbers::pi);
        sum += side.er * (nearest + others);
    }
    return inverseTwoPi * sum;
}

// The weight of a unit charge at p together with its images in the ground planes.
double weightWithImages(const Model& model, const Contour& contour, Vec2 p)
{
    switch (model.green) {
    case Green::Free:
    case Green::Shield: // no conductor in a coaxial cross-section touches an interface
        return weight(contour, p);
    case Green::Below:
        return weight(contour, p) - weight(contour, {p.x, -p.y});
    case Green::BelowAndAbove:
        return periodicWeight(contour, p, model.spacing) - periodicWeight(contour, {p.x, -p.y}, model.spacing);
    }
    return 0.0;
}

double distanceToSegment(Vec2 p, Vec2 a, Vec2 b)
{
    const Vec2 d = b - a;
    const double t = std::clamp(dot(p - a, d) / dot(d, d), 0.0, 1.0);
    return norm(p - (a + t * d));
}

double distanceToContour(const Contour& contour, Vec2 p)
{
    double nearest = distanceToSegment(p, contour.front().a, contour.front().b);
    for (const ContourSide& side : contour)
        nearest = std::min(nearest, distanceToSegment(p, side.a, side.b));
    return nearest;
}

Vec2 pointOn(const Panel& panel, double t)
{
    if (panel.arc) {
        const double theta = panel.theta0 + t * (panel.theta1 - panel.theta0);
        return panel.centre + panel.radius * Vec2{std::cos(theta), std::sin(theta)};
    }
    return panel.a + t * (panel.b - panel.a);
}

double integrate(const Model& model, const Contour& contour, const Panel& panel, double t0, double t1, int depth)
{
    const double length = (t1 - t0) * panel.length;
    const Vec2 middle = pointOn(panel, 0.5 * (t0 + t1));
    if (depth > 0 && length > 0.5 * distanceToContour(contour, middle)) {
        const double split = 0.5 * (t0 + t1);
        return integrate(model, contour, panel, t0, split, depth - 1)
            + integrate(model, contour, panel, split, t1, depth - 1);
    }
    double sum = 0.0;
    for (std::size_t k = 0; k < nodes.size(); ++k) {
        const Vec2 p = pointOn(panel, 0.5 * (t0 + t1) + 0.5 * (t1 - t0) * nodes[k]);
        sum += weights[k] * weightWithImages(model, contour, p);
    }
    return 0.5 * length * sum;
}

// Where a straight panel crosses the contour (parameters in (0, 1), sorted).
std::vector<double> crossings(const Contour& contour, const Panel& panel)
{
    std::vector<double> ts;
    if (panel.arc)
        return ts;
    const Vec2 d = panel.b - panel.a;
    for (const ContourSide& side : contour) {
        const Vec2 e = side.b - side.a;
        const double denominator = cross(d, e);
        if (denominator == 0.0)
            continue;
        const Vec2 w = side.a - panel.a;
        const double t = cross(w, e) / denominator;
        const double s = cross(w, d) / denominator;
        if (t > 0.0 && t < 1.0 && s >= 0.0 && s <= 1.0)
            ts.push_back(t);
    }
    std::sort(ts.begin(), ts.end());
    return ts;
}

// Half the room around the body, so that the contour encloses nothing else and crosses
// only the interfaces the body touches.
} // namespace

Contour contourAround(const Model& model, int index)
{
    const Body& body = model.bodies[static_cast<std::size_t>(index)];
    const double g = contourOffset(model, index);
    const double x0 = body.x0 - g, x1 = body.x1 + g, y0 = body.y0 - g, y1 = body.y1 + g;
    std::vector<double> levels{y0};
    for (const double level : model.interfaces)
        if (level > y0 && level < y1)
            levels.push_back(level);
    levels.push_back(y1);
    std::sort(levels.begin(), levels.end());
    Contour contour;
    const auto add = [&](Vec2 a, Vec2 b) { contour.push_back({a, b, mediumAt(model, 0.5 * (a + b))}); };
    add({x0, y0}, {x1, y0});
    for (std::size_t k = 0; k + 1 < levels.size(); ++k)
        add({x1, levels[k]}, {x1, levels[k + 1]});
    add({x1, y1}, {x0, y1});
    for (std::size_t k = levels.size() - 1; k > 0; --k)
        add({x0, levels[k]}, {x0, levels[k - 1]});
    if (model.green != Green::BelowAndAbove)
        return contour;
    // Between two planes no side may be longer than b / 2, so that the angles from the
    // image copies other than the nearest sum to less than pi.
    Contour shortSides;
    for (const ContourSide& side : contour) {
        const int pieces = static_cast<int>(std::ceil(norm(side.b - side.a) / (0.5 * model.spacing)));
        for (int k = 0; k < pieces; ++k)
            shortSides.push_back({side.a + (static_cast<double>(k) / pieces) * (side.b - side.a),
                                  side.a + (static_cast<double>(k + 1) / pieces) * (side.b - side.a), side.er});
    }
    return shortSides;
}

std::vector<double> contourWeights(const Model& model, const Contour& contour, const std::vector<Panel>& panels)
{
    std::vector<double> result;
    result.reserve(panels.size());
    for (const Panel& panel : panels) {
        double sum = 0.0;
        double start = 0.0;
        for (const double t : crossings(contour, panel)) {
            sum += integrate(model, contour, panel, start, t, depthLimit);
            start = t;
        }
        result.push_back(sum + integrate(model, contour, panel, start, 1.0, depthLimit));
    }
    return result;
}

} // namespace kalvo::fieldsolver::detail
