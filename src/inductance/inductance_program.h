#pragma once

#include "program.h"

namespace kalvo {

// kalvo-inductance: wire loops, mutual inductance, coils, toroids and HF shielding.
const Program& inductanceProgram();

} // namespace kalvo
