#pragma once

#include "number_format.h"

#include <QString>

// What the line reports of kalvo-impedance share: unit conversion, the line constants
// of a lossless line and the block of lines that prints them.
namespace kalvo::impedance {

inline constexpr double mmPerInch = 25.4;
inline constexpr double umPerInch = 25400.0;
inline constexpr double pi = 3.141592653589793;

// Per metre, in the units the reports print.
struct LineConstants {
    double inductance = 0.0; // nH/m
    double capacitance = 0.0; // pF/m
    double delay = 0.0; // ns/m
};

// Line of impedance z [Ohm] in a medium of (effective) relative permittivity e, with
// light taking 8.4723e-11 s per inch.
LineConstants lineConstants(double z, double e);

// The label after the impedance of a plain report: ends by opening the L line.
inline constexpr const char* impedanceLabel = "\tOhm\tCharacteristic Impedance \nL\t= ";

// "\nZ\t= " z, label, then the L, C and pd lines; ends without a newline.
QString lineBlock(double z, const char* label, const LineConstants& constants, const NumberFormat& format);

} // namespace kalvo::impedance
