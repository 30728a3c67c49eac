#include "commands.h"

namespace kalvo {
namespace {

// A topology named by its button text (case-insensitive, blanks around ignored) or by
// the number N of radioButton_N.
const Topology* findTopology(const Program& program, const QString& word)
{
    const QString wanted = word.trimmed();
    bool isNumber = false;
    const int number = wanted.toInt(&isNumber);
    if (isNumber)
        return program.topologyByNumber(number);
    for (const Topology& topology : program.topologies)
        if (wanted.compare(QString::fromUtf8(topology.buttonText), Qt::CaseInsensitive) == 0)
            return &topology;
    return nullptr;
}

int listTopologies(const Program& program, QTextStream& out)
{
    for (const Topology& topology : program.topologies)
        out << topology.number << '\t' << QString::fromUtf8(topology.buttonText) << '\n';
    return exitSuccess;
}

} // namespace

int runCalculatorCommand(const Program& program, const QStringList& args, QTextStream& out, QTextStream& err)
{
    const bool hasAngleChoice = !program.layout.angleGroup.isNull();
    bool moreDigits = false;
    bool radians = false;
    bool list = false;
    QStringList words;
    bool optionsEnded = false;
    for (const QString& arg : args) {
        if (optionsEnded || !arg.startsWith(QLatin1String("--")))
            words.append(arg);
        else if (arg == QLatin1String("--"))
            optionsEnded = true;
        else if (arg == QLatin1String("--more-digits"))
            moreDigits = true;
        else if (arg == QLatin1String("--rad") && hasAngleChoice)
            radians = true;
        else if (arg == QLatin1String("--list"))
            list = true;
        else
            return usageError(err, QStringLiteral("unknown option %1 for %2").arg(arg, QLatin1String(program.name)));
    }
    if (list)
        return words.isEmpty() ? listTopologies(program, out)
                               : usageError(err, QStringLiteral("--list takes no other arguments"));
    if (words.isEmpty())
        return usageError(err,
                          QStringLiteral("%1: a topology is needed (see --list)").arg(QLatin1String(program.name)));

    const Topology* topology = findTopology(program, words.takeFirst());
    if (topology == nullptr)
        return usageError(err, QStringLiteral("%1: unknown topology (see --list)").arg(QLatin1String(program.name)));
    if (words.size() > program.layout.inputRows)
        return usageError(
            err,
            QStringLiteral("%1: at most %2 values").arg(QLatin1String(program.name)).arg(program.layout.inputRows));
    if (topology->report == nullptr) {
        err << program.name << ": " << topology->buttonText << " cannot be computed\n";
        return exitFailure;
    }

    // Fields not given keep the text the window shows when the topology is first chosen.
    CalculationInput input;
    for (int row = 0; row < program.layout.inputRows; ++row) {
        const char* fallback = row < program.rememberedFields ? topology->defaults[row] : nullptr;
        input.texts.append(row < words.size() ? words[row] : QString::fromUtf8(fallback));
    }
    input.format = program.numberFormat(moreDigits);
    input.radians = radians;
    std::shared_ptr<FormulaEngine> engine;
    if (program.createEngine != nullptr) {
        engine = program.createEngine();
        input.engine = engine.get();
    }
    out << topology->report(input) << '\n';
    return exitSuccess;
}

} // namespace kalvo
