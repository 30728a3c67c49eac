#pragma once

#include "constants.h"
#include "report.h"

#include <QString>

// What the line reports of kalvo-impedance share: the line constants of a lossless line
// and the lines that print them.
namespace kalvo::impedance {

using physics::mmPerInch;
using physics::pi;
using physics::umPerInch;

// Per metre, in the units the reports print.
struct LineConstants {
    double inductance = 0.0; // nH/m
    double capacitance = 0.0; // pF/m
    double delay = 0.0; // ns/m
};

// Line of impedance z [Ohm] in a medium of (effective) relative permittivity e, with
// light taking 8.4723e-11 s per inch.
LineConstants lineConstants(double z, double e);

// The key of a result a report prints once per formula: "Z" alone (formula nullptr)
// or joined to the formula's name, "Z_Hogan".
QString formulaKey(const char* name, const char* formula);

// "\nZ\t= " z "\tOhm\tCharacteristic Impedance", recorded as Z of the formula; the
// caller ends the line.
void impedanceLine(ReportBuilder& report, double z, const char* formula);

// The L, C and pd lines, each after a newline, recorded as L, C and pd of the formula;
// ends without a newline.
void constantLines(ReportBuilder& report, const LineConstants& constants, const char* formula);

// The impedance line ending in note, then the L, C and pd lines. The plain note is the
// blank every single-formula report prints after "Characteristic Impedance".
void lineBlock(ReportBuilder& report, double z, const LineConstants& constants, const char* formula = nullptr,
               const char* note = " ");

// "TITLE:" over the block of one formula of several; its results stand in that block.
void formulaTitle(ReportBuilder& report, const char* title);

} // namespace kalvo::impedance
