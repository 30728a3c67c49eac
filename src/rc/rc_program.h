#pragma once

#include "program.h"

namespace kalvo {

// kalvo-rc: RC and RLC circuits, poles, groundplane resistance, matching networks, MTBF.
const Program& rcProgram();

} // namespace kalvo
