#include "model.h"

#include <algorithm>
#include <limits>

namespace kalvo::fieldsolver::detail {
namespace {

constexpr double touching = 1e-9; // model units: closer than this counts as touching
constexpr double far = std::numeric_limits<double>::max();

// Interfaces of planar layers reach this far beyond the conductors (model units): the
// polarisation charge decays as 1/x^2 over a plane and without planes, exponentially
// (on the scale of the spacing) between two planes.
constexpr double reachWithoutPlane = 1000.0;
constexpr double reachAbovePlane = 100.0;
constexpr double reachBetweenPlanes = 8.0; // times the plane spacing

bool positive(double value)
{
    return std::isfinite(value) && value > 0.0;
}

bool validPermittivity(double er)
{
    return er >= minRelativePermittivity && er <= maxRelativePermittivity; // false for NaN
}

// The nearest and farthest distance of a body from the origin.
void radialExtent(const Body& body, double& nearest, double& farthest)
{
    if (body.circle) {
        const double e = norm(body.centre);
        nearest = std::max(0.0, e - body.radius);
        farthest = e + body.radius;
        return;
    }
    nearest = distanceToBody(body, {0.0, 0.0});
    farthest = std::max(std::hypot(body.x0, body.y0), std::hypot(body.x1, body.y0));
    farthest = std::max({farthest, std::hypot(body.x0, body.y1), std::hypot(body.x1, body.y1)});
}

// Whether the circle of radius r about the origin lies inside the body.
bool circleInside(const Body& body, double r)
{
    if (body.circle)
        return r + norm(body.centre) <= body.radius + touching;
    return body.x0 <= -r && body.x1 >= r && body.y0 <= -r && body.y1 >= r;
}

Error checkInputs(const CrossSection& cs)
{
    using Ground = CrossSection::Ground;
    if ((cs.ground == Ground::BelowAndAbove || cs.ground == Ground::CoaxialShield) && !positive(cs.spacing))
        return Error::InvalidSize;
    for (const Layer& layer : cs.layers) {
        if (!positive(layer.thickness))
            return Error::InvalidSize;
        if (!validPermittivity(layer.er))
            return Error::InvalidPermittivity;
    }
    if (!validPermittivity(cs.outerEr))
        return Error::InvalidPermittivity;
    if (cs.conductors.empty())
        return Error::NoSignalConductor;
    if (cs.conductors.size() > static_cast<std::size_t>(maxConductors))
        return Error::TooManyConductors;
    bool signal = false;
    bool grounded = false;
    for (const Conductor& c : cs.conductors) {
        if (!positive(c.width))
            return Error::InvalidSize;
        if (c.shape == Conductor::Shape::Rectangle && !(std::isfinite(c.thickness) && c.thickness >= 0.0))
            return Error::InvalidSize;
        if (!(std::isfinite(c.insulation) && c.insulation >= 0.0)
            || (c.shape == Conductor::Shape::Rectangle && c.insulation != 0.0))
            return Error::InvalidSize;
        if (!validPermittivity(c.insulationEr))
            return Error::InvalidPermittivity;
        if (!std::isfinite(c.x) || !std::isfinite(c.y))
            return Error::InvalidPosition;
        (c.signal ? signal : grounded) = true;
    }
    if (!signal)
        return Error::NoSignalConductor;
    if (cs.ground == Ground::None && !grounded)
        return Error::NoReference;
    return Error::None;
}

// The length that makes the structure of size about one.
double structureScale(const CrossSection& cs, double stackHeight)
{
    using Ground = CrossSection::Ground;
    if (cs.ground == Ground::CoaxialShield)
        return cs.spacing;
    double xMin = far, xMax = -far, yMin = far, yMax = -far;
    for (const Conductor& c : cs.conductors) {
        const bool circle = c.shape == Conductor::Shape::Circle;
        const double halfWidth = 0.5 * c.width + (circle ? c.insulation : 0.0);
        const double halfHeight = circle ? halfWidth : 0.5 * c.thickness;
        xMin = std::min(xMin, c.x - halfWidth);
        xMax = std::max(xMax, c.x + halfWidth);
        yMin = std::min(yMin, c.y - halfHeight);
        yMax = std::max(yMax, c.y + halfHeight);
    }
    if (cs.ground != Ground::None || !cs.layers.empty())
        yMin = std::min(yMin, 0.0);
    if (cs.ground == Ground::BelowAndAbove)
        yMax = std::max(yMax, cs.spacing);
    if (!cs.layers.empty())
        yMax = std::max(yMax, stackHeight);
    return std::max(xMax - xMin, yMax - yMin);
}

Body makeBody(const Conductor& c, double scale, double xShift)
{
    Body body;
    const double x = (c.x - xShift) / scale;
    const double y = c.y / scale;
    const double half = 0.5 * c.width / scale;
    body.centre = {x, y};
    if (c.shape == Conductor::Shape::Circle) {
        body.circle = true;
        body.radius = half;
        body.x0 = x - half;
        body.x1 = x + half;
        body.y0 = y - half;
        body.y1 = y + half;
    } else {
        const double halfThickness = 0.5 * c.thickness / scale;
        body.x0 = x - half;
        body.x1 = x + half;
        body.y0 = y - halfThickness;
        body.y1 = y + halfThickness;
    }
    return body;
}

// Moves rectangle faces lying within rounding of a layer boundary onto it.
void snapToBounds(Model& model)
{
    for (Body& body : model.bodies) {
        if (body.circle)
            continue;
        for (const double level : model.bounds) {
            if (std::abs(body.y0 - level) <= touching)
                body.y0 = level;
            if (std::abs(body.y1 - level) <= touching)
                body.y1 = level;
        }
        if (body.y1 < body.y0)
            body.y1 = body.y0;
    }
}

Error checkGround(const Model& model)
{
    for (const Body& body : model.bodies) {
        switch (model.green) {
        case Green::Free:
            break;
        case Green::Below:
            if (body.y0 <= touching)
                return Error::ConductorTouchesGround;
            break;
        case Green::BelowAndAbove:
            if (body.y0 <= touching || body.y1 >= model.spacing - touching)
                return Error::ConductorTouchesGround;
            break;
        case Green::Shield: {
            double nearest = 0.0, farthest = 0.0;
            radialExtent(body, nearest, farthest);
            if (farthest >= 1.0 - touching)
                return Error::ConductorTouchesGround;
            break;
        }
        }
    }
    return Error::None;
}

double mediumBelow(const Model& model, double level)
{
    for (std::size_t k = 0; k + 1 < model.bounds.size(); ++k)
        if (level > model.bounds[k] && level <= model.bounds[k + 1])
            return model.ers[k];
    return model.outerEr;
}

double mediumAbove(const Model& model, double level)
{
    for (std::size_t k = 0; k + 1 < model.bounds.size(); ++k)
        if (level >= model.bounds[k] && level < model.bounds[k + 1])
            return model.ers[k];
    return model.outerEr;
}

Error findPlanarInterfaces(Model& model)
{
    for (const double level : model.bounds) {
        if (model.green != Green::Free && level <= touching)
            continue; // the lower plane
        if (model.green == Green::BelowAndAbove && level >= model.spacing - touching)
            continue; // the upper plane
        if (mediumBelow(model, level) == mediumAbove(model, level))
            continue;
        for (const Body& body : model.bodies) {
            if (body.circle) {
                if (std::abs(body.centre.y - level) <= body.radius + touching)
                    return Error::ConductorCrossesInterface;
            } else if (body.y0 < level && body.y1 > level) {
                return Error::ConductorCrossesInterface;
            }
        }
        for (const Coating& coating : model.coatings)
            if (std::abs(coating.centre.y - level) <= coating.radius + touching)
                return Error::ConductorCrossesInterface;
        model.interfaces.push_back(level);
    }
    return Error::None;
}

Error findCoaxialInterfaces(Model& model)
{
    for (std::size_t k = 1; k < model.bounds.size(); ++k) {
        const double r = model.bounds[k];
        if (r >= 1.0 - touching)
            continue; // on the shield
        const double inner = model.ers[k - 1];
        const double outer = k < model.ers.size() ? model.ers[k] : model.outerEr;
        if (inner == outer)
            continue;
        bool inside = false;
        for (const Body& body : model.bodies) {
            if (circleInside(body, r)) {
                inside = true;
                break;
            }
            double nearest = 0.0, farthest = 0.0;
            radialExtent(body, nearest, farthest);
            if (r >= nearest - touching && r <= farthest + touching)
                return Error::ConductorCrossesInterface;
        }
        if (inside)
            continue;
        for (const Coating& coating : model.coatings) {
            const double e = norm(coating.centre);
            if (!(e + coating.radius < r - touching || e - coating.radius > r + touching))
                return Error::ConductorCrossesInterface;
        }
        model.interfaces.push_back(r);
    }
    return Error::None;
}

// Insulations cross no plane, no other conductor and no other insulation (they may touch
// one another).
Error checkCoatings(const Model& model)
{
    for (std::size_t k = 0; k < model.coatings.size(); ++k) {
        const Coating& coating = model.coatings[k];
        const Vec2 c = coating.centre;
        const double r = coating.radius;
        if ((model.green == Green::Below || model.green == Green::BelowAndAbove) && c.y - r <= touching)
            return Error::ConductorTouchesGround;
        if (model.green == Green::BelowAndAbove && c.y + r >= model.spacing - touching)
            return Error::ConductorTouchesGround;
        if (model.green == Green::Shield && norm(c) + r >= 1.0 - touching)
            return Error::ConductorTouchesGround;
        for (std::size_t j = 0; j < model.bodies.size(); ++j) {
            if (static_cast<int>(j) == coating.body)
                continue;
            const Body& other = model.bodies[j];
            const double gap = other.circle ? norm(other.centre - c) - other.radius - r : distanceToBody(other, c) - r;
            if (gap <= touching)
                return Error::ConductorsOverlap;
        }
        for (std::size_t j = k + 1; j < model.coatings.size(); ++j)
            if (norm(model.coatings[j].centre - c) < r + model.coatings[j].radius - touching)
                return Error::ConductorsOverlap;
    }
    return Error::None;
}

// The smallest length the mesh must resolve: sizes, gaps and layer thicknesses.
double smallestFeature(const Model& model)
{
    double smallest = far;
    const auto consider = [&smallest](double length) {
        if (length > touching)
            smallest = std::min(smallest, length);
    };
    for (std::size_t i = 0; i < model.bodies.size(); ++i) {
        const Body& body = model.bodies[i];
        if (body.circle) {
            smallest = std::min(smallest, 2.0 * body.radius);
        } else {
            smallest = std::min(smallest, body.x1 - body.x0);
            if (!body.thin())
                smallest = std::min(smallest, body.y1 - body.y0);
        }
        for (std::size_t j = i + 1; j < model.bodies.size(); ++j)
            smallest = std::min(smallest, bodyDistance(body, model.bodies[j]));
        if (model.green == Green::Below || model.green == Green::BelowAndAbove)
            smallest = std::min(smallest, body.y0);
        if (model.green == Green::BelowAndAbove)
            smallest = std::min(smallest, model.spacing - body.y1);
        double nearest = 0.0, farthest = 0.0;
        radialExtent(body, nearest, farthest);
        if (model.green == Green::Shield)
            smallest = std::min(smallest, 1.0 - farthest);
        for (const double level : model.interfaces) {
            if (model.coaxial) {
                consider(std::abs(nearest - level));
                consider(std::abs(farthest - level));
            } else if (body.circle) {
                consider(std::abs(body.centre.y - level) - body.radius);
            } else {
                consider(std::abs(body.y0 - level));
                consider(std::abs(body.y1 - level));
            }
        }
    }
    for (std::size_t k = 0; k < model.coatings.size(); ++k) {
        const Coating& coating = model.coatings[k];
        const Vec2 c = coating.centre;
        const double r = coating.radius;
        consider(r - model.bodies[static_cast<std::size_t>(coating.body)].radius);
        if (model.green == Green::Below || model.green == Green::BelowAndAbove)
            consider(c.y - r);
        if (model.green == Green::BelowAndAbove)
            consider(model.spacing - c.y - r);
        if (model.green == Green::Shield)
            consider(1.0 - norm(c) - r);
        for (std::size_t j = 0; j < model.bodies.size(); ++j)
            if (static_cast<int>(j) != coating.body)
                consider(model.bodies[j].circle ? norm(model.bodies[j].centre - c) - model.bodies[j].radius - r
                                                : distanceToBody(model.bodies[j], c) - r);
        for (std::size_t j = k + 1; j < model.coatings.size(); ++j)
            consider(norm(model.coatings[j].centre - c) - r - model.coatings[j].radius);
        for (const double level : model.interfaces)
            consider(model.coaxial ? std::abs(std::abs(norm(c) - level) - r) : std::abs(c.y - level) - r);
    }
    for (std::size_t k = 0; k + 1 < model.interfaces.size(); ++k)
        smallest = std::min(smallest, std::abs(model.interfaces[k + 1] - model.interfaces[k]));
    if (model.green == Green::BelowAndAbove)
        smallest = std::min(smallest, model.spacing);
    return smallest;
}

} // namespace

double bodyDistance(const Body& a, const Body& b)
{
    if (a.circle && b.circle)
        return norm(a.centre - b.centre) - a.radius - b.radius;
    if (a.circle)
        return distanceToBody(b, a.centre) - a.radius;
    if (b.circle)
        return distanceToBody(a, b.centre) - b.radius;
    const double dx = std::max({0.0, a.x0 - b.x1, b.x0 - a.x1});
    const double dy = std::max({0.0, a.y0 - b.y1, b.y0 - a.y1});
    return std::hypot(dx, dy);
}

double distanceToBody(const Body& body, Vec2 point)
{
    if (body.circle)
        return std::max(0.0, norm(point - body.centre) - body.radius);
    const double dx = std::max({0.0, body.x0 - point.x, point.x - body.x1});
    const double dy = std::max({0.0, body.y0 - point.y, point.y - body.y1});
    return std::hypot(dx, dy);
}

namespace {

// The medium of the layers at a point, insulations left out.
double layerMediumAt(const Model& model, Vec2 point)
{
    const double level = model.coaxial ? norm(point) : point.y;
    for (std::size_t k = 0; k + 1 < model.bounds.size(); ++k)
        if (level > model.bounds[k] && level < model.bounds[k + 1])
            return model.ers[k];
    return model.outerEr;
}

} // namespace

double mediumAt(const Model& model, Vec2 point)
{
    for (const Coating& coating : model.coatings)
        if (norm(point - coating.centre) < coating.radius)
            return coating.er;
    return layerMediumAt(model, point);
}

double clearance(const Model& model, Vec2 point, int exclude, double onInterface)
{
    double nearest = far;
    for (std::size_t i = 0; i < model.bodies.size(); ++i)
        if (static_cast<int>(i) != exclude)
            nearest = std::min(nearest, distanceToBody(model.bodies[i], point));
    switch (model.green) {
    case Green::Free:
        break;
    case Green::Below:
        nearest = std::min(nearest, std::abs(point.y));
        break;
    case Green::BelowAndAbove:
        nearest = std::min({nearest, std::abs(point.y), std::abs(model.spacing - point.y)});
        break;
    case Green::Shield:
        nearest = std::min(nearest, std::abs(1.0 - norm(point)));
        break;
    }
    const double level = model.coaxial ? norm(point) : point.y;
    for (const double interface : model.interfaces) {
        const double distance = std::abs(level - interface);
        if (distance > onInterface)
            nearest = std::min(nearest, distance);
    }
    for (const Coating& coating : model.coatings) {
        const double distance = std::abs(norm(point - coating.centre) - coating.radius);
        if (distance > onInterface)
            nearest = std::min(nearest, distance);
    }
    return nearest;
}

bool needsContour(const Model& model, int index)
{
    const Body& body = model.bodies[static_cast<std::size_t>(index)];
    if (body.circle || body.thin() || model.coaxial)
        return false;
    for (const double level : model.interfaces)
        if (body.y0 == level || body.y1 == level)
            return true;
    return false;
}

double contourOffset(const Model& model, int index)
{
    const Body& body = model.bodies[static_cast<std::size_t>(index)];
    double room = std::max(body.x1 - body.x0, body.y1 - body.y0);
    for (std::size_t j = 0; j < model.bodies.size(); ++j)
        if (static_cast<int>(j) != index)
            room = std::min(room, bodyDistance(body, model.bodies[j]));
    if (model.green == Green::Below || model.green == Green::BelowAndAbove)
        room = std::min(room, body.y0);
    if (model.green == Green::BelowAndAbove)
        room = std::min(room, model.spacing - body.y1);
    for (const double level : model.interfaces)
        if (level != body.y0 && level != body.y1)
            room = std::min({room, std::abs(level - body.y0), std::abs(level - body.y1)});
    for (const Coating& coating : model.coatings)
        room = std::min(room, distanceToBody(body, coating.centre) - coating.radius);
    return 0.5 * room;
}

Error buildModel(const CrossSection& cs, Model& model)
{
    using Ground = CrossSection::Ground;
    if (const Error error = checkInputs(cs); error != Error::None)
        return error;

    double stackHeight = 0.0;
    for (const Layer& layer : cs.layers)
        stackHeight += layer.thickness;
    if (!std::isfinite(stackHeight))
        return Error::RatioOutOfRange;
    if ((cs.ground == Ground::BelowAndAbove || cs.ground == Ground::CoaxialShield)
        && stackHeight > cs.spacing * (1.0 + 1e-12))
        return Error::LayersBeyondGround;

    const double scale = structureScale(cs, stackHeight);
    if (!positive(scale))
        return Error::RatioOutOfRange;

    model = Model{};
    model.scale = scale;
    model.coaxial = cs.ground == Ground::CoaxialShield;
    switch (cs.ground) {
    case Ground::None:
        model.green = Green::Free;
        break;
    case Ground::Below:
        model.green = Green::Below;
        break;
    case Ground::BelowAndAbove:
        model.green = Green::BelowAndAbove;
        model.spacing = cs.spacing / scale;
        break;
    case Ground::CoaxialShield:
        model.green = Green::Shield;
        model.spacing = 1.0;
        break;
    }
    model.outerEr = cs.outerEr;
    model.bounds.push_back(0.0);
    double level = 0.0;
    for (const Layer& layer : cs.layers) {
        level += layer.thickness;
        model.bounds.push_back(level / scale);
        model.ers.push_back(layer.er);
    }

    // Planar structures are moved to the middle of their conductors (the solution does
    // not depend on x), so that coordinates stay of the order of one.
    double xShift = 0.0;
    if (!model.coaxial) {
        double xMin = far, xMax = -far;
        for (const Conductor& c : cs.conductors) {
            xMin = std::min(xMin, c.x - 0.5 * c.width);
            xMax = std::max(xMax, c.x + 0.5 * c.width);
        }
        xShift = 0.5 * xMin + 0.5 * xMax;
    }
    for (const Conductor& c : cs.conductors) {
        model.bodies.push_back(makeBody(c, scale, xShift));
        if (c.signal)
            model.bodies.back().signalIndex = model.signalCount++;
        if (c.shape == Conductor::Shape::Circle && c.insulation > 0.0) {
            const Body& wire = model.bodies.back();
            model.coatings.push_back({.centre = wire.centre,
                                      .radius = wire.radius + c.insulation / scale,
                                      .er = c.insulationEr,
                                      .body = static_cast<int>(model.bodies.size() - 1)});
        }
    }
    for (Coating& coating : model.coatings)
        coating.interface = coating.er != layerMediumAt(model, coating.centre);
    for (const Body& body : model.bodies)
        if (!std::isfinite(body.x0) || !std::isfinite(body.x1) || !std::isfinite(body.y0) || !std::isfinite(body.y1))
            return Error::RatioOutOfRange;
    if (!model.coaxial)
        snapToBounds(model);

    if (const Error error = checkGround(model); error != Error::None)
        return error;
    for (std::size_t i = 0; i < model.bodies.size(); ++i)
        for (std::size_t j = i + 1; j < model.bodies.size(); ++j)
            if (bodyDistance(model.bodies[i], model.bodies[j]) <= touching)
                return Error::ConductorsOverlap;
    if (const Error error = checkCoatings(model); error != Error::None)
        return error;
    if (const Error error = model.coaxial ? findCoaxialInterfaces(model) : findPlanarInterfaces(model);
        error != Error::None)
        return error;
    if (!(smallestFeature(model) >= 1.0 / maxSizeRatio))
        return Error::RatioOutOfRange;

    if (!model.coaxial) {
        double xMin = far, xMax = -far;
        for (const Body& body : model.bodies) {
            xMin = std::min(xMin, body.x0);
            xMax = std::max(xMax, body.x1);
        }
        double reach = reachWithoutPlane;
        if (model.green == Green::Below)
            reach = reachAbovePlane;
        else if (model.green == Green::BelowAndAbove)
            reach = reachBetweenPlanes * model.spacing;
        model.truncationLeft = xMin - reach;
        model.truncationRight = xMax + reach;
    }
    return Error::None;
}

} // namespace kalvo::fieldsolver::detail
