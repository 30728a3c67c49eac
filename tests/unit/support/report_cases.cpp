#include "report_cases.h"

#include <memory>
#include <stdexcept>
#include <string>

namespace kalvo::test {
namespace {

// The topology of `program` whose report is `report`; throws where there is none.
const Topology& topologyOf(const Program& program, ReportFunction report)
{
    for (const Topology& topology : program.topologies)
        if (topology.report == report)
            return topology;
    throw std::invalid_argument(std::string("no topology of ") + program.name + " runs this report");
}

} // namespace

CalculationInput typedInput(const Program& program, const ReportCase& c)
{
    CalculationInput input = program.startInput(topologyOf(program, c.report), c.moreDigits);
    for (qsizetype i = 0; i < c.inputs.size(); ++i) {
        if (i < input.texts.size())
            input.texts[i] = c.inputs[i];
        else
            input.texts.append(c.inputs[i]);
    }
    input.radians = c.radians;
    return input;
}

Report evaluate(const Program& program, const ReportCase& c)
{
    CalculationInput input = typedInput(program, c);
    const std::shared_ptr<FormulaEngine> engine = program.createEngine != nullptr ? program.createEngine() : nullptr;
    input.engine = engine.get();
    return c.report(input);
}

Report evaluate(const Program& program, ReportFunction report, const QStringList& inputs, bool moreDigits)
{
    return evaluate(program, {.report = report, .inputs = inputs, .moreDigits = moreDigits});
}

} // namespace kalvo::test
