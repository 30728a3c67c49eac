#pragma once

// The solver's internal view of a cross-section: validated, in model units (lengths divided
// by a scale so that the structure is of size one), with its dielectric interfaces found.
#include "field_solver.h"

#include <cmath>
#include <vector>

namespace kalvo::fieldsolver::detail {

struct Vec2 {
    double x = 0.0;
    double y = 0.0;
};
inline Vec2 operator+(Vec2 a, Vec2 b)
{
    return {a.x + b.x, a.y + b.y};
}
inline Vec2 operator-(Vec2 a, Vec2 b)
{
    return {a.x - b.x, a.y - b.y};
}
inline Vec2 operator*(double s, Vec2 a)
{
    return {s * a.x, s * a.y};
}
inline double dot(Vec2 a, Vec2 b)
{
    return a.x * b.x + a.y * b.y;
}
inline double norm(Vec2 a)
{
    return std::hypot(a.x, a.y);
}

enum class Green { Free, Below, BelowAndAbove, Shield };

// A conductor in model units: a rectangle [x0, x1] x [y0, y1] (y0 == y1 for a strip of zero
// thickness) or a circle.
struct Body {
    bool circle = false;
    double x0 = 0.0, x1 = 0.0, y0 = 0.0, y1 = 0.0; // rectangle; for a circle its bounding box
    Vec2 centre;
    double radius = 0.0;
    int signalIndex = -1; // row of the capacitance matrix, -1 for a grounded conductor
    bool thin() const { return !circle && y0 == y1; }
};

// The insulation of a round conductor: a dielectric disc of radius `radius` about its centre.
struct Coating {
    Vec2 centre;
    double radius = 0.0;
    double er = 1.0;
    int body = -1;
    bool interface = true; // false where er equals the medium around it
};

struct Model {
    Green green = Green::Free;
    bool coaxial = false;
    double scale = 1.0; // metres per model unit
    double spacing = 0.0; // plane separation b, or the shield radius (1 in model units)
    std::vector<double> bounds; // layer boundaries from 0 (y, or radius when coaxial)
    std::vector<double> ers; // er of layer k between bounds[k] and bounds[k + 1]
    double outerEr = 1.0;
    std::vector<Body> bodies;
    int signalCount = 0;
    std::vector<double> interfaces; // y (or radius) of every interface where er changes
    std::vector<Coating> coatings;
    double truncationLeft = 0.0; // planar interfaces run from here ...
    double truncationRight = 0.0; // ... to here
};

// Validates the cross-section and builds its model; Error::None on success.
Error buildModel(const CrossSection& crossSection, Model& model);

// The relative permittivity at a point that lies on no interface.
double mediumAt(const Model& model, Vec2 point);

// The distance from a point to the nearest object other than body `exclude` (conductors,
// ground planes, the shield, and interfaces and insulations' surfaces farther than
// `onInterface` from the point).
double clearance(const Model& model, Vec2 point, int exclude, double onInterface);

// Whether the free charge of a body is to be found on a contour around it (see flux.h): a
// rectangle of finite thickness with a face on a dielectric interface.
bool needsContour(const Model& model, int body);

// How far that contour runs from the body: half the free room around it, so that it
// encloses nothing else and crosses only the interfaces the body touches.
double contourOffset(const Model& model, int body);

// Distance from a point to a body's surface (0 inside), and between two bodies.
double distanceToBody(const Body& body, Vec2 point);
double bodyDistance(const Body& a, const Body& b);

} // namespace kalvo::fieldsolver::detail
