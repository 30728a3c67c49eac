#pragma once

// Copper as the track formulas of kalvo-pcb take it, and the inch-based units those
// formulas were published in.
namespace kalvo::pcb {

// International Annealed Copper Standard (IEC 60028): 1/58 Ohm mm2/m at 20 °C and its
// temperature coefficient there.
inline constexpr double copperResistivity = 1.0 / 58.0 * 1e-6; // Ohm m at 20 °C
inline constexpr double copperTemperatureCoefficient = 0.00393; // 1/K at 20 °C
inline constexpr double resistanceReferenceTemperature = 20.0; // °C
// Thermal conductivity of plated copper, a little below the 401 W/(m K) of pure copper.
inline constexpr double copperThermalConductivity = 390.0; // W/(m K)
// The melting point Onderdonk's equation uses.
inline constexpr double copperMeltingPoint = 1083.0; // °C

inline constexpr double metresPerMil = 25.4e-6;
inline constexpr double squareMetresPerSquareMil = metresPerMil * metresPerMil;
// A circular mil is the area of a circle one mil across.
inline constexpr double squareMetresPerCircularMil = 3.141592653589793 / 4.0 * squareMetresPerSquareMil;

} // namespace kalvo::pcb
