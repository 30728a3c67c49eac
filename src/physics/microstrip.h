#pragma once

namespace kalvo::physics {

// Surface microstrip with a trace of finite thickness (Bahl and Garg).
struct Microstrip {
    double impedance = 0.0; // Z0 [Ohm]
    double airImpedance = 0.0; // the same line without dielectric [Ohm]
    double effectivePermittivity = 0.0; // eeff
    bool withinValidity = false; // 0 < t/h < 0.2, 0.1 < w/h < 20, 0 < er < 16
};

// Trace height h above the plane, width w and thickness t in one length unit (the
// reports use inches); er of the board.
Microstrip microstrip(double h, double w, double t, double er);

} // namespace kalvo::physics
