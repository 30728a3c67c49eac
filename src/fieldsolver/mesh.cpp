#include "mesh.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace kalvo::fieldsolver::detail {
namespace {

constexpr double pi = std::numbers::pi;
constexpr double touching = 1e-9; // model units, as in model.cpp
constexpr double sideStep = 1e-9; // how far beside a panel its media are looked up
// Panels per unit of the counting function at level 0.
constexpr double baseMultiplier = 2.0;
constexpr double maxBaseCount = 1 << 20; // panels of one piece at level 0 (keeps the count an int)
// Beyond lambda the panels grow as d / (m logCoefficient), m the panels per unit.
constexpr double logCoefficient = 0.35;
// A circle far from everything gets 2 units of the counting function.
constexpr double circleUnits = 2.0;
// Circles closer to an object than this many radii are graded towards it.
constexpr double circleReach = 4.0;
// The smallest panels where insulations touch, in units of the circle's radius at level 0.
constexpr double contactFloor = 0.05;
constexpr int simpsonDepth = 24;
constexpr int simpsonStart = 32;
constexpr int simpsonBudget = 20000; // integrand evaluations per piece
constexpr double simpsonTolerance = 1e-5; // of the counting function, per piece
constexpr double endOffset = 1e-6; // of the integration variable

// A point the mesh is graded towards, by a density (panels per unit length at level 0,
// before baseMultiplier) that depends on the distance d from it. Around a singular one (a
// corner or a strip edge, where the charge density grows as d^-1/3 to d^-1/2) the count
// of panels within d grows as (d/lambda)^(1/3) up to d = lambda, then logarithmically
// (panels of a size proportional to d); around a smooth one the size is proportional to
// d, but not below lambda.
struct Attractor {
    Vec2 point;
    double lambda = 1.0;
    bool singular = true;
};

double singularDensity(double lambda, double d)
{
    return 1.0 / (3.0 * std::cbrt(lambda * d * d));
}

// The density at base + offset; the offset is kept apart so that distances of points very
// close to a corner are not lost to rounding.
double density(const std::vector<Attractor>& attractors, Vec2 base, Vec2 offset, double floor)
{
    double rho = floor;
    for (const Attractor& a : attractors) {
        const double d = norm((base - a.point) + offset);
        double r = 0.0;
        if (a.singular)
            r = d < a.lambda ? singularDensity(a.lambda, d) : logCoefficient / d;
        else
            r = logCoefficient / std::max(d, a.lambda);
        rho = std::max(rho, r);
    }
    return rho;
}

double cornerLambda(const Model& model, int index, Vec2 corner)
{
    const Body& body = model.bodies[static_cast<std::size_t>(index)];
    double lambda = body.x1 - body.x0;
    if (!body.thin())
        lambda = std::min(lambda, body.y1 - body.y0);
    return std::min(lambda, clearance(model, corner, index, touching));
}

// A circle (a round conductor's surface or its insulation's) is graded towards the nearest
// point of an object `gap` away in `direction`. Touching insulations still get panels of
// a size in proportion to their radius at the contact.
void addCircleAttractor(std::vector<Attractor>& attractors, Vec2 centre, double radius, Vec2 direction, double gap)
{
    const double length = norm(direction);
    if (!(length > 0.0) || !(gap < circleReach * radius))
        return;
    const Vec2 unit = (1.0 / length) * direction;
    const double lambda = std::max(std::sqrt(std::max(gap, 0.0) * radius), contactFloor * radius);
    attractors.push_back({centre + radius * unit, lambda, false});
}

// Each circle (of body `own`, or none) is graded towards the nearest point of every object
// close to it.
void addCircleAttractors(const Model& model, Vec2 c, double radius, int own, std::vector<Attractor>& attractors)
{
    for (std::size_t j = 0; j < model.bodies.size(); ++j) {
        if (static_cast<int>(j) == own)
            continue;
        const Body& other = model.bodies[j];
        if (other.circle) {
            addCircleAttractor(attractors, c, radius, other.centre - c, norm(other.centre - c) - radius - other.radius);
        } else {
            const Vec2 nearest{std::clamp(c.x, other.x0, other.x1), std::clamp(c.y, other.y0, other.y1)};
            addCircleAttractor(attractors, c, radius, nearest - c, norm(nearest - c) - radius);
        }
    }
    for (const Coating& coating : model.coatings)
        if (coating.body != own)
            addCircleAttractor(attractors, c, radius, coating.centre - c,
                               norm(coating.centre - c) - radius - coating.radius);
    if (model.green == Green::Below || model.green == Green::BelowAndAbove)
        addCircleAttractor(attractors, c, radius, {0.0, -1.0}, c.y - radius);
    if (model.green == Green::BelowAndAbove)
        addCircleAttractor(attractors, c, radius, {0.0, 1.0}, model.spacing - c.y - radius);
    if (model.green == Green::Shield)
        addCircleAttractor(attractors, c, radius, c, 1.0 - norm(c) - radius);
    for (const double level : model.interfaces) {
        if (model.coaxial) {
            const double e = norm(c);
            if (level > e)
                addCircleAttractor(attractors, c, radius, c, level - e - radius);
            else
                addCircleAttractor(attractors, c, radius, -1.0 * c, e - radius - level);
        } else {
            const double side = level > c.y ? 1.0 : -1.0;
            addCircleAttractor(attractors, c, radius, {0.0, side}, std::abs(level - c.y) - radius);
        }
    }
}

std::vector<Attractor> findAttractors(const Model& model)
{
    std::vector<Attractor> attractors;
    for (std::size_t i = 0; i < model.bodies.size(); ++i) {
        const Body& body = model.bodies[i];
        const int index = static_cast<int>(i);
        if (body.circle) {
            addCircleAttractors(model, body.centre, body.radius, index, attractors);
            continue;
        }
        std::vector<Vec2> corners{{body.x0, body.y0}, {body.x1, body.y0}};
        if (!body.thin()) {
            corners.push_back({body.x1, body.y1});
            corners.push_back({body.x0, body.y1});
        }
        for (const Vec2 corner : corners)
            attractors.push_back({corner, cornerLambda(model, index, corner), true});
    }
    for (const Coating& coating : model.coatings)
        addCircleAttractors(model, coating.centre, coating.radius, coating.body, attractors);
    return attractors;
}

// Adaptive Simpson integration that records the running integral at the end of every
// accepted interval.
template <class F>
void simpson(const F& f, double a, double b, double fa, double fm, double fb, double whole, double tolerance, int depth,
             int& budget, double& running, std::vector<double>& xs, std::vector<double>& ns)
{
    const double m = 0.5 * (a + b);
    const double flm = f(0.5 * (a + m));
    const double frm = f(0.5 * (m + b));
    budget -= 2;
    const double left = (m - a) / 6.0 * (fa + 4.0 * flm + fm);
    const double right = (b - m) / 6.0 * (fm + 4.0 * frm + fb);
    if (depth <= 0 || budget <= 0 || std::abs(left + right - whole) <= 15.0 * tolerance) {
        running += left + right + (left + right - whole) / 15.0;
        xs.push_back(b);
        ns.push_back(running);
        return;
    }
    simpson(f, a, m, fa, flm, fm, left, 0.5 * tolerance, depth - 1, budget, running, xs, ns);
    simpson(f, m, b, fm, frm, fb, right, 0.5 * tolerance, depth - 1, budget, running, xs, ns);
}

} // namespace

