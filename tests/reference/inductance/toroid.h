#pragma once

// Toroids wound evenly all around (the field stays inside the core), N turns, mean
// diameter D, core width d (or diameter), height h; metres and henry, air core.
namespace kalvo::reference {

// Round core section: mu0 N^2 (R - sqrt(R^2 - a^2)) with R = D/2, a = d/2.
double roundToroidInductance(double turns, double meanDiameter, double coreDiameter);

// Rectangular core section: mu0 N^2 h / (2 pi) ln((D + d) / (D - d)).
double rectangularToroidInductance(double turns, double meanDiameter, double width, double height);

} // namespace kalvo::reference
