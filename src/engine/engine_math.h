#pragma once

namespace kalvo::formula {

inline constexpr double pi = 3.141592653589793;
inline constexpr double twoPi = 6.283185307179586;
inline constexpr double halfPi = 1.5707963267948966;
inline constexpr double threeHalfPi = 4.71238898038469;
inline constexpr double degreesPerRadian = 57.29577951308232;
inline constexpr double radiansPerDegree = 0.017453292519943295;
inline constexpr double inverseLn10 = 0.43429448190325176; // 1.0 / 2.302585092994046
inline constexpr double ln2 = 0.6931471805599453;
inline constexpr double eulerE = 2.718281828459045;
inline constexpr double epsilon = 2.220446049250313e-16;
// Real SIN, COS and TAN refuse arguments of this size and above (the reduction by 2*pi
// would leave too few significant digits).
inline constexpr double trigonometricLimit = 263.0;

// ln(1 + y), compensated for the rounding of 1 + y.
double compensatedLog1p(double y);

// Whether x stays finite when converted to single precision (values that round to
// FLT_MAX still do).
bool finiteInSinglePrecision(double x);

} // namespace kalvo::formula
