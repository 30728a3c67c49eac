#pragma once

#include "program.h"

namespace kalvo {

// kalvo-impedance: transmission-line impedances (microstrip, stripline, wires, coax)
// and the skin effect.
const Program& impedanceProgram();

} // namespace kalvo
