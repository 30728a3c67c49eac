#pragma once

#include "program.h"

namespace kalvo::xy {

// Each report checks the inputs it uses and answers "Input Failure!" when one of them
// is not a number; an empty input counts as 0.
QString linearReport(const CalculationInput& input); // line through two points
QString parabolaReport(const CalculationInput& input); // parabola through three points
QString quadraticReport(const CalculationInput& input); // roots of a x^2 + b x + c
QString polarToRectReport(const CalculationInput& input);
QString rectToPolarReport(const CalculationInput& input);

} // namespace kalvo::xy
