#pragma once

namespace kalvo::pcb {

// K(k) / K(k') with k' = sqrt(1 - k^2): the ratio of complete elliptic integrals of the
// first kind that conformal mapping gives for a strip and its gaps; 0 < k < 1.
double ellipticRatio(double k);

} // namespace kalvo::pcb
