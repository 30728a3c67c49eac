#pragma once

namespace kalvo::inductance {

// Magnetic constant of vacuum (4 pi 1e-7 H/m).
inline constexpr double mu0 = 1.2566370614359173e-06;

} // namespace kalvo::inductance
