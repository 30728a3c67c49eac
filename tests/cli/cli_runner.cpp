#include "cli_runner.h"

#include <QProcess>

namespace kalvo::test {

CliResult runKalvoCli(const QStringList& args, const QByteArray& input)
{
    QProcess process;
    process.start(QStringLiteral(KALVO_CLI_PATH), args);
    process.write(input);
    process.closeWriteChannel();
    CliResult result;
    if (!process.waitForFinished(30000))
        return result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

} // namespace kalvo::test
