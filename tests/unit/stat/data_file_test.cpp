#include "data_file.h"
#include "fits.h"
#include "report_file.h"
#include "stat_mode.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <random>
#include <vector>

namespace kalvo {
namespace {

using Pairs = std::vector<std::pair<double, double>>;

Pairs pairs(const StatList& list)
{
    Pairs result;
    for (const StatEntry& e : list.entries())
        result.emplace_back(e.x, e.y);
    return result;
}

DataLoad append(const QByteArray& content, StatList& list)
{
    QBuffer buffer;
    buffer.setData(content);
    buffer.open(QIODevice::ReadOnly);
    return appendDataFile(buffer, list);
}

struct DataCase {
    const char* name;
    QByteArray content;
    Pairs expected;
    int skipped = 0;
};

void PrintTo(const DataCase& c, std::ostream* out)
{
    *out << c.name;
}

class DataFile : public ::testing::TestWithParam<DataCase> { };

TEST_P(DataFile, AppendsThePairsBeforeTheTerminator)
{
    StatList list;
    list.append(-1, -1);
    const DataLoad load = append(GetParam().content, list);
    Pairs expected{{-1, -1}};
    expected.insert(expected.end(), GetParam().expected.begin(), GetParam().expected.end());
    EXPECT_EQ(pairs(list), expected);
    EXPECT_EQ(load.appended, static_cast<int>(GetParam().expected.size()));
    EXPECT_EQ(load.skipped, GetParam().skipped);
    EXPECT_FALSE(load.listFilled);
    EXPECT_EQ(list.at(list.count() - 1).number, list.count() - 1);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, DataFile,
    ::testing::Values(
        DataCase{"Example", "1\t0\n2\t0.5\n3\t0.96\nEND\n", {{1, 0}, {2, 0.5}, {3, 0.96}}},
        DataCase{"NoTerminatorNoFinalBreak", "1 2\n3 4", {{1, 2}, {3, 4}}},
        DataCase{"LegendEndsTheData", "1 2\n3 4 legend\n5 6\n", {{1, 2}}},
        DataCase{"CapitalEndIsNoTerminator", "1 2\nEnd\n5 6\n", {{1, 2}, {5, 6}}, 1},
        DataCase{"BlankAndTextLinesAreSkipped", "\n  \nabc\n7 8\n", {{7, 8}}, 3},
        DataCase{"WindowsLineBreaksAndMoreColumns", "1 2 3\r\n4\t\t5 x\r\n", {{1, 2}, {4, 5}}},
        DataCase{"MissingYIsZero", "5\n6 y\n", {{5, 0}, {6, 0}}}, DataCase{"EmptyFile", "", {}},
        DataCase{"NulBytes", QByteArray("1 2\n\0\0\n3 4\n", 11), {{1, 2}, {3, 4}}, 1},
        DataCase{"SpreadsheetExport",
                 "# bench 3\nU;I\n\n1;2\n  # 20 degC\n3,5;4,25\n-1;-2,5e-3\n\t\r\n",
                 {{1, 2}, {3.5, 4.25}, {-1, -2.5e-3}},
                 5},
        DataCase{
            "CommaSeparated", "x,y\n1,2\n-1.5,2e3,7\n1.5, 2.5\n4,5\r\n", {{1, 2}, {-1.5, 2000}, {1.5, 2.5}, {4, 5}}, 1},
        DataCase{"DecimalCommasBesideTabsAndBlanks", "1,5\t2,5\n0,25 -3,75\n", {{1.5, 2.5}, {0.25, -3.75}}},
        DataCase{"CommentMentioningEndIsNoTerminator", "# legend: U over I\n1 2\nEND\n# more\n3 4\n", {{1, 2}}, 1},
        DataCase{"LongLineIsOneLine", "5 6 " + QByteArray(10000, 'x') + "\n7 8\n", {{5, 6}, {7, 8}}},
        DataCase{"TerminatorAcrossAChunkBoundary", "1 1 " + QByteArray(4090, ' ') + "end\n2 2\n", {}},
        DataCase{"TerminatorInALongLine",
                 "1 1\n" + QByteArray(20000, ' ') + "END" + QByteArray(20000, ' ') + "\n2 2\n",
                 {{1, 1}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DataFileLimit, StopsAtAFullListAndSaysSo)
{
    StatList list;
    QByteArray content;
    for (int i = 0; i < kMaxList + 10; ++i)
        content += QByteArray::number(i) + " 1\n";
    const DataLoad load = append(content, list);
    EXPECT_TRUE(load.listFilled);
    EXPECT_EQ(load.appended, kMaxList);
    EXPECT_EQ(list.at(kMaxList - 1).x, kMaxList - 1);
    EXPECT_EQ(listFilledOnLoadMessage(), QStringLiteral("Maxlist Reached!\nDid not load all Data!"));
}

// Only a pair that does not fit is data left out.
TEST(DataFileLimit, AListFilledExactlyLeavesNothingOut)
{
    const std::pair<QByteArray, bool> cases[] = {
        {"9 9", false},       {"9 9\n", false},        {"9 9\n\n# done\nEND\n7 7\n", false},
        {"9 9\n8 8\n", true}, {"9 9\nx\n8 8\n", true},
    };
    for (const auto& [content, leftOut] : cases) {
        StatList list;
        for (int i = 0; i < kMaxList - 1; ++i)
            list.append(1, 1);
        const DataLoad load = append(content, list);
        EXPECT_EQ(load.listFilled, leftOut) << content.toStdString();
        EXPECT_EQ(list.at(kMaxList - 1).x, 9);
    }
    StatList full;
    while (full.append(1, 1)) { }
    EXPECT_FALSE(append("", full).listFilled);
    EXPECT_TRUE(append("5 5\nEND\n", full).listFilled);
}

// Any bytes load, and every evaluation of what they give ends normally.
TEST(DataFileRobustness, RandomBytesThroughEveryMode)
{
    std::mt19937 random(7);
    const char alphabet[] = "0123456789 \t\n.-+eEinfaxNDd\0\r";
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes;
        const int size = static_cast<int>(random() % 3000);
        for (int i = 0; i < size; ++i)
            bytes += alphabet[random() % (sizeof alphabet - 1)];
        for (const ModeButton& button : modeButtons()) {
            StatList list;
            append(bytes, list);
            const ModeResult result = runMode(list, button.mode, 3 + static_cast<int>(random() % 248));
            ASSERT_FALSE(result.text.isEmpty());
            ASSERT_FALSE(reportText(list, result.text).isEmpty());
        }
    }
}

TEST(Report, TextAndRoundTripThroughAFileWithANonAsciiName)
{
    StatList list;
    list.append(0, 0);
    list.append(1, 2);
    list.append(2, 2);
    const QString result = fitReport(list, FitKind::Linear).value();
    const QString report = reportText(list, result);
    EXPECT_TRUE(report.startsWith(QStringLiteral("0\t0\t0.111111\t-0.333333\t-inf%\t1\n"
                                                 "1\t2\t0.444444\t0.666667\t33.3333%\t2\n"
                                                 "2\t2\t0.111111\t-0.333333\t-16.6667%\t3\n"
                                                 "END\nX\tY\tFailure^2\tFailure\tFailure%\tNumber\n\n")))
        << report.toStdString();
    EXPECT_TRUE(report.endsWith(result));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Messung \u00e4\u00f6\u00fc \u20ac \u6e2c\u5b9a.txt"));
    ASSERT_EQ(saveReport(path, report), QString());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), report.toLatin1());

    StatList loaded;
    const DataLoad load = loadDataFile(path, loaded);
    EXPECT_TRUE(load.error.isEmpty());
    EXPECT_EQ(pairs(loaded), pairs(list));
    EXPECT_EQ(load.skipped, 0);
    EXPECT_EQ(loadSummary(load),
              QStringLiteral("Pairs loaded: 3\nLines skipped (blank, # comment or no number at the start): 0"));
}

// Every line of a report before "END" is a pair: the evaluations' texts after it, full
// of blank lines, '#'-free words and numbers, never count.
TEST(Report, EveryModesReportLoadsBackItsPairs)
{
    StatList list;
    for (const auto& [x, y] : Pairs{{-2.5, 1e-9}, {0, -0.0}, {1e300, 3}, {7, 7}})
        list.append(x, y);
    for (const ModeButton& button : modeButtons()) {
        StatList evaluated = list;
        const QByteArray report = reportText(evaluated, runMode(evaluated, button.mode, kDefaultBins).text).toLatin1();
        StatList loaded;
        const DataLoad load = append(report, loaded);
        EXPECT_EQ(pairs(loaded), pairs(evaluated)) << button.text;
        EXPECT_EQ(load.skipped, 0) << button.text;
    }
}

TEST(Report, FailuresNameTheFile)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("no/such/dir/r.txt"));
    const QString reason = saveReport(missing, QStringLiteral("x"));
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(
        reportFileErrorMessage(missing, QStringLiteral("No such file")),
        QStringLiteral("Cannot write the report file \"%1\": No such file").arg(QDir::toNativeSeparators(missing)));

