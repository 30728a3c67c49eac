#pragma once

#include "program.h"

#include <QJsonObject>

namespace kalvo {

// One computation as kalvo-cli --json prints it: program, topology, the input texts by
// field, every quantity (non-finite values as null), the warnings and, when withText,
// the report text.
QJsonObject reportJson(const Program& program, const Topology& topology, const CalculationInput& input,
                       const Report& report, bool withText = true);

// A number for JSON: null when it is not finite.
QJsonValue jsonNumber(double value);

} // namespace kalvo
