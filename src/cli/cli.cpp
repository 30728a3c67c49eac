#include "cli.h"

#include "commands.h"
#include "program_registry.h"

namespace kalvo {
namespace {

const char usage[] = "usage: kalvo-cli PROGRAM TOPOLOGY [VALUE ...] [--more-digits] [--rad] [--json] [--field-solver]\n"
                     "       kalvo-cli PROGRAM TOPOLOGY [VALUE ...] --solve FIELD --target KEY=VALUE\n"
                     "                 [--between LOW HIGH] [--json]\n"
                     "       kalvo-cli PROGRAM TOPOLOGY [VALUE ...] --sweep FIELD=FROM:TO:N [--log] [--json]\n"
                     "       kalvo-cli PROGRAM TOPOLOGY --quantities\n"
                     "       kalvo-cli PROGRAM --list\n"
                     "       kalvo-cli stat MODE [FILE] [--sort original|x|y|failure|failure%] [--bins N]\n"
                     "       kalvo-cli resistor NOMINAL [--series E3|E6|E12|E24|E48|E96] [--range RANGE]\n"
                     "       kalvo-cli calc [--real] [--define NAME=FORMULA ...] FORMULA\n"
                     "       kalvo-cli --help\n"
                     "PROGRAM is rc, impedance, ee, inductance, xy or pcb; TOPOLOGY is a topology button's text or\n"
                     "the number --list shows. The VALUEs fill the input fields in order and must be numbers.\n"
                     "--quantities lists the fields and the result KEYs; --solve finds the values of FIELD\n"
                     "(label or number) that make KEY equal VALUE (SI unit, prefixes such as 10u, 4k7, 1meg),\n"
                     "e.g. kalvo-cli impedance Microstrip 1.6 \"\" 35 4.3 --solve w --target Z=50; --sweep\n"
                     "prints a table of every result over FIELD, e.g. --sweep w=0.1:10:50 --log; --json prints\n"
                     "the results as JSON; --field-solver adds the field solver's check of an impedance line,\n"
                     "e.g. kalvo-cli impedance Coax 1 3.5 2.25 --field-solver. stat reads X/Y pairs\n"
                     "from FILE or standard input; MODE is a Mode button's text or number. RANGE is \"1 Decade\",\n"
                     "\"2 Decades\", \"3 Decades\", -1, 0 or +1. calc evaluates a formula of the T and PI match\n"
                     "networks' formula syntax. Each prints what the window would show; see man kalvo-cli.\n";

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
    if (command == QLatin1String("stat"))
        return runStatCommand(rest, out, err);
    if (command == QLatin1String("resistor"))
        return runResistorCommand(rest, out, err);
    if (command == QLatin1String("calc"))
        return runCalcCommand(rest, out, err);
    for (const Program* program : calculatorPrograms())
        if (command == QLatin1String(program->name))
            return runCalculatorCommand(*program, rest, out, err);
    return usageError(err, QStringLiteral("unknown program %1 (try --help)").arg(command));
}

} // namespace kalvo
