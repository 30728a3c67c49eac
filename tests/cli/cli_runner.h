#pragma once

#include <QByteArray>
#include <QStringList>

namespace kalvo::test {

struct CliResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the built kalvo-cli with args, feeding input on standard input.
CliResult runKalvoCli(const QStringList& args, const QByteArray& input = {});

} // namespace kalvo::test
