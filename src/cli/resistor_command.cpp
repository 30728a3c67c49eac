#include "commands.h"

#include "choice_names.h"
#include "search_report.h"

#include <optional>

namespace kalvo {
namespace {

void printRows(const TopTenRows& rows, QTextStream& out)
{
    for (const TopTenRow& row : rows)
        out << row[0] << '\t' << row[1] << '\t' << row[2] << '\n';
}

} // namespace

int runResistorCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    ESeries series = ESeries::E12;
    DecadeRange range = DecadeRange::TwoDecades;
    QStringList words;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (optionsEnded || !arg.startsWith(QLatin1String("--"))) {
            words.append(arg);
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        const bool isSeries = arg == QLatin1String("--series");
        if (!isSeries && arg != QLatin1String("--range"))
            return usageError(err, QStringLiteral("unknown option %1 for resistor").arg(arg));
        if (++i == args.size())
            return usageError(err, QStringLiteral("resistor: %1 needs a value").arg(arg));
        if (isSeries) {
            const auto chosen = choiceNamed(args[i], allSeries, seriesName);
            if (!chosen)
                return usageError(
                    err, QStringLiteral("resistor: unknown series %1 (E3, E6, E12, E24, E48, E96)").arg(args[i]));
            series = *chosen;
        } else {
            const auto chosen = choiceNamed(args[i], allDecadeRanges, decadeRangeName);
            if (!chosen)
                return usageError(err,
                                  QStringLiteral("resistor: unknown range %1 (\"1 Decade\", \"2 Decades\", "
                                                 "\"3 Decades\", -1, 0, +1)")
                                      .arg(args[i]));
            range = *chosen;
        }
    }
    if (words.size() != 1)
        return usageError(err, QStringLiteral("resistor: exactly one nominal value is needed"));

    const SearchReport report = searchReport(runSearch(nominalFromText(words.front()), series, range));
    out << report.parallelText << "\n----\n";
    printRows(report.parallelRows, out);
    out << "----\n" << report.serialText << "\n----\n";
    printRows(report.serialRows, out);
    return exitSuccess;
}

} // namespace kalvo
