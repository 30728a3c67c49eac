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

// The keys of the four results of one formula's block: "Z", "L", "C" and "pd" alone
// (formula nullptr) or joined to the formula's name, "Z_Hogan". Reports keep them in
// statics, built once: solve and sweep print the same keys many thousands of times.
struct LineKeys {
    QString impedance;
    QString inductance;
    QString capacitance;
    QString delay;
};

LineKeys lineKeys(const char* formula);
// The keys of the reports that print a single formula.
const LineKeys& plainLineKeys();

// "\nZ\t= " z "\tOhm\tCharacteristic Impedance", recorded under keys.impedance; the
// caller ends the line.
void impedanceLine(ReportBuilder& report, double z, const LineKeys& keys);

// The L, C and pd lines, each after a newline, recorded under keys; ends without a
// newline.
void constantLines(ReportBuilder& report, const LineConstants& constants, const LineKeys& keys);

// The impedance line ending in note, then the L, C and pd lines. The plain note is the
// blank every single-formula report prints after "Characteristic Impedance".
void lineBlock(ReportBuilder& report, double z, const LineConstants& constants, const LineKeys& keys = plainLineKeys(),
               const char* note = " ");

// "TITLE:" over the block of one formula of several; its results stand in that block.
void formulaTitle(ReportBuilder& report, const QString& title);

} // namespace kalvo::impedance
