#pragma once

namespace kalvo {

// Two-sided Student-t factors for a sample of n values (n - 1 degrees of freedom) at
// the confidence levels 68.3 %, 95 % and 99 %.
struct StudentFactors {
    double t68 = 0;
    double t95 = 0;
    double t99 = 0;
};

// The factors of the program's table for n >= 2 (n below 2 gives those of n = 2).
StudentFactors studentFactors(int n);

} // namespace kalvo
