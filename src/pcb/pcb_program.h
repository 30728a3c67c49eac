#pragma once

#include "program.h"

namespace kalvo {

// kalvo-pcb: track width and temperature, vias, coplanar lines and differential pairs,
// clearance and fusing current.
const Program& pcbProgram();

} // namespace kalvo
