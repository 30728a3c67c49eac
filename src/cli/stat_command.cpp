#include "commands.h"

#include "data_file.h"
#include "histogram.h"
#include "report_file.h"
#include "stat_mode.h"

#include <QFile>

#include <cstdio>

namespace kalvo {
namespace {

struct StatOptions {
    StatMode mode = StatMode::OneVar1;
    QString file; // empty or "-": standard input
    SortMode sortMode = SortMode::Original;
    int bins = kDefaultBins;
};

// Fills options from the arguments; returns the usage message, empty when they are fine.
QString parseStatArguments(const QStringList& args, StatOptions& options)
{
    QStringList words;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool takesValue = arg == QLatin1String("--sort") || arg == QLatin1String("--bins");
        if (!takesValue) {
            if (arg.startsWith(QLatin1String("--")))
                return QStringLiteral("stat: unknown option %1").arg(arg);
            words.append(arg);
            continue;
        }
        if (++i == args.size())
            return QStringLiteral("stat: %1 needs a value").arg(arg);
        if (arg == QLatin1String("--sort")) {
            const std::optional<SortMode> sortMode = sortByName(args[i]);
            if (!sortMode)
                return QStringLiteral("stat: unknown sort order %1 (original, x, y, failure, failure%)").arg(args[i]);
            options.sortMode = *sortMode;
        } else {
            bool isNumber = false;
            options.bins = args[i].toInt(&isNumber);
            if (!isNumber || options.bins < kMinBins || options.bins > kMaxBins)
                return QStringLiteral("stat: --bins takes a number from %1 to %2").arg(kMinBins).arg(kMaxBins);
        }
    }
    if (words.isEmpty())
        return QStringLiteral("stat: a mode is needed (One Var 1, One Var 2, Y=a*x+b, Y=a*x^2+b*x+c, Histo, Y=a*x^b, "
                              "Y=a*e^b*x)");
    if (words.size() > 2)
        return QStringLiteral("stat: at most one data file");
    const std::optional<StatMode> mode = modeByName(words.front());
    if (!mode)
        return QStringLiteral("stat: unknown mode %1").arg(words.front());
    options.mode = *mode;
    options.file = words.value(1);
    return {};
}

DataLoad loadData(const QString& file, StatList& list)
{
    if (!file.isEmpty() && file != QLatin1String("-"))
        return loadDataFile(file, list);
    QFile input;
    input.open(stdin, QIODevice::ReadOnly);
    return appendDataFile(input, list);
}

} // namespace

int runStatCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    StatOptions options;
    if (const QString problem = parseStatArguments(args, options); !problem.isEmpty())
        return usageError(err, problem);

    StatList list;
    const DataLoad load = loadData(options.file, list);
    if (!load.error.isEmpty()) {
        err << "kalvo-cli: " << dataFileErrorMessage(options.file, load.error) << '\n';
        return exitFailure;
    }
    if (load.listFilled)
        err << listFilledOnLoadMessage() << '\n';

    // As in the window: the loaded list is shown in the sort order, then evaluated.
    list.sortList(options.sortMode);
    const ModeResult result = runMode(list, options.mode, options.bins);
    if (result.restoreSortOrder)
        list.sortList(options.sortMode);
    out << reportText(list, result.text) << '\n';
    return exitSuccess;
}

} // namespace kalvo
