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

void expectOneLineError(const CliResult& result, int exitCode)
{
    const std::string err = result.err.left(200).toStdString(); // hostile arguments come back in the message
    EXPECT_EQ(result.exitCode, exitCode) << err;
    EXPECT_EQ(result.out, QByteArray());
    EXPECT_TRUE(result.err.startsWith("kalvo-cli: ")) << err;
    EXPECT_EQ(result.err.count('\n'), 1) << err;
    EXPECT_TRUE(result.err.endsWith('\n')) << err;
}

} // namespace kalvo::test
