#pragma once

#include "program.h"

namespace kalvo::xy {

// Each report checks the inputs it uses and answers "Input Failure!" when one of them
// is not a number; an empty input counts as 0.
Report linearReport(const CalculationInput& input); // line through two points
Report parabolaReport(const CalculationInput& input); // parabola through three points
Report quadraticReport(const CalculationInput& input); // roots of a x^2 + b x + c
Report polarToRectReport(const CalculationInput& input);
Report rectToPolarReport(const CalculationInput& input);

} // namespace kalvo::xy