struct Mesher::Piece {
    bool arc = false;
    Vec2 a;
    Vec2 b;
    Vec2 centre;
    double radius = 0.0;
    double theta0 = 0.0;
    double theta1 = 0.0;
    double normalSign = 1.0; // straight pieces: +1 the left normal of a -> b, -1 the right one
    int owner = -1;
    int circle = -1;
    bool thin = false;
    std::vector<double> vars; // the counting function: integration variable ...
    std::vector<double> counts; // ... and the count up to it
    int base = 1;

    // The integration variable w runs over [0, 2] on a straight piece (t = w^3 / 2, then
    // 1 - (2 - w)^3 / 2, so that the density singular at either end becomes bounded) and
    // over [0, 1] on an arc.
    double span() const { return arc ? 1.0 : 2.0; }
    double parameter(double w) const
    {
        if (arc)
            return w;
        if (w <= 1.0)
            return 0.5 * w * w * w;
        const double v = 2.0 - w;
        return 1.0 - 0.5 * v * v * v;
    }
    double slope(double w) const
    {
        if (arc)
            return 1.0;
        const double v = w <= 1.0 ? w : 2.0 - w;
        return 1.5 * v * v;
    }
    double length() const { return arc ? radius * (theta1 - theta0) : norm(b - a); }
    // The point at w as a base point and a small offset from it.
    std::pair<Vec2, Vec2> locate(double w) const
    {
        if (arc)
            return {point(w), Vec2{}};
        if (w <= 1.0)
            return {a, (0.5 * w * w * w) * (b - a)};
        const double v = 2.0 - w;
        return {b, (0.5 * v * v * v) * (a - b)};
    }
    Vec2 point(double t) const
    {
        if (arc) {
            const double theta = theta0 + t * (theta1 - theta0);
            return centre + radius * Vec2{std::cos(theta), std::sin(theta)};
        }
        return a + t * (b - a);
    }
};

