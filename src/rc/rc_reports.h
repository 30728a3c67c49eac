#pragma once

#include "program.h"

namespace kalvo::rc {

Report rcReport(const CalculationInput& input); // RC low-pass
Report serialRlcReport(const CalculationInput& input); // series RLC
Report doublePoleReport(const CalculationInput& input);
Report singlePoleReport(const CalculationInput& input);
Report groundplaneReport(const CalculationInput& input); // plane and disc resistance
Report mtbfReport(const CalculationInput& input);

} // namespace kalvo::rc
