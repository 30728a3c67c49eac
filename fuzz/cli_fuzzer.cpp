// kalvo-cli's argument handling: every command with arbitrary arguments.
//
// Input: the contents of the file "data", then the arguments, separated by zero bytes.
// The fuzzer works in an empty temporary directory holding only "data", with standard
// input read from /dev/null; slashes in stat's arguments become '_', so that the data
// files it opens are that one or none, never a device or a file elsewhere.
#include "cli.h"
#include "fuzz_input.h"

#include <QFile>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

constexpr std::size_t maxArguments = 64;

std::filesystem::path workDirectory;

void removeWorkDirectory()
{
    std::error_code ignored;
    std::filesystem::remove_all(workDirectory, ignored);
}

void writeDataFile(std::string_view contents)
{
    QFile file(QStringLiteral("data"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(contents.data(), static_cast<qint64>(contents.size()));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char pattern[] = "/tmp/kalvo-cli-fuzz-XXXXXX";
    if (mkdtemp(pattern) == nullptr || chdir(pattern) != 0 || std::freopen("/dev/null", "r", stdin) == nullptr)
        std::abort();
    workDirectory = pattern;
    std::atexit(removeWorkDirectory);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kalvo::fuzz::FuzzInput input(data, size);
    const std::vector<std::string_view> parts = input.takeParts(maxArguments + 1);
    QStringList args;
    for (std::size_t i = 1; i < parts.size(); ++i)
        args.append(kalvo::fuzz::decodeText(parts[i], false));
    if (!args.isEmpty() && args.front() == QLatin1String("stat")) {
        writeDataFile(parts.front());
        for (QString& arg : args)
            arg.replace(QLatin1Char('/'), QLatin1Char('_'));
    }

    QString output;
    QString errors;
    QTextStream out(&output);
    QTextStream err(&errors);
    kalvo::runCli(args, out, err);
    return 0;
}
