#pragma once

#include "program.h"

namespace kalvo {

// kalvo-xy: lines and parabolas through points, quadratic equations, polar conversion.
const Program& xyProgram();

} // namespace kalvo
