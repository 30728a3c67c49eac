// Every report function of every calculator program, chosen through the program tables,
// with arbitrary input texts.
//
// Input: program byte, topology byte, option byte, then the field texts separated by zero
// bytes. Option bits: 1 texts are Latin-1 (else UTF-8), 2 fields not given keep the
// topology's defaults (else they are empty), 4 more digits, 8 radians, 16 evaluated as
// solve and sweep repeat it.
#include "formula_engine.h"
#include "fuzz_input.h"
#include "program_registry.h"

#include <memory>

namespace {

kalvo::CalculationInput calculationInput(const kalvo::Program& program, const kalvo::Topology& topology,
                                         std::uint8_t options, kalvo::fuzz::FuzzInput& input)
{
    const bool latin1 = options & 1;
    const bool keepDefaults = options & 2;
    const int rows = program.layout.inputRows;
    const std::vector<std::string_view> given = input.takeParts(static_cast<std::size_t>(rows));
    kalvo::CalculationInput calculation;
    for (int row = 0; row < rows; ++row) {
        const auto index = static_cast<std::size_t>(row);
        if (index < given.size())
            calculation.texts.append(kalvo::fuzz::decodeText(given[index], latin1));
        else if (keepDefaults && row < program.rememberedFields)
            calculation.texts.append(QString::fromUtf8(topology.defaults[index]));
        else
            calculation.texts.append(QString());
    }
    calculation.format = program.numberFormat(options & 4);
    calculation.radians = options & 8;
    calculation.repeated = options & 16;
    return calculation;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kalvo::fuzz::FuzzInput input(data, size);
    const auto programs = kalvo::calculatorPrograms();
    const kalvo::Program& program = *programs[input.takeByte() % programs.size()];
    const kalvo::Topology& topology = program.topologies[input.takeByte() % program.topologies.size()];
    const std::uint8_t options = input.takeByte();
    if (topology.report == nullptr)
        return 0;

    kalvo::CalculationInput calculation = calculationInput(program, topology, options, input);
    std::shared_ptr<kalvo::FormulaEngine> engine;
    if (program.createEngine != nullptr) {
        engine = program.createEngine();
        calculation.engine = engine.get();
    }
    calculation.topology = &topology;
    topology.report(calculation);
    return 0;
}
