#pragma once

#include "units.h"

// Units kalvo-pcb prints beside the shared ones.
namespace kalvo::pcb::units {

using namespace kalvo::units;

inline constexpr Unit kelvinPerWatt{"K/W", "K/W", 1.0};
inline constexpr Unit amperePerSquareMillimetre{"A/mm2", "A/m2", 1e6};
inline constexpr Unit circularMil{"cmil", "m2", 5.067074790974977e-10};

} // namespace kalvo::pcb::units
