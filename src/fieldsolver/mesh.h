#pragma once

// Boundary elements: the conductor surfaces and dielectric interfaces of a model cut into
// straight or circular-arc panels, graded towards corners, edges and nearby objects.
#include "model.h"

#include <vector>

namespace kalvo::fieldsolver::detail {

struct Panel {
    bool arc = false;
    Vec2 a; // start and end point
    Vec2 b;
    Vec2 centre; // arc only
    double radius = 0.0;
    double theta0 = 0.0;
    double theta1 = 0.0;
    Vec2 mid; // collocation point
    Vec2 normal; // unit: out of the conductor, or towards epsPlus on an interface
    double length = 0.0;
    int owner = -1; // body index, -1 for an interface panel
    int circle = -1; // the circle an arc lies on (same id, same circle), -1 for straight panels
    bool thin = false; // a panel of a zero-thickness strip: both sides face a dielectric
    double epsPlus = 1.0; // er on the normal side
    double epsMinus = 1.0; // er on the other side (interfaces and thin strips)
};

// The pieces of boundary and how densely each is to be cut, found once for a model; the
// mesh of level L has 2^L times the panels of level 0 on every piece, each level-L mesh
// cutting every panel of level L - 1 in two in the counting variable.
class Mesher {
public:
    explicit Mesher(const Model& model);
    ~Mesher();
    Mesher(const Mesher&) = delete;
    Mesher& operator=(const Mesher&) = delete;

    // Panels of the level-0 mesh (conductor and interface panels together).
    long long baseCount() const { return baseTotal; }
    // Conductor panels first (in body order), then interface panels.
    std::vector<Panel> panels(int level) const;

    struct Piece; // defined in mesh.cpp

private:
    const Model& model;
    std::vector<Piece> pieces;
    long long baseTotal = 0;
};

} // namespace kalvo::fieldsolver::detail
