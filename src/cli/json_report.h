#pragma once

#include "program.h"

#include <QJsonObject>

namespace kalvo {

// One computation as kalvo-cli --json prints it: program, topology, the input texts by
// field, every quantity (non-finite values as null), the warnings and, when withText,
// the report text.
QJsonObject reportJson(const Program& program, const Topology& topology, const CalculationInput& input,
                       const Report& report, bool withText = true);

// The field solver's check of a report (Topology::fieldCheck) as kalvo-cli --json adds
// it: Z, eeff, L, C, pd in SI units, estimatedError (relative), the differences in
// percent by the report's quantity keys, and error where the solver gave no result.
QJsonObject fieldSolverJson(const Report& check);

// A number for JSON: null when it is not finite.
QJsonValue jsonNumber(double value);

} // namespace kalvo
