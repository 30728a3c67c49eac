#include "typical_inputs.h"

#include <string_view>

namespace kalvo::bench {
namespace {

constexpr TypicalInput cases[] = {
    {"rc", 1, "1k_1u", {"1000", "1e-6"}},
    {"rc", 2, "oscillating", {"10", "1e-6", "1e-3"}},
    {"rc", 3, "complex_stable", {"-100", "1000"}},
    {"rc", 4, "stable", {"-1000"}},
    {"rc", 5, "20_degrees", {"10", "1", "1", "35", "20"}},
    {"rc", 6, "real", {"-6", "50", "75"}},
    {"rc", 6, "complex", {"-6", "50", "50+10i"}},
    {"rc", 7, "real", {"-6", "50", "75"}},
    {"rc", 7, "complex", {"-6", "50", "50+10i"}},
    {"rc", 8, "arrhenius", {"100000", "", "1000", "25", "35", "0.7"}},
    {"impedance", 1, "fr4", {"1.6", "3"}},
    {"impedance", 8, "covered", {"0.2", "0.4", "0.3"}},
    {"impedance", 2, "narrow", {"1.6", "0.5"}},
    {"impedance", 3, "offset", {"0.2", "0.5", "0.15"}},
    {"impedance", 9, "apart", {"0.2", "0.3", "50"}},
    {"impedance", 4, "wire", {"0.5", "2", "1"}},
    {"impedance", 5, "pair", {"0.5", "0.9", "3.5", "40"}},
    {"impedance", 6, "fifty_ohm", {"1", "3.5", "2.25"}},
    {"impedance", 7, "copper_1MHz", {"1", nullptr, nullptr, "1e6"}},
    {"inductance", 1, "loop", {"1", "100"}},
    {"inductance", 2, "ten_inch", {"25.4", "254", "254"}},
    {"inductance", 3, "two_inch", {"645.16", "645.16", "50.8"}},
    {"inductance", 4, "lines", {"2", "1", "600", "250"}},
    {"inductance", 5, "coil", {"100", "10", "10"}},
    {"inductance", 6, "coil", {"10", "10", "14", "25"}},
    {"inductance", 7, "coil", {"100", "0.5"}},
    {"inductance", 8, "toroid", {"20", "5", "5", "10"}},
    {"inductance", 9, "slot", {"0.2", nullptr, nullptr, "1e6", "10"}},
    {"xy", 1, "line", {"0", "1", "2", "1", "3"}},
    {"xy", 2, "parabola", {"1", "2", "3", "2", "3", "6"}},
    {"xy", 3, "two_roots", {"1", "-3", "2"}},
    {"xy", 4, "polar", {"5", "36.87"}},
    {"xy", 5, "rect", {"3", "4"}},
    {"ee", 1, "probe", {"100", "10", "30", "100"}},
    {"ee", 2, "board", {"1", "5", "50", "50", "10"}},
    {"ee", 3, "cable", {"1", "1", "10", "100", "5"}},
    {"ee", 4, "ribbon", {"1", "1"}},
    {"ee", 5, "bulk", {"1000", "5", "1", "100", "10"}},
    {"ee", 6, "hf", {"0.5", "10", "1.5", "1"}},
    {"ee", 7, "spectrum", {"100", "5"}},
    {"ee", 8, "distributed", {"500", "100", "100", "1"}},
    {"ee", 9, "resistance_to_temperature", {"602.56"}},
    {"ee", 9, "temperature_to_resistance", {"", "100"}},
    {"pcb", 1, "3A_1oz", {"3"}},
    {"pcb", 2, "fr4_via", {"0.3", nullptr, nullptr, "0.6", "1"}},
    {"pcb", 3, "fr4_cpw", {"1.6", "1", "0.2"}},
    {"pcb", 4, "fr4_gcpw", {"1.6", "1", "0.2"}},
    {"pcb", 5, "fr4_pair", {"0.2", "0.3", "0.2"}},
    {"pcb", 6, "fr4_pair", {"0.5", "0.15", "0.2"}},
    {"pcb", 7, "mains", {"325"}},
    {"pcb", 8, "10mil_1s", {"0.254"}},
    {"pcb", 9, "1mm_2A", {"1", nullptr, "2"}},
};

} // namespace

std::span<const TypicalInput> typicalInputs()
{
    return cases;
}

bool isCaseOf(const TypicalInput& typical, const Program& program, const Topology& topology)
{
    return typical.program == std::string_view(program.name) && typical.topology == topology.number;
}

const TypicalInput* firstTypicalInput(const Program& program, const Topology& topology)
{
    for (const TypicalInput& typical : cases)
        if (isCaseOf(typical, program, topology))
            return &typical;
    return nullptr;
}

CalculationInput typedInput(const Program& program, const Topology& topology,
                            const std::array<const char*, maxInputFields>& values)
{
    CalculationInput input = program.startInput(topology);
    for (int row = 0; row < program.layout.inputRows; ++row)
        if (values[static_cast<size_t>(row)] != nullptr)
            input.texts[row] = QString::fromUtf8(values[static_cast<size_t>(row)]);
    return input;
}

} // namespace kalvo::bench
