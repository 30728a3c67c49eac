#pragma once

#include "program.h"

#include <span>

namespace kalvo {

// The calculator programs kalvo-cli knows, by their PROGRAM word.
std::span<const Program* const> calculatorPrograms();

} // namespace kalvo
