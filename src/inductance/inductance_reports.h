#pragma once

#include "program.h"

// The calculations of kalvo-inductance. Each reads its fields in the order of the
// topology's labels and returns the whole report.
namespace kalvo::inductance {

// Wire loops and coupled conductors.
Report circularLoopReport(const CalculationInput& input); // d, x
Report rectangularLoopReport(const CalculationInput& input); // d, x, y
Report loopMutualReport(const CalculationInput& input); // A1, A2, r
Report lineMutualReport(const CalculationInput& input); // s, h, L, x

// Coils.
Report singleLayerCoilReport(const CalculationInput& input); // N, D, l, ur
Report multiLayerCoilReport(const CalculationInput& input); // N, D1, D2, l, ur
Report optimizedCoilReport(const CalculationInput& input); // L, d

// Toroid and HF shielding.
Report toroidReport(const CalculationInput& input); // D, d, h, N, ur
Report shieldingReport(const CalculationInput& input); // d, rho, ur, f, s

} // namespace kalvo::inductance
