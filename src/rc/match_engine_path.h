#pragma once

#include "program.h"

namespace kalvo::rc {

enum class Network { T, Pi };

// The complex path of a matching network: the impedance texts are formulas, evaluated
// with the input's engine, which keeps the variables "k", "di" and "Za" (T) or "Ze" (PI)
// until the next calculation. d, p and di come from the plain-number reading of field 1.
QString complexMatchReport(const CalculationInput& input, Network network, double d, double p, double di);

} // namespace kalvo::rc
