#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace kalvo {

// The command line of a calculator program, as given (nothing looked up yet).
struct CalculatorOptions {
    QStringList words; // TOPOLOGY VALUE ...
    bool moreDigits = false;
    bool radians = false;
    bool list = false;
    bool json = false;
    bool quantities = false;
    bool logarithmic = false;
    bool fieldSolver = false; // append the field solver's check of the report
    std::optional<QString> solveField;
    std::optional<QString> target; // KEY=VALUE
    std::optional<QStringList> between; // LOW HIGH
    std::optional<QString> sweep; // FIELD=FROM:TO:N
};

// Reads args into options; returns the usage message of the first bad argument, or
// empty. hasAngleChoice allows --rad.
QString parseCalculatorOptions(const QStringList& args, bool hasAngleChoice, CalculatorOptions& options);

} // namespace kalvo
