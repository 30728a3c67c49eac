#pragma once

// The free charge of a conductor whose faces border different dielectrics (a trace on a
// substrate), by Gauss's law on a contour around it. Summing eps times the total charge
// over the faces converges slowly where a corner meets an interface (the solution moves
// charge between the conductor's and the interface's first panels); the flux of D through
// a contour at a distance is a smooth functional of all the charges and converges as fast
// as the total charge does.
#include "mesh.h"

#include <vector>

namespace kalvo::fieldsolver::detail {

// A closed contour around a conductor, counter-clockwise, as sides each within one medium.
struct ContourSide {
    Vec2 a;
    Vec2 b;
    double er;
};
using Contour = std::vector<ContourSide>;

// The contour around the body, contourOffset() away from it (the mesh ends panels where
// it crosses the interfaces the body touches).
Contour contourAround(const Model& model, int body);

// Weights w such that the free charge inside the contour divided by eps0 is the sum of
// w[j] x[j] over every panel j, x being the solved total charge densities divided by eps0.
std::vector<double> contourWeights(const Model& model, const Contour& contour, const std::vector<Panel>& panels);

} // namespace kalvo::fieldsolver::detail
