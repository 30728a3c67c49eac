#include "cli.h"

#include "commands.h"
#include "program_registry.h"

namespace kalvo {
namespace {

const char usage[] =
    "usage: kalvo-cli PROGRAM TOPOLOGY [VALUE ...] [--more-digits] [--rad]\n"
    "       kalvo-cli PROGRAM --list\n"
    "PROGRAM is one of the calculator programs; TOPOLOGY is a button text or its number.\n";

} // namespace

int usageError(QTextStream& err, const QString& message)
{
    err << "kalvo-cli: " << message << '\n';
    return exitUsage;
}

int runCli(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.isEmpty())
        return usageError(err, QStringLiteral("no program given (try --help)"));
    const QString command = args.front();
    const QStringList rest = args.mid(1);
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        out << usage;
        return exitSuccess;
    }
    if (command == QLatin1String("stat")) return runStatCommand(rest, out, err);
    if (command == QLatin1String("resistor")) return runResistorCommand(rest, out, err);
    if (command == QLatin1String("calc")) return runCalcCommand(rest, out, err);
    for (const Program* program : calculatorPrograms())
        if (command == QLatin1String(program->name))
            return runCalculatorCommand(*program, rest, out, err);
    return usageError(err, QStringLiteral("unknown program %1 (try --help)").arg(command));
}

} // namespace kalvo
