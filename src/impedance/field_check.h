#pragma once

#include "program.h"

// The line reports of kalvo-impedance against the field solver: the cross-section the
// inputs describe, solved, with the solver's line values and how far every formula
// block of the report is from them.
namespace kalvo::impedance {

// The check block for the input's topology (Microstrip, Emb. Microstrip, Stripline,
// Offset Stripline, Wire above GND, Twisted Pair, Coax): what was solved, then Z, eeff,
// L, C, pd and err (the estimated error of the capacitances, in percent) of the field
// solver, then for each block of the report the difference of its Z, L, C and pd from
// the solver's, in percent, recorded as "d" + the report's key ("dZ", "dZ_Hogan").
// ok is false, with the solver's message, where the inputs make no cross-section.
Report fieldSolverCheck(const CalculationInput& input);

} // namespace kalvo::impedance
