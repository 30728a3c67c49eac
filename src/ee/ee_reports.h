#pragma once

#include "program.h"

namespace kalvo::ee {

Report scopeProbeReport(const CalculationInput& input); // ringing and rise-time limits of a probe
Report boardCrosstalkReport(const CalculationInput& input); // inductive crosstalk of board traces
Report cableCrosstalkReport(const CalculationInput& input); // reverse coupling of two cables
Report ribbonCrosstalkReport(const CalculationInput& input); // reverse coupling in a ribbon cable
Report bulkDecouplingReport(const CalculationInput& input);
Report hfDecouplingReport(const CalculationInput& input);
Report digitalSpectrumReport(const CalculationInput& input);
Report digitalLineReport(const CalculationInput& input); // lumped or distributed line
Report platinumRtdReport(const CalculationInput& input); // resistance <-> temperature

} // namespace kalvo::ee
