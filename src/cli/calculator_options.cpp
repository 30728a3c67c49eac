#include "calculator_options.h"

namespace kalvo {

QString parseCalculatorOptions(const QStringList& args, bool hasAngleChoice, CalculatorOptions& options)
{
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const auto argument = [&](qsizetype count) -> std::optional<QStringList> {
            if (i + count >= args.size())
                return std::nullopt;
            QStringList taken = args.mid(i + 1, count);
            i += count;
            return taken;
        };
        const auto single = [&](std::optional<QString>& into) {
            const std::optional<QStringList> taken = argument(1);
            if (taken)
                into = taken->front();
            return taken.has_value();
        };
        if (optionsEnded || !arg.startsWith(QLatin1String("--")))
            options.words.append(arg);
        else if (arg == QLatin1String("--"))
            optionsEnded = true;
        else if (arg == QLatin1String("--more-digits"))
            options.moreDigits = true;
        else if (arg == QLatin1String("--rad") && hasAngleChoice)
            options.radians = true;
        else if (arg == QLatin1String("--list"))
            options.list = true;
        else if (arg == QLatin1String("--json"))
            options.json = true;
        else if (arg == QLatin1String("--quantities"))
            options.quantities = true;
        else if (arg == QLatin1String("--log"))
            options.logarithmic = true;
        else if (arg == QLatin1String("--field-solver"))
            options.fieldSolver = true;
        else if (arg == QLatin1String("--solve")) {
            if (!single(options.solveField))
                return QStringLiteral("--solve needs a FIELD");
        } else if (arg == QLatin1String("--target")) {
            if (!single(options.target))
                return QStringLiteral("--target needs KEY=VALUE");
        } else if (arg == QLatin1String("--sweep")) {
            if (!single(options.sweep))
                return QStringLiteral("--sweep needs FIELD=FROM:TO:N");
        } else if (arg == QLatin1String("--between")) {
            options.between = argument(2);
            if (!options.between)
                return QStringLiteral("--between needs LOW and HIGH");
        } else
            return QStringLiteral("unknown option %1").arg(arg);
    }
    if (options.target && !options.solveField)
        return QStringLiteral("--target belongs to --solve");
    if (options.between && !options.solveField)
        return QStringLiteral("--between belongs to --solve");
    if (options.solveField && !options.target)
        return QStringLiteral("--solve needs --target KEY=VALUE");
    if (options.logarithmic && !options.sweep)
        return QStringLiteral("--log belongs to --sweep");
    if (options.solveField && options.sweep)
        return QStringLiteral("--solve and --sweep cannot be combined");
    if (options.fieldSolver && options.sweep)
        return QStringLiteral("--field-solver and --sweep cannot be combined");
    if (options.quantities && (options.solveField || options.sweep || options.json || options.fieldSolver))
        return QStringLiteral("--quantities takes no other options");
    return {};
}

} // namespace kalvo
