#pragma once

namespace kalvo::impedance {

// The twisted pair formulas' vacuum permittivity, as the start-up text gives it; it
// differs in its last digits from physics::eps0.
inline constexpr double formulaEpsilon0 = 8.854187818e-12; // F/m
// The Broxon and Linkhart sums run over integrationSteps + 1 points across the wire.
inline constexpr int integrationSteps = 1000;

// The trapezoidal sums of the Broxon and Linkhart integrands over the points y = 0 .. d
// in steps of `step`, for two wires of diameter d at centre distance s (both in metres)
// in a dielectric er: epsilon0 / (s - sqrt(d^2 - y^2)) for the air line, and
// epsilon0 / (s + k sqrt(s^2 - y^2) - sqrt(d^2 - y^2) / er) with k = 1/er - 1.
struct BroxonLinkhartSums {
    double air = 0.0;
    double insulated = 0.0;
};

BroxonLinkhartSums broxonLinkhartSums(double d, double s, double er, double step);

} // namespace kalvo::impedance
