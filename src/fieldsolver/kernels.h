#pragma once

// Panel integrals of the Green's function of a model: the potential and the electric field
// at a point of a unit charge density (divided by eps0) spread evenly over a panel, with the
// ground planes or the shield held at 0 V.
#include "mesh.h"

namespace kalvo::fieldsolver::detail {

struct Influence {
    double potential = 0.0;
    Vec2 field;
};

class Kernel {
public:
    explicit Kernel(const Model& model);

    // `self`: the point is the source panel's own collocation point (the principal value is
    // taken). `circle`: the id of the circle the point lies on, or -1; for a point on the
    // source arc's own circle only the field's normal (radial) part is given.
    // `wantField`: the field is wanted; the potential may then be left out (and the other
    // way round).
    Influence operator()(const Panel& source, Vec2 point, bool self, int circle, bool wantField) const;

private:
    Green green;
    double spacing;
};

} // namespace kalvo::fieldsolver::detail
