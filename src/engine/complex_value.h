#pragma once

namespace kalvo {

// A value of the complex evaluator. It counts as real when its imaginary part
// compares equal to 0.
struct ComplexValue {
    double re = 0.0;
    double im = 0.0;

    bool isReal() const { return im == 0.0; }
};

} // namespace kalvo
