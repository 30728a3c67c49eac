#include "cli_runner.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace kalvo::test {
namespace {

const char kHeader[] = "END\nX\tY\tFailure^2\tFailure\tFailure%\tNumber\n\n";

TEST(StatCli, OneVarFromStandardInputKeepsTheOrderOfEntry)
{
    const CliResult result = runKalvoCli({"stat", " one var 1 "}, "2 0\n1 0\nEND\n9 9\n");
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out.toStdString(),
              std::string("2\t0\t0\t0\t0%\t1\n1\t0\t0\t0\t0%\t2\n") + kHeader
                  + "Statistics for X:  -->Go to One Var 2 for more Information\n\n"
                    "N\t\t\t= 2\t ( Poor if <10, Good if >30 )\nMean Value\t\t= 1.5\nRMS\t\t\t= 1.58114\n"
                    "Median\t\t\t= 1.5\nQuartile 25% / 75%\t\t= 1 / 2\n"
                    "Sdev / 3*Sdev / 6*Sdev\t= 0.707107 / 2.12132 / 4.24264\n"
                    "Sdev of Mean / 3*...\t\t= 0.5 / 1.5\t ( =Sdev/sqrt(N), 3*... )\n"
                    "Sum of X / X^2\t\t= 3 / 5\nXmin / max\t\t= 1 / 2\n");
}

TEST(StatCli, LinearFitFromAFileSortedByFailure)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("d\u00e4ten.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("0 0\n1 2\n2 2\n");
    file.close();
    const CliResult result = runKalvoCli({"stat", "8", path, "--sort", "Failure"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out.toStdString(),
              std::string("0\t0\t0.111111\t-0.333333\t-inf%\t1\n2\t2\t0.111111\t-0.333333\t-16.6667%\t3\n"
                          "1\t2\t0.444444\t0.666667\t33.3333%\t2\n")
                  + kHeader
                  + "Least squares fit for  Y = a * X + b \n\na\t= 1\nb\t= 0.333333\n\nn\t= 3\nr\t= 0.866025\n\n"
                    "Failure^2 Sum\t= 0.666667\nFailure^2 Sum/n\t= 0.222222\n");
}

TEST(StatCli, HistogramLeavesTheListSortedByX)
{
    const CliResult result = runKalvoCli({"stat", "Histo", "-", "--bins", "5"}, "10 0\n0 0\n5 0\n");
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out.toStdString(),
              std::string("0\t0\t0\t0\t0%\t2\n5\t0\t0\t0\t0%\t3\n10\t0\t0\t0\t0%\t1\n") + kHeader
                  + "Histogramm for X:\n\nXmin\t\t= 0\nXmax\t\t= 10\nN\t\t= 3\nBinwith\t\t= 2\n"
                    "Number of Bins\t= 5\nMax Xi\t\t= 1  (Max. Number of Xi in a Bin)\n\n"
                    "Use F11 and F12 to vary Colwith\n");
}

TEST(StatCli, TooFewEntriesPrintTheMessageAsResult)
{
    const CliResult result = runKalvoCli({"stat", "Y=a*x^2+b*x+c"}, "1 1\n2 2\n");
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.out.endsWith(QByteArray(kHeader) + "Need at least three Xi for quadratic fit!\n"));
}

TEST(StatCli, AFullListIsReportedAndTheReadPairsAreEvaluated)
{
    QByteArray data;
    for (int i = 0; i < 1030; ++i)
        data += QByteArray::number(i) + " 1\n";
    const CliResult result = runKalvoCli({"stat", "One Var 2 "}, data);
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "Maxlist Reached!\nDid not load all Data!\n");
    EXPECT_TRUE(result.out.contains("\n1024\t1\t0\t0\t0%\t1025\nEND\n"));
    EXPECT_TRUE(result.out.contains("If distribution of X is Gaussian and N=1025:"));
}

struct RefusalCase {
    QStringList args;
    int exitCode;
    const char* errorStart;
};

TEST(StatCli, BadUsageAndMissingFilesGiveOneLine)
{
    const RefusalCase cases[] = {
        {{"stat"}, 2, "kalvo-cli: stat: a mode is needed"},
        {{"stat", "Y=a*x"}, 2, "kalvo-cli: stat: unknown mode Y=a*x"},
        {{"stat", "1"}, 2, "kalvo-cli: stat: unknown mode 1"},
        {{"stat", "Histo", "--bins", "2"}, 2, "kalvo-cli: stat: --bins takes a number from 3 to 250"},
        {{"stat", "Histo", "--bins"}, 2, "kalvo-cli: stat: --bins needs a value"},
        {{"stat", "Histo", "--sort", "z"}, 2, "kalvo-cli: stat: unknown sort order z"},
        {{"stat", "Histo", "--fast"}, 2, "kalvo-cli: stat: unknown option --fast"},
        {{"stat", "Histo", "a.txt", "b.txt"}, 2, "kalvo-cli: stat: at most one data file"},
        {{"stat", "Histo", "/no/such/file.txt"}, 1, "kalvo-cli: Cannot open the data file \"/no/such/file.txt\": "},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliResult result = runKalvoCli(c.args, "1 1\n");
        expectOneLineError(result, c.exitCode);
        EXPECT_TRUE(result.err.startsWith(c.errorStart)) << result.err.toStdString();
    }
}

} // namespace
} // namespace kalvo::test
