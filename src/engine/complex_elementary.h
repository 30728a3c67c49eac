#pragma once

#include "complex_value.h"

namespace kalvo::formula {

// The complex elementary functions on principal branches, written so that they stay
// accurate near zeros and for large arguments.

double complexAbs(ComplexValue a);
double complexArg(ComplexValue a); // 0 for 0, else atan2(im, re)
double complexLnAbs(ComplexValue a); // ln|a| without overflow of |a|

ComplexValue complexSqrt(ComplexValue a);
ComplexValue complexLog(ComplexValue a);
ComplexValue complexExp(ComplexValue a);
ComplexValue complexPower(ComplexValue a, ComplexValue b); // 0 when a is 0
ComplexValue complexSin(ComplexValue a);
ComplexValue complexCos(ComplexValue a);
ComplexValue complexTan(ComplexValue a);
ComplexValue complexSinh(ComplexValue a);
ComplexValue complexCosh(ComplexValue a);
ComplexValue complexTanh(ComplexValue a);
ComplexValue complexAsin(ComplexValue a);
ComplexValue complexAcos(ComplexValue a);
ComplexValue complexAtan(ComplexValue a);
ComplexValue complexAsinh(ComplexValue a);
ComplexValue complexAcosh(ComplexValue a);
ComplexValue complexAtanh(ComplexValue a);

} // namespace kalvo::formula
