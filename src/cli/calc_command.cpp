#include "commands.h"

#include "formula_engine.h"

#include <charconv>
#include <string>
#include <vector>

namespace kalvo {
namespace {

// Variables of a calc run, as many as a kalvo-rc window's engine has.
constexpr std::size_t calcVariables = 16;

struct Definition {
    std::string name;
    std::string formula;
};

// Like printf("%.17g"), whatever the locale.
QString seventeenDigits(double value)
{
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    return QString::fromLatin1(buffer, written.ptr - buffer);
}

int engineError(EngineError code, QTextStream& out)
{
    out << "error " << static_cast<int>(code) << ": " << QLatin1String(errorText(code)) << '\n';
    return exitFailure;
}

} // namespace

int runCalcCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    bool real = false;
    std::vector<Definition> definitions;
    QStringList formulas;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        // A formula may begin with a minus sign; only "--" starts an option.
        if (optionsEnded || !arg.startsWith(QLatin1String("--"))) {
            formulas.append(arg);
        } else if (arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (arg == QLatin1String("--real")) {
            real = true;
        } else if (arg == QLatin1String("--define")) {
            if (++i == args.size() || !args[i].contains(QLatin1Char('=')))
                return usageError(err, QStringLiteral("calc: --define needs NAME=FORMULA"));
            const qsizetype equals = args[i].indexOf(QLatin1Char('='));
            definitions.push_back({args[i].left(equals).toStdString(), args[i].mid(equals + 1).toStdString()});
        } else {
            return usageError(err, QStringLiteral("unknown option %1 for calc").arg(arg));
        }
    }
    if (formulas.size() != 1)
        return usageError(err, QStringLiteral("calc: exactly one FORMULA is needed"));

    FormulaEngine engine(calcVariables);
    for (const Definition& definition : definitions)
        if (EngineError code = engine.defineVariable(definition.formula, definition.name, true);
            code != EngineError::None)
            return engineError(code, out);

    const std::string formula = formulas.front().toStdString();
    std::string integerText;
    double re = 0.0;
    double im = 0.0;
    const EngineError code
        = real ? engine.evaluateReal(formula, re, integerText) : engine.evaluateComplex(formula, re, im, integerText);
    if (code != EngineError::None)
        return engineError(code, out);
    // A formula with a base prefix or a bit operator is computed in integer mode, whose
    // result is its text.
    if (!integerText.empty())
        out << QString::fromStdString(integerText) << '\n';
    else if (real)
        out << seventeenDigits(re) << '\n';
    else
        out << seventeenDigits(re) << ' ' << seventeenDigits(im) << '\n';
    return exitSuccess;
}

} // namespace kalvo
