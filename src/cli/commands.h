#pragma once

#include "program.h"

#include <QStringList>
#include <QTextStream>

namespace kalvo {

// Exit codes of kalvo-cli.
inline constexpr int exitSuccess = 0;
inline constexpr int exitFailure = 1;
inline constexpr int exitUsage = 2;

// One line on err and the usage exit code.
int usageError(QTextStream& err, const QString& message);

// PROGRAM TOPOLOGY [VALUE ...] [--more-digits] [--rad], or PROGRAM --list.
int runCalculatorCommand(const Program& program, const QStringList& args, QTextStream& out, QTextStream& err);

// stat MODE [FILE] [--sort original|x|y|failure|failure%] [--bins N]
int runStatCommand(const QStringList& args, QTextStream& out, QTextStream& err);

// resistor NOMINAL [--series E3|E6|E12|E24|E48|E96] [--range RANGE]
int runResistorCommand(const QStringList& args, QTextStream& out, QTextStream& err);

// calc [--real] [--define NAME=FORMULA ...] FORMULA
int runCalcCommand(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace kalvo
