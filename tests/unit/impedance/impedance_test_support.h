#pragma once

#include "impedance_program.h"

#include <QStringList>

namespace kalvo::impedance {

// Runs a report as the window does: with the inputs typed into the fields of its
// topology, so that the fields read in their units.
inline Report evaluate(ReportFunction report, const QStringList& inputs, bool moreDigits = false)
{
    CalculationInput input;
    input.texts = inputs;
    input.format = impedanceProgram().numberFormat(moreDigits);
    for (const Topology& topology : impedanceProgram().topologies)
        if (topology.report == report)
            input.topology = &topology;
    return report(input);
}

} // namespace kalvo::impedance
