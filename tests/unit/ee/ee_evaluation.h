#pragma once

#include "ee_program.h"

#include <stdexcept>

namespace kalvo::ee {

// The topology of report in kalvo-ee's table: it gives the fields' units.
inline const Topology& topologyOf(ReportFunction report)
{
    for (const Topology& topology : eeProgram().topologies)
        if (topology.report == report)
            return topology;
    throw std::invalid_argument("not a report of kalvo-ee");
}

// The report of these field texts, as the window computes it.
inline Report evaluate(ReportFunction report, const QStringList& inputs, bool moreDigits = false)
{
    CalculationInput input = eeProgram().startInput(topologyOf(report), moreDigits);
    input.texts = inputs;
    return report(input);
}

} // namespace kalvo::ee
