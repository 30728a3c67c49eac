#pragma once

#include "program.h"

#include <array>
#include <span>

namespace kalvo::bench {

// Typical values of one topology; nullptr keeps the text the window shows when the
// topology is first chosen. The reports are measured at each case, solve and sweep at a
// topology's first case; a topology without a case is measured with the shown texts.
struct TypicalInput {
    const char* program;
    int topology; // N of radioButton_N
    const char* name;
    std::array<const char*, maxInputFields> values;
};

std::span<const TypicalInput> typicalInputs();

bool isCaseOf(const TypicalInput& typical, const Program& program, const Topology& topology);

// The topology's first case, or nullptr.
const TypicalInput* firstTypicalInput(const Program& program, const Topology& topology);

// The input a window holds after choosing the topology and typing the values.
CalculationInput typedInput(const Program& program, const Topology& topology,
                            const std::array<const char*, maxInputFields>& values);

} // namespace kalvo::bench
