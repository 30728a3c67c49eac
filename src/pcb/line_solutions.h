#pragma once

#include "accuracy_map.h"
#include "field_solver.h"

// The field solver's solutions of kalvo-pcb's board lines. Plain C++; lengths in metres.
namespace kalvo::pcb {

enum class Line { Coplanar, GroundedCoplanar, CoupledMicrostrip, CoupledStripline };

// The tolerance the reports solve to: the capacitances within 0.3 %, so the impedances
// within about 0.15 %.
inline constexpr double reportTolerance = 3e-3;

// The cross-section of the line with this shape, as the field solver takes it.
fieldsolver::CrossSection crossSection(Line line, const LineShape& shape);

// The solution at reportTolerance. The last few solutions are kept (per thread) under
// their exact shape, so that the same report asked for again, as the window and
// kalvo-cli do around a GO, a solve or a plot, costs no second solve.
fieldsolver::Result solveLine(Line line, const LineShape& shape);

} // namespace kalvo::pcb
