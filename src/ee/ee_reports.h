#pragma once

#include "program.h"

namespace kalvo::ee {

QString scopeProbeReport(const CalculationInput& input); // ringing and rise-time limits of a probe
QString boardCrosstalkReport(const CalculationInput& input); // inductive crosstalk of board traces
QString cableCrosstalkReport(const CalculationInput& input); // reverse coupling of two cables
QString ribbonCrosstalkReport(const CalculationInput& input); // reverse coupling in a ribbon cable
QString bulkDecouplingReport(const CalculationInput& input);
QString hfDecouplingReport(const CalculationInput& input);
QString digitalSpectrumReport(const CalculationInput& input);
QString digitalLineReport(const CalculationInput& input); // lumped or distributed line
QString platinumRtdReport(const CalculationInput& input); // resistance <-> temperature

} // namespace kalvo::ee
