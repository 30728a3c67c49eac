#pragma once

namespace kalvo::physics {

// Winding thickness correction K of the long multi layer coil formula.
struct ThicknessCorrection {
    double k = 0.0;
    bool doubtful = false; // q lies outside the table, K is only its nearest end
};

// K at q = coil length / winding thickness: a table column where q matches it, linear
// interpolation between columns, the end values (doubtful) outside the table.
ThicknessCorrection thicknessCorrection(double q);

} // namespace kalvo::physics
