#pragma once

// Mutual inductance of two coaxial circular filaments, Maxwell's formula with complete
// elliptic integrals (Maxwell, A Treatise on Electricity and Magnetism, art. 701).
// All lengths in metres, inductances in henry.
namespace kalvo::reference {

// Filaments of radii a and b whose planes are z apart. Exact for thin filaments; finite
// unless the filaments coincide.
double coaxialFilamentsMutual(double a, double b, double z);

} // namespace kalvo::reference
