#pragma once

#include "program.h"

// The calculations of kalvo-inductance. Each reads its fields in the order of the
// topology's labels and returns the whole report.
namespace kalvo::inductance {

// Wire loops and coupled conductors.
QString circularLoopReport(const CalculationInput& input); // d, x
QString rectangularLoopReport(const CalculationInput& input); // d, x, y
QString loopMutualReport(const CalculationInput& input); // A1, A2, r
QString lineMutualReport(const CalculationInput& input); // s, h, L, x

// Coils.
QString singleLayerCoilReport(const CalculationInput& input); // N, D, l, ur
QString multiLayerCoilReport(const CalculationInput& input); // N, D1, D2, l, ur
QString optimizedCoilReport(const CalculationInput& input); // L, d

// Toroid and HF shielding.
QString toroidReport(const CalculationInput& input); // D, d, h, N, ur
QString shieldingReport(const CalculationInput& input); // d, rho, ur, f, s

} // namespace kalvo::inductance
