#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QStringList>

#include <string>

namespace kalvo::test {

struct CliResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the built kalvo-cli with args, feeding input on standard input.
CliResult runKalvoCli(const QStringList& args, const QByteArray& input = {});

// A refusal: exit code `exitCode` (2 for bad usage), nothing on standard output and one
// line on standard error that starts with "kalvo-cli: ".
void expectOneLineError(const CliResult& result, int exitCode = 2);

// A command line kalvo-cli must refuse as bad usage, named for the test.
struct BadUsage {
    const char* name;
    QStringList args;
};

inline std::string badUsageName(const testing::TestParamInfo<BadUsage>& info)
{
    return info.param.name;
}

} // namespace kalvo::test
