#pragma once

#include "program.h"

#include <array>

namespace kalvo::rc {

enum class Network { T, Pi };

// The element formulas R1, R2 and R3 of a network, as the engine evaluates them.
const std::array<const char*, 3>& elementFormulas(Network network);

// The complex path of a matching network: the impedance texts are formulas, evaluated
// with the input's engine, which keeps the variables "k", "di" and "Za" (T) or "Ze" (PI)
// until the next calculation removes them. d, p and di come from the plain-number
// reading of field 1.
Report complexMatchReport(const CalculationInput& input, Network network, double d, double p, double di);

} // namespace kalvo::rc
