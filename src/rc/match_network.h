#pragma once

#include "program.h"

#include <memory>

namespace kalvo::rc {

// Resistive T and PI networks that match a source impedance Ze (field 2) to a load Za
// (field 3) with a loss of d dB (field 1). Plain-number impedances are computed in
// double arithmetic with the lowest possible loss dmax; anything else (a complex value
// such as 50+10i, or a formula) goes through the input's formula engine.
Report tMatchReport(const CalculationInput& input);
Report piMatchReport(const CalculationInput& input);

// The engine a kalvo-rc window or a kalvo-cli run computes the matching networks with;
// nullptr when it cannot be created.
std::shared_ptr<FormulaEngine> createMatchingEngine();

} // namespace kalvo::rc
