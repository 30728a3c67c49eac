#pragma once

#include <optional>

// Resistance and temperature of platinum resistance thermometers after EN 60751
// (Callendar-Van Dusen): Rt = Ro * W(T) with
//   W(T) = 1 + a*T + b*T^2                     for T >= 0 degrees Celsius,
//   W(T) = 1 + a*T + b*T^2 + c*(T - 100)*T^3   for T < 0.
namespace kalvo::physics {

struct RtdCoefficients {
    int alpha; // temperature coefficient in ppm/K that selects the set
    double a;
    double b;
    double c;
};

// The sets for alpha 3750, 3770 and 3850 ppm/K; nullptr for any other alpha.
const RtdCoefficients* rtdCoefficients(int alpha);

double resistanceRatio(const RtdCoefficients& k, double temperature);

// The temperature of resistance r from the quadratic part of W alone (exact at and
// above 0 degrees, and below 0 for a set without c term).
double quadraticTemperature(const RtdCoefficients& k, double ro, double r);

// Lower end of the interval the sub-zero temperature is searched in.
inline constexpr double lowestSearchedTemperature = -225.0;

struct BisectionResult {
    double temperature; // last midpoint
    double residual; // Ro * W(temperature) - r there
    bool converged; // false when the halvings ran out first
};

// Solves Ro * W(T) = r for T in [-225, 0] by at most 100 halvings, stopping once the
// residual is below Ro * 1e-11. Empty when r is at or below the resistance at -225
// degrees, i.e. the temperature lies below the interval.
std::optional<BisectionResult> subZeroTemperature(const RtdCoefficients& k, double ro, double r);

} // namespace kalvo::physics
