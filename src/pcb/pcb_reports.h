#pragma once

#include "program.h"

// The GO calculations of kalvo-pcb. Each field is read as QString::toDouble (0 when not a
// number) in the unit its topology gives it.
namespace kalvo::pcb {

Report trackWidthReport(const CalculationInput& input); // I, dT, t, l
Report viaReport(const CalculationInput& input); // d, p, h, D1, D2, er
Report coplanarReport(const CalculationInput& input); // h, w, s, t, er
Report groundedCoplanarReport(const CalculationInput& input); // h, w, s, t, er
Report differentialMicrostripReport(const CalculationInput& input); // h, w, s, t, er
Report differentialStriplineReport(const CalculationInput& input); // b, w, s, t, er
Report edgeClearanceReport(const CalculationInput& input); // V
Report fusingCurrentReport(const CalculationInput& input); // w, t, tp, Ta
Report trackTemperatureReport(const CalculationInput& input); // w, t, I

} // namespace kalvo::pcb
