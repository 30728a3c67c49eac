#pragma once

// The physical and mathematical constants every calculation shares, defined once.
namespace kalvo::physics {

inline constexpr double pi = 3.141592653589793;
inline constexpr double twoPi = 2.0 * pi;
inline constexpr double fourPi = 4.0 * pi;
inline constexpr double mu0 = 4e-7 * pi;              // H/m, the value before the 2019 SI revision
inline constexpr double c0 = 299792458.0;             // m/s
inline constexpr double eps0 = 1.0 / (mu0 * c0 * c0); // F/m
inline constexpr double mmPerInch = 25.4;
inline constexpr double umPerInch = 25400.0;

} // namespace kalvo::physics