namespace {

void buildCountingFunction(Mesher::Piece& piece, const std::vector<Attractor>& attractors, double floor)
{
    const double length = piece.length();
    const double span = piece.span();
    const auto integrand = [&](double w) {
        double slope = piece.slope(w);
        if (slope == 0.0) { // a singular end: the integrand is smooth in w, take it just beside
            w = w < 0.5 * span ? endOffset : span - endOffset;
            slope = piece.slope(w);
        }
        const auto [base, offset] = piece.locate(w);
        const double value = density(attractors, base, offset, floor) * length * slope;
        return std::isfinite(value) ? value : 0.0;
    };
    piece.vars.assign(1, 0.0);
    piece.counts.assign(1, 0.0);
    double running = 0.0;
    int budget = simpsonBudget;
    const double step = span / simpsonStart;
    for (int k = 0; k < simpsonStart; ++k) {
        const double a = k * step;
        const double b = k + 1 == simpsonStart ? span : (k + 1) * step;
        const double fa = integrand(a);
        const double fm = integrand(0.5 * (a + b));
        const double fb = integrand(b);
        const double whole = (b - a) / 6.0 * (fa + 4.0 * fm + fb);
        simpson(integrand, a, b, fa, fm, fb, whole, simpsonTolerance / simpsonStart, simpsonDepth, budget, running,
                piece.vars, piece.counts);
    }
    const double count = std::ceil(baseMultiplier * piece.counts.back() - 1e-9);
    piece.base = count >= 1.0 ? static_cast<int>(std::min(count, maxBaseCount)) : 1;
}

// The integration variable where the counting function reaches `count`.
double invert(const Mesher::Piece& piece, double count)
{
    const auto upper = std::lower_bound(piece.counts.begin(), piece.counts.end(), count);
    if (upper == piece.counts.begin())
        return piece.vars.front();
    if (upper == piece.counts.end())
        return piece.vars.back();
    const auto k = static_cast<std::size_t>(upper - piece.counts.begin());
    const double n0 = piece.counts[k - 1];
    const double n1 = piece.counts[k];
    const double f = n1 > n0 ? (count - n0) / (n1 - n0) : 0.0;
    return piece.vars[k - 1] + f * (piece.vars[k] - piece.vars[k - 1]);
}

Mesher::Piece segmentPiece(Vec2 a, Vec2 b, double normalSign, int owner, bool thin)
{
    Mesher::Piece piece;
    piece.a = a;
    piece.b = b;
    piece.normalSign = normalSign;
    piece.owner = owner;
    piece.thin = thin;
    return piece;
}

Mesher::Piece circlePiece(Vec2 centre, double radius, double start, int owner, int circle)
{
    Mesher::Piece piece;
    piece.arc = true;
    piece.centre = centre;
    piece.radius = radius;
    piece.theta0 = start;
    piece.theta1 = start + 2.0 * pi;
    piece.owner = owner;
    piece.circle = circle;
    return piece;
}

// Start a circle's mesh where it is graded most, so that symmetric structures get
// symmetric meshes.
double startAngle(Vec2 centre, double radius, const std::vector<Attractor>& attractors)
{
    double best = 0.0;
    double start = 0.0;
    for (const Attractor& a : attractors) {
        const Vec2 d = a.point - centre;
        const double distance = std::max(std::abs(norm(d) - radius), a.lambda);
        if (norm(d) > 0.0 && 1.0 / distance > best) {
            best = 1.0 / distance;
            start = std::atan2(d.y, d.x);
        }
    }
    return start;
}

// The interface line at y = level between the truncation points, less the conductor faces
// on it, cut where a contour around a conductor will cross it (flux.h), so that the
// contour meets panel ends on every mesh.
void addPlanarInterface(const Model& model, double level, std::vector<Mesher::Piece>& pieces)
{
    struct Interval {
        double x0, x1;
    };
    std::vector<Interval> covered;
    std::vector<double> cuts;
    for (std::size_t i = 0; i < model.bodies.size(); ++i) {
        const Body& body = model.bodies[i];
        if (body.circle || (body.y0 != level && body.y1 != level))
            continue;
        covered.push_back({body.x0, body.x1});
        if (body.signalIndex >= 0 && needsContour(model, static_cast<int>(i))) {
            const double g = contourOffset(model, static_cast<int>(i));
            cuts.push_back(body.x0 - g);
            cuts.push_back(body.x1 + g);
        }
    }
    std::sort(covered.begin(), covered.end(), [](const Interval& p, const Interval& q) { return p.x0 < q.x0; });
    std::sort(cuts.begin(), cuts.end());
    const auto addFree = [&](double from, double to) {
        for (const double cut : cuts) {
            if (cut > from && cut < to) {
                pieces.push_back(segmentPiece({from, level}, {cut, level}, 1.0, -1, false));
                from = cut;
            }
        }
        pieces.push_back(segmentPiece({from, level}, {to, level}, 1.0, -1, false));
    };
    double x = model.truncationLeft;
    for (const Interval& interval : covered) {
        if (interval.x0 > x)
            addFree(x, interval.x0);
        x = std::max(x, interval.x1);
    }
    if (model.truncationRight > x)
        addFree(x, model.truncationRight);
}

} // namespace

