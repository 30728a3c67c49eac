#pragma once

#include "program.h"

namespace kalvo {

// kalvo-ee: scope probes, crosstalk, decoupling, digital signals and platinum RTDs.
const Program& eeProgram();

} // namespace kalvo
