#pragma once

#include "program.h"

namespace kalvo::rc {

QString rcReport(const CalculationInput& input); // RC low-pass
QString serialRlcReport(const CalculationInput& input); // series RLC
QString doublePoleReport(const CalculationInput& input);
QString singlePoleReport(const CalculationInput& input);
QString groundplaneReport(const CalculationInput& input); // plane and disc resistance
QString mtbfReport(const CalculationInput& input);

} // namespace kalvo::rc