Mesher::Mesher(const Model& model)
    : model(model)
{
    const std::vector<Attractor> attractors = findAttractors(model);
    for (std::size_t i = 0; i < model.bodies.size(); ++i) {
        const Body& body = model.bodies[i];
        const int owner = static_cast<int>(i);
        if (body.circle) {
            pieces.push_back(
                circlePiece(body.centre, body.radius, startAngle(body.centre, body.radius, attractors), owner, owner));
            buildCountingFunction(pieces.back(), attractors, circleUnits / (2.0 * pi * body.radius));
            continue;
        }
        if (body.thin()) {
            pieces.push_back(segmentPiece({body.x0, body.y0}, {body.x1, body.y0}, 1.0, owner, true));
        } else {
            // Counter-clockwise, so that the right normal points out of the conductor.
            const Vec2 corners[4] = {{body.x0, body.y0}, {body.x1, body.y0}, {body.x1, body.y1}, {body.x0, body.y1}};
            for (int k = 0; k < 4; ++k)
                pieces.push_back(segmentPiece(corners[k], corners[(k + 1) % 4], -1.0, owner, false));
        }
    }
    for (Piece& piece : pieces)
        if (!piece.arc)
            buildCountingFunction(piece, attractors, 0.0);
    const std::size_t conductorPieces = pieces.size();
    for (std::size_t k = 0; k < model.interfaces.size(); ++k) {
        const double level = model.interfaces[k];
        if (model.coaxial)
            pieces.push_back(circlePiece({0.0, 0.0}, level, startAngle({0.0, 0.0}, level, attractors), -1,
                                         static_cast<int>(model.bodies.size() + k)));
        else
            addPlanarInterface(model, level, pieces);
    }
    for (std::size_t k = 0; k < model.coatings.size(); ++k) {
        const Coating& coating = model.coatings[k];
        if (coating.interface)
            pieces.push_back(circlePiece(coating.centre, coating.radius,
                                         startAngle(coating.centre, coating.radius, attractors), -1,
                                         static_cast<int>(model.bodies.size() + model.interfaces.size() + k)));
    }
    for (std::size_t k = conductorPieces; k < pieces.size(); ++k) {
        Piece& piece = pieces[k];
        buildCountingFunction(piece, attractors, piece.arc ? circleUnits / (2.0 * pi * piece.radius) : 0.0);
    }
    for (const Piece& piece : pieces)
        baseTotal += piece.base;
}

Mesher::~Mesher() = default;

std::vector<Panel> Mesher::panels(int level) const
{
    std::vector<Panel> result;
    result.reserve(static_cast<std::size_t>(baseTotal) << level);
    for (const Piece& piece : pieces) {
        const int count = piece.base << level;
        const double total = piece.counts.back();
        double previous = 0.0;
        for (int k = 1; k <= count; ++k) {
            const double t = k == count ? 1.0 : piece.parameter(invert(piece, total * k / count));
            Panel panel;
            panel.owner = piece.owner;
            panel.thin = piece.thin;
            panel.circle = piece.circle;
            panel.a = piece.point(previous);
            panel.b = piece.point(t);
            if (piece.arc) {
                panel.arc = true;
                panel.centre = piece.centre;
                panel.radius = piece.radius;
                panel.theta0 = piece.theta0 + previous * (piece.theta1 - piece.theta0);
                panel.theta1 = piece.theta0 + t * (piece.theta1 - piece.theta0);
                const double mid = 0.5 * (panel.theta0 + panel.theta1);
                panel.normal = {std::cos(mid), std::sin(mid)};
                panel.mid = piece.centre + piece.radius * panel.normal;
                panel.length = piece.radius * (panel.theta1 - panel.theta0);
            } else {
                const Vec2 d = panel.b - panel.a;
                panel.length = norm(d);
                panel.mid = 0.5 * (panel.a + panel.b);
                panel.normal = (piece.normalSign / panel.length) * Vec2{-d.y, d.x};
            }
            previous = t;
            if (!(panel.length > 0.0))
                continue; // a panel lost to rounding
            panel.epsPlus = mediumAt(model, panel.mid + sideStep * panel.normal);
            panel.epsMinus = piece.owner >= 0 && !piece.thin ? panel.epsPlus
                                                             : mediumAt(model, panel.mid - sideStep * panel.normal);
            result.push_back(panel);
        }
    }
    return result;
}

} // namespace kalvo::fieldsolver::detail