    StatList list;
    const DataLoad load = loadDataFile(missing, list);
    EXPECT_FALSE(load.error.isEmpty());
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(dataFileErrorMessage(QStringLiteral("/a/b.txt"), QStringLiteral("gone")),
              QStringLiteral("Cannot open the data file \"/a/b.txt\": gone"));
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// A save that fails leaves the file it would have replaced as it was.
TEST(Report, AFailedSaveKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QByteArray old = "1\t2\t0\t0\t0%\t1\nEND\nthe old report\n";
    const QString report = QStringLiteral("3\t4\t0\t0\t0%\t1\nEND\n");

    // The name leaves no room for the longer name of a temporary file beside it.
    const QString longName = dir.filePath(QString(250, QLatin1Char('r')));
    QFile file(longName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
    file.close();
    EXPECT_FALSE(saveReport(longName, report).isEmpty());
    EXPECT_EQ(contents(longName), old);

    // A directory in place of the file: it and its files stay.
    const QString directory = dir.filePath(QStringLiteral("Report.txt"));
    ASSERT_TRUE(QDir().mkpath(directory + QStringLiteral("/inner")));
    EXPECT_FALSE(saveReport(directory, report).isEmpty());
    EXPECT_TRUE(QFileInfo(directory + QStringLiteral("/inner")).isDir());
}

// A directory that takes no new files, with a writable report in it.
TEST(Report, ALockedDirectoryKeepsTheOldFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into any directory";
    QTemporaryDir dir;
    const QByteArray old = "the old report\n";
    const QString locked = dir.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkpath(locked));
    const QString inLocked = locked + QStringLiteral("/Report.txt");
    QFile lockedFile(inLocked);
    ASSERT_TRUE(lockedFile.open(QIODevice::WriteOnly) && lockedFile.write(old) == old.size());
    lockedFile.close();
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    EXPECT_FALSE(saveReport(inLocked, QStringLiteral("new")).isEmpty());
    EXPECT_EQ(contents(inLocked), old);
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// A pipe has no contents to keep: it is written in place, not replaced by a file.
TEST(Report, APipeIsWrittenInPlace)
{
    QTemporaryDir dir;
    const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("pipe")));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    const int reader = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(saveReport(QFile::decodeName(fifo), QStringLiteral("1\t2\n")), QString());
    struct stat status { };
    EXPECT_EQ(::stat(fifo.constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
    char received[16] = {};
    EXPECT_EQ(::read(reader, received, sizeof received), 4);
    EXPECT_STREQ(received, "1\t2\n");
    ::close(reader);
}

TEST(Report, AFullDiskIsAFailure)
{
    if (!QFile::exists(QStringLiteral("/dev/full")))
        GTEST_SKIP() << "no /dev/full";
    EXPECT_FALSE(saveReport(QStringLiteral("/dev/full"), QString(100000, QLatin1Char('x'))).isEmpty());
}

} // namespace
} // namespace kalvo
