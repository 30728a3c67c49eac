#pragma once

// A plated through-hole via. Plain C++; lengths in metres.
namespace kalvo::pcb {

struct ViaGeometry {
    double hole = 0.0; // drilled diameter; the plating lines its wall
    double plating = 0.0; // thickness of the barrel's copper
    double length = 0.0; // board thickness
    double pad = 0.0; // pad diameter
    double antipad = 0.0; // clearance diameter in the planes
    double er = 1.0; // relative permittivity of the board
};

// The line a via sits in when its rise times are given.
inline constexpr double viaLineImpedance = 50.0; // Ohm

struct Via {
    double barrelArea = 0.0; // copper cross-section of the barrel [m2]
    double resistance = 0.0; // barrel at 20 °C [Ohm]
    double current10 = 0.0; // for a 10 K rise [A]
    double current20 = 0.0; // for a 20 K rise [A]
    double thermalResistance = 0.0; // along the barrel [K/W]
    double capacitance = 0.0; // pad to the planes [F]
    double inductance = 0.0; // [H]
    double impedance = 0.0; // sqrt(L/C) [Ohm]
    double capacitiveRiseTime = 0.0; // 10-90 % rise time the capacitance adds on the line [s]
    double inductiveRiseTime = 0.0; // the same for the inductance [s]
};

// Currents by IPC-2152 (Brooks and Adam) for the barrel unrolled into a track as wide
// as its mean circumference; capacitance and inductance by Howard Johnson, "High-Speed
// Digital Design" (1993), C = 1.41 er T D1 / (D2 - D1) pF and L = 5.08 h (ln(4h/d) + 1) nH
// (lengths in inches); the rise times are 2.2 time constants of the via between two
// lines of viaLineImpedance: C (Z0/2) and L / (2 Z0).
Via via(const ViaGeometry& geometry);

} // namespace kalvo::pcb
