#pragma once

namespace kalvo::physics {

// Whether microstrip(h, w, t, er) (Bahl and Garg, see microstrip.h) is within 2 percent of
// the field solution: trace height h, width w and thickness t in any one length unit, er
// the relative permittivity. True only within 1 <= er <= 16, 0.1 <= w/h <= 20,
// 0 < t/h <= 0.2, and there only where
//   t/w <= 0.23 er^-0.58  or  w/h >= 0.3 er^0.6,
// i.e. for w/h >= min(4.35 er^0.58 t/h, 0.3 er^0.6). False for NaN or non-positive sizes
// (for t = 0 the formula itself is NaN).
bool microstripWithinTwoPercent(double h, double w, double t, double er);

} // namespace kalvo::physics
